#include "topics/summary/SummaryCourse.h"

#include "home/ModulValaszt.h"
#include "framework/PushButton.h"
#include "topics/selection/JelAgyuzasForm.h"
#include "topics/selection/SelectionMoves.h"
#include "topics/menus/MenusMoves.h"
#include "topics/summary/OsszefoglBill2Form.h"
#include "topics/summary/OsszefoglGomb2Form.h"
#include "topics/summary/OsszefoglListForm.h"
#include "topics/summary/OsszefoglPanel2Form.h"
#include "topics/summary/OsszefoglMenuForm.h"
#include "topics/summary/OsszefoglMenuFrmForm.h"

namespace {

class SummaryWalkthrough : public SummaryCourse {
protected:
    // The moments worth a picture, each once: a hunt running, the matching half done, the list's
    // copy step, the detective's verdict, a cascade of the menu search.
    void Moments()
    {
        auto once = [this](const char* name, bool now) {
            if (now && !shot.contains(name)) {
                shot << name;
                Snapshot(QString::fromLatin1(name));
            }
        };
        if (auto* hunt = CurrentPageAs<TOsszefoglBill2Form>())
            once("summary_hunt_running", hunt->Running() && hunt->Hits() >= 3);
        if (auto* matching = CurrentPageAs<TOsszefoglGomb2Form>())
            once("summary_matching_half_done", matching->Right() == 4);
        if (auto* list = CurrentPageAs<TOsszefoglListForm>())
            once("summary_list_step7", list->Step() == 7);
        if (auto* detective = CurrentPageAs<TOsszefoglPanel2Form>())
            once("summary_detective_verdict", detective->Step() == 6);
        auto* search = CurrentPageAs<TOsszefoglMenuForm>();
        if (search && search->MenuStep() == 3 && !shot.contains("summary_menu_cascade")) {
            MenusMoves::ClickTitle(*this, *search->Window(), 2);
            MenusMoves::ClickRow(*this, 0, 2);
            once("summary_menu_cascade", true);
            for (int level = 0; level < 3; ++level)
                PressKey(Qt::Key_Escape);
        }
    }

    int shots = 0;
    QStringList shot;
};

// From the chooser along the whole summary as a learner who does each task right: two hunt
// rounds, a basketball game and its replay left by the end picture, the matching, a cannon game
// and its replay left likewise, the list steps, the detective, two menu searches, every
// evaluation, the closing words and home, with nothing of the topic left on the board.
TEST_F(SummaryWalkthrough, FromTheChooserThroughEveryPageAndGameBackToTheChooser)
{
    OpenSummaryTopic();
    QStringList road;
    TBaseForm* last = nullptr;
    bool cannonPlayed = false;
    int menuVisits = 0;
    for (int move = 0; move < 4000 && !CurrentPageAs<TModulValaszt>(); ++move) {
        TBaseForm* page = CurrentPage();
        ASSERT_NE(page, nullptr);
        if (page != last) {
            road << page->GetPageName();
            menuVisits += CurrentPageAs<TOsszefoglMenuForm>() ? 1 : 0;
            Snapshot(QString("summary_walk_%1_%2").arg(++shots, 2, 10, QChar('0')).arg(page->GetPageName()));
        }
        last = page;
        Moments();
        if (auto* cannon = CurrentPageAs<TJelAgyuzasForm>(); cannon && !cannonPlayed) {
            cannonPlayed = true;
            SelectionMoves::PlayCannon(*this, *cannon, 6);
            continue;
        }
        // The second visit of the menu search plays it again; the third leaves it by "Tovább".
        if (auto* search = CurrentPageAs<TOsszefoglMenuForm>(); search && menuVisits == 2 && search->MenuStep() == 2) {
            Click(search->Window()->btnStart());
            continue;
        }
        ASSERT_TRUE(LearnerMoves::Helpful(*this)) << "no move on " << CurrentPageName().toStdString();
    }
    ASSERT_NE(CurrentPageAs<TModulValaszt>(), nullptr) << road.join(" > ").toStdString();
    const QStringList expected = {
        "OsszeFoglBillForm", "OsszefoglBill2Form", "Ertekeles",          "OsszefoglBill2Form",
        "OsszeFoglEgerForm", "EgerBasketBallForm", "Ertekeles",          "EgerBasketBallForm",
        "OsszefoglGombForm", "OsszefoglGomb2Form", "OsszefoglJelolForm", "JelAgyuzasForm",
        "Ertekeles",         "JelAgyuzasForm",     "OsszefoglListForm",  "OsszefoglPanelForm",
        "OsszefoglPanel2Form", "OsszefoglMenuForm", "Ertekeles",         "OsszefoglMenuForm",
        "Ertekeles",         "OsszefoglMenuForm",  "Ertekeles",
    };
    EXPECT_EQ(road, expected) << road.join(" > ").toStdString();
    EXPECT_FALSE(ErrorBoxShown());
    for (const char* key : {"ACTION", "TIMERECORD", "ROUND", "2ND_ROUND", "MORETHENONE", "STEP", "STEP_READY",
                            "ERTEKEL", "CHANGE_MODUL"})
        EXPECT_FALSE(BoardText(key)) << key;
}

} // namespace
