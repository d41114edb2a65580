#include "support/CourseFixture.h"

#include "framework/Image.h"
#include "home/ModulValaszt.h"
#include "shell/Board.h"
#include "shell/StandInModule.h"

#include <QLabel>

namespace {

class ModulValasztTest : public CourseFixture {
protected:
    void SetUp() override
    {
        StartCourse();
        TypeText("Anna");
        PressKey(Qt::Key_Return);
        page = CurrentPageAs<TModulValaszt>();
        ASSERT_NE(page, nullptr);
        sound.Clear();
    }

    void ToChooser()
    {
        TypeText("t");
        ASSERT_EQ(page->Mode(), TModulValaszt::TMode::Chooser);
        sound.Clear();
    }

    TModulValaszt* page = nullptr;
};

TEST_F(ModulValasztTest, GreetingIgnoresEnterAndArrowsAndLeavesOnT)
{
    EXPECT_EQ(BoardText("MODULVALASZT"), QString("BEVEZETO"));
    EXPECT_EQ(page->Mode(), TModulValaszt::TMode::Intro);
    EXPECT_TRUE(page->imgEmptyScr()->isVisible());
    EXPECT_FALSE(page->lblKilep()->isVisible());

    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->Mode(), TModulValaszt::TMode::Intro);
    EXPECT_FALSE(BoardText("MODUL"));
    EXPECT_TRUE(sound.Played().isEmpty());

    TypeText("T");
    EXPECT_EQ(CurrentPage(), page); // the same page object
    EXPECT_EQ(page->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(BoardText("MODULVALASZT"), QString("VALASZT"));
    EXPECT_EQ(page->imgEmptyScr(), nullptr);
    EXPECT_TRUE(page->lblKilep()->isVisible());
    EXPECT_EQ(sound.PlayedNames(), QStringList{"selector.wav"});
}

TEST_F(ModulValasztTest, GreetingPanelCoversEveryTile)
{
    const QRect panel = page->imgEmptyScr()->geometry();
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 5; ++column)
            EXPECT_TRUE(panel.contains(page->Tile(row, column)->geometry())) << row << "," << column;
    EXPECT_EQ(page->childAt(page->Tile(1, 1)->geometry().center()), page->imgEmptyScr());
}

TEST_F(ModulValasztTest, GreetingLinesStayClearOfThePanelsRightEdge)
{
    const QImage panel = page->imgEmptyScr()->grab().toImage();
    ASSERT_EQ(panel.width(), 800);
    int inkRight = 0;
    for (int y = 80; y < 420; ++y)
        for (int x = 0; x < panel.width(); ++x) {
            const QColor pixel = panel.pixelColor(x, y);
            // The greeting's blue ink; the bunting's blue flags stand above the lines.
            if (pixel.blue() > 160 && pixel.red() < 90 && pixel.green() < 90)
                inkRight = std::max(inkRight, x);
        }
    EXPECT_GT(inkRight, 600) << "the lines are written";
    EXPECT_LE(inkRight, 800 - 30) << "the longest line ends well inside the frame";
}

TEST_F(ModulValasztTest, EnterPictureLeavesTheGreetingToo)
{
    Click(page->enter());
    EXPECT_EQ(page->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_FALSE(BoardText("MODUL"));
}

TEST_F(ModulValasztTest, ArrowsWrapAroundTheGrid)
{
    ToChooser();
    PressKey(Qt::Key_Left);
    EXPECT_EQ(page->SelectedTopic(), "LISTADOBOZOK");
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->SelectedTopic(), "BILLENTYU");
    PressKey(Qt::Key_Up);
    EXPECT_EQ(page->SelectedTopic(), "PANELEK");
    PressKey(Qt::Key_Up);
    EXPECT_EQ(page->SelectedTopic(), "BILLENTYU");
    PressKey(Qt::Key_Down);
    EXPECT_EQ(page->SelectedTopic(), "PANELEK");
    EXPECT_EQ(sound.PlayedNames(), QStringList(5, "selector.wav")); // each move clicks
}

