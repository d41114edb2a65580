#include "SummaryCourse.h"
#include "SummaryReviewMoves.h"

#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/ProgressBar.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpeedButton.h"
#include "framework/SpinEdit.h"
#include "framework/TrackBar.h"
#include "home/ModulValaszt.h"
#include "topics/mouse/EgerBasketBallForm.h"
#include "topics/selection/JelAgyuzasForm.h"
#include "topics/summary/OsszeFoglBillForm.h"
#include "topics/summary/OsszeFoglEgerForm.h"
#include "topics/summary/OsszefoglGombForm.h"
#include "topics/summary/OsszefoglJelolForm.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

class SummaryReviewTest : public SummaryCourse {
protected:
    void SetUp() override { OpenSummaryTopic(); }

    // The row whose left side reads `left`: its right side, level with it.
    static void ExpectRow(const ReviewTable::TTable& table, const QString& left, const QString& right)
    {
        for (std::size_t i = 0; i + 1 < table.labels.size(); i += 2) {
            if (table.labels[i]->text() != left)
                continue;
            EXPECT_EQ(table.labels[i + 1]->text(), right);
            EXPECT_EQ(table.labels[i + 1]->y(), table.labels[i]->y());
            return;
        }
        ADD_FAILURE() << "no row " << left.toStdString();
    }

    // The table inside the plain room the background keeps for it, every text whole and inside its
    // column's frame; nothing but the back area under the back sign, nothing under "Tovább".
    static void ExpectLaidOut(TBaseForm& page, const ReviewTable::TTable& table, QWidget* tovabb, QWidget* backArea,
                              const QRect& room = QRect(40, 80, 820, 660))
    {
        EXPECT_TRUE(room.contains(table.area)) << table.area.bottom() << " " << table.area.right();
        for (std::size_t i = 0; i < table.labels.size(); ++i) {
            const QLabel* label = table.labels[i];
            const QFrame* frame = i % 2 == 0 ? table.leftFrame : table.rightFrame;
            EXPECT_TRUE(frame->geometry().contains(label->geometry())) << label->text().toStdString();
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
        }
        for (QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child == page.hatter() || child == backArea || child == tovabb || child->isHidden())
                continue;
            EXPECT_FALSE(child->geometry().intersects(QRect(892, 644, 100, 55))) << child->metaObject()->className();
            EXPECT_FALSE(child->geometry().intersects(tovabb->geometry())) << child->metaObject()->className();
        }
    }
};

TEST_F(SummaryReviewTest, KeyboardReviewTellsWhatTheKeysAreFor)
{
    auto* page = On<TOsszeFoglBillForm>();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Table().labels.size(), 26u);
    EXPECT_EQ(page->Table().labels[0]->text(), "Billentyű neve:");
    EXPECT_TRUE(page->Table().labels[0]->font().bold());
    ExpectRow(page->Table(), "ENTER", "- Programok indítása, belépés. Parancsok végrehajtása.");
    ExpectRow(page->Table(), "CTRL",
              "- Nem szomszédos elemek kijelöléséhez és másoláshoz használható segédbillentyű.");
    EXPECT_EQ(page->btnTovabb()->geometry().topLeft(), QPoint(384, 728));
    ExpectLaidOut(*page, page->Table(), page->btnTovabb(), page->imgToMenu(), QRect(40, 100, 820, 600));

    Click(page->imgToMenu());
    EXPECT_NE(CurrentPageAs<TModulValaszt>(), nullptr);
}

TEST_F(SummaryReviewTest, MouseReviewPlaysTheClickAndCaptionsTheGripsInBlue)
{
    auto* page = Stand<TOsszeFoglEgerForm>();
    ASSERT_NE(page, nullptr);
    ExpectRow(page->Table(), "Gombnyomás és\negérmozgatás",
              "- Fogd és vidd! Vonszolás egérrel. Rajzolás egérrel. Kivágás - Másolás.");
    ExpectLaidOut(*page, page->Table(), page->btnTovabb(), page->vissza());
    EXPECT_FALSE(page->Table().area.intersects(page->kattintAnim()->geometry()));
    time.Advance(1500);
    EXPECT_TRUE(page->kattintAnim()->Active());

    EXPECT_EQ(page->jobbkez()->Texts(), QStringList{"Jobbkezes kéztartás"});
    EXPECT_EQ(page->rosszultart()->Texts().join(' ').simplified(), "Rossz egértartás és klikkelés");
    // The caption band of each picture holds blue text the background under it does not have.
    const auto blue = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = image.pixelColor(x, y);
                count += colour.blue() > 200 && colour.red() < 80 && colour.green() < 80;
            }
        return count;
    };
    for (TImage* hand : {page->jobbkez(), page->balkez(), page->rosszultart()}) {
        const QRect band(0, hand == page->rosszultart() ? 161 : 129, hand->width(), 16);
        const int before = blue(page->hatter()->grab(band.translated(hand->pos())).toImage());
        EXPECT_GT(blue(hand->grab(band).toImage()), before + 20) << hand->Texts().join(' ').toStdString();
    }

    Click(page->btnTovabb());
    EXPECT_NE(On<TEgerBasketBallForm>(), nullptr);
}

