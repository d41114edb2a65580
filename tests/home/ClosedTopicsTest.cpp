#include "support/CourseFixture.h"
#include "support/SettingsFile.h"

#include "framework/Image.h"
#include "home/ModulValaszt.h"
#include "platform/SchoolSettings.h"
#include "platform/Services.h"
#include "shell/Board.h"
#include "shell/StandInModule.h"

#include <QTemporaryDir>

namespace {

// A lab that offers only the keyboard and the buttons: the other tiles are drawn closed and
// neither a click nor Enter opens them.
class ClosedTopicsTest : public CourseFixture {
protected:
    void SetUp() override
    {
        settings = std::make_unique<TSchoolSettings>(WriteSettingsFile(folder, "[course]\ntopics = gombok, billentyu\n"));
        Services::SetSettings(settings.get());

        extendModules = [this](TModuleTable& table) {
            for (const char* topic : {"BILLENTYU", "EGEREZES", "GOMBOK", "MENUK"})
                table.Add(topic, [this, topic] { return std::make_shared<TStandInModule>(topic, journal); });
        };
        StartCourse();
        TypeText("Anna");
        PressKey(Qt::Key_Return);
        TypeText("t");
        page = CurrentPageAs<TModulValaszt>();
        ASSERT_NE(page, nullptr);
    }

    void TearDown() override { Services::SetSettings(nullptr); }

    // The tile's picture as the learner sees it, without the head.
    QImage TilePicture(int row, int column) const
    {
        return page->hatter()->Canvas().CopyRect(page->Tile(row, column)->geometry().adjusted(0, 120, 0, 0));
    }

    static int ColouredPixels(const QImage& picture)
    {
        int coloured = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixelColor(x, y).hsvSaturation() > 40)
                    ++coloured;
        return coloured;
    }

    QTemporaryDir folder;
    std::unique_ptr<TSchoolSettings> settings;
    std::shared_ptr<QStringList> journal = std::make_shared<QStringList>();
    TModulValaszt* page = nullptr;
};

TEST_F(ClosedTopicsTest, ClosedTilesAreGreyAndOpenNothing)
{
    Snapshot("home_chooser_closed_topics");
    EXPECT_TRUE(page->TileOpen(1, 1));
    EXPECT_FALSE(page->TileOpen(1, 2));
    EXPECT_TRUE(page->TileOpen(1, 3));
    EXPECT_FALSE(page->TileOpen(2, 3));
    EXPECT_EQ(page->Tile(1, 2)->cursor().shape(), Qt::ForbiddenCursor);

    // The open tiles keep their colours; the closed ones have none left.
    EXPECT_GT(ColouredPixels(TilePicture(1, 3)), 500);
    EXPECT_EQ(ColouredPixels(TilePicture(1, 2)), 0);
    EXPECT_EQ(ColouredPixels(TilePicture(2, 3)), 0);

    Click(page->Tile(1, 2)); // Egerezés
    Click(page->Tile(2, 3)); // Menük
    EXPECT_TRUE(journal->isEmpty()) << journal->join(", ").toStdString();
    EXPECT_EQ(CurrentPage(), page);
    EXPECT_FALSE(BoardText("MODUL"));

    Click(page->Tile(1, 3));
    EXPECT_TRUE(journal->contains("GOMBOK Start")) << journal->join(", ").toStdString();
}

TEST_F(ClosedTopicsTest, EnterOnAClosedTileStaysOnTheChooser)
{
    PressKey(Qt::Key_Right); // the head on Egerezés
    sound.Clear();
    PressKey(Qt::Key_Return);
    Click(page->enter());
    EXPECT_TRUE(journal->isEmpty()) << journal->join(", ").toStdString();
    EXPECT_EQ(CurrentPage(), page);
    EXPECT_TRUE(sound.Played().isEmpty());

    PressKey(Qt::Key_Left); // back on Billentyűzet
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(journal->contains("BILLENTYU Start")) << journal->join(", ").toStdString();
}

} // namespace