TEST_F(ModulValasztTest, KeyboardContinuesFromTheTileUnderTheMouse)
{
    ToChooser();
    MoveMouse(page->Tile(2, 3));
    EXPECT_EQ(page->SelectedTopic(), "MENUK");
    MoveMouse(page->Tile(2, 3), QPoint(3, 3)); // within the same tile: no redraw, no sound
    EXPECT_EQ(sound.PlayedNames(), QStringList{"selector.wav"});
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->SelectedTopic(), "PROGRAMOK");
}

TEST_F(ModulValasztTest, HeadErasedPutsBackTheBackground)
{
    ToChooser();
    const QPoint at = page->HeadPosition();
    PressKey(Qt::Key_Right);
    const QImage withHeadAway = page->hatter()->Canvas().CopyRect(QRect(at, QSize(131, 75)));
    PressKey(Qt::Key_Left); // head back on the first tile
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->hatter()->Canvas().CopyRect(QRect(at, QSize(131, 75))), withHeadAway);
    EXPECT_TRUE(page->HeadDrawn());
}


// Every tile starts its own topic: stand-in modules in place of the course's topics tell which.
class ModulValasztChoiceTest : public CourseFixture {
protected:
    void SetUp() override
    {
        extendModules = [this](TModuleTable& table) {
            for (const char* topic : {"BILLENTYU", "EGEREZES", "GOMBOK", "JELOLESEK", "LISTADOBOZOK", "PANELEK",
                                      "ABLAKOK", "MENUK", "PROGRAMOK", "OSSZEFOGL"})
                table.Add(topic, [this, topic] { return std::make_shared<TStandInModule>(topic, journal); });
        };
        StartCourse();
        TypeText("Anna");
        PressKey(Qt::Key_Return);
        TypeText("t");
        ASSERT_NE(CurrentPageAs<TModulValaszt>(), nullptr);
    }

    std::shared_ptr<QStringList> journal = std::make_shared<QStringList>();
};

TEST_F(ModulValasztChoiceTest, EachTileStartsItsTopic)
{
    const std::tuple<int, int, const char*> tiles[] = {
        {1, 1, "BILLENTYU"}, {1, 2, "EGEREZES"}, {1, 3, "GOMBOK"},  {1, 4, "JELOLESEK"}, {1, 5, "LISTADOBOZOK"},
        {2, 1, "PANELEK"},   {2, 2, "ABLAKOK"},  {2, 3, "MENUK"},   {2, 4, "PROGRAMOK"}, {2, 5, "OSSZEFOGL"},
    };
    for (const auto& [row, column, topic] : tiles) {
        journal->clear();
        auto* chooser = CurrentPageAs<TModulValaszt>();
        ASSERT_NE(chooser, nullptr) << topic;
        Click(chooser->Tile(row, column));
        EXPECT_EQ(*journal, QStringList({QString(topic) + " created", QString(topic) + " SetController",
                                         QString(topic) + " Start"}))
            << row << "," << column;
        // Home again, as a topic's back area does.
        Board::PutText(Controller(), "CHANGE_MODUL", "RETURN_TO_MAIN");
        Controller().Notify();
        Settle();
    }
}

TEST_F(ModulValasztChoiceTest, EnterKeyChoosesWithASoundAndEnterPictureWithout)
{
    PressKey(Qt::Key_Down); // second row, first tile
    PressKey(Qt::Key_Right);
    sound.Clear();
    Click(CurrentPageAs<TModulValaszt>()->enter());
    EXPECT_TRUE(journal->contains("ABLAKOK Start")) << journal->join(", ").toStdString();
    EXPECT_TRUE(sound.Played().isEmpty());

    Board::PutText(Controller(), "CHANGE_MODUL", "RETURN_TO_MAIN");
    Controller().Notify();
    Settle();
    journal->clear();
    PressKey(Qt::Key_Right);
    sound.Clear();
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(journal->contains("EGEREZES Start")) << journal->join(", ").toStdString();
    EXPECT_EQ(sound.PlayedNames(), QStringList{"select.wav"});
}

TEST_F(ModulValasztTest, EscapeAsksInBothModes)
{
    PressKey(Qt::Key_Escape);
    ToChooser();
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(messages.Texts(), QStringList({"Valóban ki akarsz lépni a programból?", "Valóban ki akarsz lépni a programból?"}));
    EXPECT_EQ(terminations, 0);
}

} // namespace