TEST_F(SummaryReviewTest, ButtonReviewsSamplesOnlyLookAndPress)
{
    auto* page = Stand<TOsszefoglGombForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->lblBevezeto()->text().endsWith("adsz a gépnek.\nAz eszköztárgombok közül egyszerre csak egy "
                                                     "lehet benyomva!"));
    ExpectRow(page->Table(), "Működtetés (billentyű)", "- Enter, Szóköz, a gomb feliratának aláhúzott karaktere.");
    ExpectLaidOut(*page, page->Table(), page->btnTovabb(), page->vissza());
    EXPECT_FALSE(page->lblBevezeto()->geometry().intersects(page->Table().area));
    EXPECT_FALSE(page->Button3()->isEnabled());
    EXPECT_EQ(page->mappaBtn()->iconSize(), QSize(16, 16));

    EXPECT_TRUE(page->szamologepBtn()->Down());
    Click(page->mappaBtn());
    EXPECT_TRUE(page->mappaBtn()->Down());
    EXPECT_FALSE(page->szamologepBtn()->Down());
    for (QWidget* sample : std::initializer_list<QWidget*>{page->normalBtn(), page->coloredBtn(), page->roundImg(),
                                                           page->ellipseImg(), page->Button2()})
        Click(sample);
    EXPECT_EQ(CurrentPage(), page);
    EXPECT_TRUE(sound.PlayedNames().isEmpty());

    Click(page->btnTovabb());
    EXPECT_EQ(CurrentPageName(), "OsszefoglGomb2Form");
}

TEST_F(SummaryReviewTest, SelectionReviewsTrackBarDrivesItsProgressBar)
{
    auto* page = Stand<TOsszefoglJelolForm>();
    ASSERT_NE(page, nullptr);
    ExpectRow(page->Table(), "Nyílgombos\nszerkesztőmező", "- Az érték a nyílgombokkal és gépeléssel is beállítható.");
    ExpectLaidOut(*page, page->Table(), page->btnTovabb(), page->vissza());
    EXPECT_LE(page->lblBevezeto()->heightForWidth(page->lblBevezeto()->width()), page->lblBevezeto()->height());
    EXPECT_LT(page->lblBevezeto()->geometry().bottom(), page->RadioGroup1()->y());
    EXPECT_EQ(page->RadioGroup1()->ItemIndex(), -1);

    EXPECT_EQ(page->ProgressBar1()->Position(), 30);
    page->TrackBar1()->setFocus();
    for (int i = 0; i < 4; ++i)
        PressKey(Qt::Key_Right);
    EXPECT_EQ(page->TrackBar1()->Position(), 7);
    EXPECT_EQ(page->ProgressBar1()->Caption(), "70 %");

    // Nothing is typed into the spin edit; its arrows set it.
    Click(page->SpinEdit1()->Edit());
    TypeText("42");
    PressKey(Qt::Key_Up);
    Click(page->SpinEdit1()->UpButton());
    EXPECT_EQ(page->SpinEdit1()->Text(), "2");
}

TEST_F(SummaryReviewTest, HelpfulMovesTakeTheLearnerOnFromEveryReviewAndThroughTheHunt)
{
    bool evaluated = false;
    for (int move = 0; move < 120 && !CurrentPageAs<TOsszeFoglEgerForm>(); ++move) {
        evaluated = evaluated || CurrentPageName() == "Ertekeles";
        if (!SummaryReviewMoves::Helpful(*this)) {
            ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
        }
    }
    EXPECT_TRUE(evaluated);
    ASSERT_TRUE(SummaryReviewMoves::Helpful(*this));
    EXPECT_NE(On<TEgerBasketBallForm>(), nullptr);
    EXPECT_FALSE(SummaryReviewMoves::Helpful(*this));

    Stand<TOsszefoglJelolForm>();
    ASSERT_TRUE(SummaryReviewMoves::Helpful(*this));
    EXPECT_NE(On<TJelAgyuzasForm>(), nullptr);
}

} // namespace
