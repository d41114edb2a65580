#include "SummaryCourse.h"
#include "SummaryMenuMoves.h"

#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/Menu.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "home/ModulValaszt.h"
#include "topics/menus/MenusMoves.h"
#include "topics/summary/MenuSearch.h"
#include "topics/summary/OsszefoglMenuForm.h"
#include "topics/summary/OsszefoglMenuFrmForm.h"

#include <QLabel>
#include <QPointer>

namespace {

TEST(SummaryMenuSearch, RatingsChangeAtTheirEdgesAndPathsIgnoreLetterCase)
{
    const std::pair<int, const char*> times[] = {
        {20, "Fantasztikusan gyors vagy!"}, {21, "Ez igen, ez már gyorsaság!"},
        {40, "Klassz!"}, {60, "Látom, jól boldogulsz a menükkel. Próbáld gyorsabban!"},
        {61, "Tartsd lazán az egeret, és próbáld gyorsabban mozgatni!"}};
    for (const auto& [seconds, rating] : times)
        EXPECT_EQ(MenuSearch::TimeRating(seconds), QString::fromUtf8(rating)) << seconds;
    const char* const oneTwo = "Egy-két hiba becsúszott, legközelebb hibátlan lesz!";
    const char* const fair = "Egész jó! Próbálj pontosabban kattintani!";
    const char* const precise = "Nemcsak az számít, hogy milyen gyors vagy, hanem a pontosság is!";
    const char* const practise = "Bizony, ezt még gyakorolnod kell!";
    // 256 is where a byte counter would have come round to nought.
    const std::pair<int, const char*> errors[] = {{0, "Hibátlan!"}, {1, oneTwo},    {2, oneTwo},  {3, fair},
                                                  {5, fair},        {6, precise},   {9, precise}, {10, practise},
                                                  {256, practise}};
    for (const auto& [count, rating] : errors)
        EXPECT_EQ(MenuSearch::ErrorRating(count), QString::fromUtf8(rating)) << count;

    EXPECT_TRUE(MenuSearch::SamePath("NÉZET \\ LISTA \\ FEKETE PÉTER", "Nézet \\ Lista \\ Fekete Péter"));
    EXPECT_TRUE(MenuSearch::SamePath("formátum \\ BETŰTÍPUS \\ fekete péter", "Formátum \\ Betűtípus \\ Fekete Péter"));
    EXPECT_FALSE(MenuSearch::SamePath("NÉZET \\ Lista \\ Fekete Peter", "Nézet \\ Lista \\ Fekete Péter"));
}

class SummaryMenuTest : public SummaryCourse {
protected:
    TOsszefoglMenuForm* FirstVisit()
    {
        OpenSummaryTopic();
        return Stand<TOsszefoglMenuForm>();
    }

    // The first visit's review and START: the clock runs, the first target is asked.
    TOsszefoglMenuForm* Started()
    {
        TOsszefoglMenuForm* page = FirstVisit();
        if (page) {
            Click(page->Window()->btnTovabb());
            Click(page->Window()->btnStart());
        }
        return page;
    }

    void Choose(TOsszefoglMenuForm* page, const std::vector<int>& rows)
    {
        MenusMoves::ChooseByMouse(*this, *page->Window(), rows);
    }

    QString Instruction(TOsszefoglMenuForm* page) const { return page->Window()->txtInfo()->text(); }

    QString EvaluationText() const
    {
        auto* page = CurrentPageAs<TErtekeles>();
        return page ? page->Text() : QStringLiteral("<no evaluation page>");
    }
};

TEST_F(SummaryMenuTest, ReviewShowsTheLockedWindowWithItsTableInTheWhitePanel)
{
    TOsszefoglMenuForm* page = FirstVisit();
    ASSERT_NE(page, nullptr);
    TOsszefoglMenuFrmForm* window = page->Window();
    EXPECT_EQ(window->Caption(), "Összefoglalás - menük");
    EXPECT_EQ(window->geometry(), QRect(100, 120, 740, 635));
    EXPECT_FALSE(window->SystemCommand(TPracticeWindow::TCommand::Move));
    EXPECT_FALSE(window->SystemCommand(TPracticeWindow::TCommand::Close));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(Instruction(page).startsWith("A gépen használt programok a képernyőn ablakokban jelennek meg."));

    // The whole table within the white panel, every text in its frame on the lines it was given.
    const ReviewTable::TTable& table = window->Table();
    ASSERT_EQ(table.labels.size(), 12u);
    EXPECT_EQ(table.labels[0]->text(), "Az ablak része:");
    EXPECT_EQ(table.labels[3]->text(), "- Ide írják a program nevét. Jelzi az ablak állapotát, segítségével hordozni "
                                       "\n  lehet az ablakot, duplakattintással pedig megváltoztatni a méretét.");
    QWidget* panel = window->pnlTabla();
    EXPECT_EQ(panel->geometry(), QRect(32, 368, 689, 177));
    EXPECT_TRUE(QRect(QPoint(0, 0), panel->size()).contains(table.area)) << table.area.height();
    for (QLabel* label : table.labels) {
        const QFrame* frame = label->x() < table.rightFrame->x() ? table.leftFrame : table.rightFrame;
        EXPECT_TRUE(frame->geometry().contains(label->geometry())) << label->text().toStdString();
        const int lines = static_cast<int>(label->text().count('\n')) + 1;
        EXPECT_LE(label->heightForWidth(label->width()), lines * QFontMetrics(label->font()).lineSpacing() + 2)
            << label->text().toStdString();
    }

    EXPECT_EQ(window->btnTovabb()->geometry(), QRect(328, 552, 75, 25));
    EXPECT_TRUE(window->btnTovabb()->isVisible());
    EXPECT_FALSE(window->btnStart()->isVisible());
    EXPECT_EQ(window->MenuBar(), nullptr);
    EXPECT_FALSE(page->ora()->isVisible());
}

TEST_F(SummaryMenuTest, FirstVisitOffersStartAloneAndCountsChoicesBeforeIt)
{
    TOsszefoglMenuForm* page = FirstVisit();
    ASSERT_NE(page, nullptr);
    TOsszefoglMenuFrmForm* window = page->Window();
    Click(window->btnTovabb());
    EXPECT_FALSE(window->pnlTabla()->isVisible());
    EXPECT_EQ(Instruction(page), "A menük és almenük erdejében találd meg a Fekete Pétert! Előtte mindig figyelmesen "
                                 "olvasd el az elérési útját! A feladat időre megy!");
    EXPECT_EQ(window->btnStart()->geometry(), QRect(328, 522, 75, 25));
    EXPECT_TRUE(window->btnStart()->isVisible());
    EXPECT_FALSE(window->btnTovabb()->isVisible());
    EXPECT_TRUE(page->ora()->isVisible());
    EXPECT_EQ(page->oraDesc()->text(), "Eltelt idő:");

    // No target yet: every item is a wrong one, and the clock stands.
    Choose(page, {2, 2, 2});
    EXPECT_EQ(page->Errors(), 1);
    time.Advance(3000);
    EXPECT_EQ(page->ora()->text(), "00:00");

    Click(window->btnStart());
    EXPECT_FALSE(window->btnStart()->isEnabled());
    EXPECT_FALSE(window->btnTovabb()->isVisible());
    EXPECT_EQ(Instruction(page), "Nézet \\ Lista \\ Fekete Péter");
    EXPECT_TRUE(window->txtInfo()->font().bold());
    time.Advance(1000);
    EXPECT_EQ(page->ora()->text(), "00:01");
}

TEST_F(SummaryMenuTest, WrongLeafCountsOnceAndKeysChooseLikeClicks)
{
    TOsszefoglMenuForm* page = Started();
    ASSERT_NE(page, nullptr);
    Choose(page, {2, 2, 2}); // NÉZET › Lista › Fekete Péter: the captions are upper case, the target is not
    Choose(page, {3, 2, 2}); // BESZÚRÁS › Dátum › Fekete Péter
    ASSERT_EQ(page->Target(), "Fájl \\ Mentés \\ Fekete Péter");
    Choose(page, {0, 2, 1}); // FÁJL › Mentés › Fekete Pál
    EXPECT_EQ(page->Errors(), 1);
    EXPECT_EQ(Instruction(page), "Fájl \\ Mentés \\ Fekete Péter");

    // Alt arms the bar, Down opens FÁJL, down to Mentés, Right opens it, down to Fekete Péter, Enter.
    for (Qt::Key key : {Qt::Key_Alt, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Down,
                        Qt::Key_Down, Qt::Key_Return})
        PressKey(key);
    EXPECT_EQ(page->Target(), "Formátum \\ Szegély \\ Fekete Péter");
    for (Qt::Key key : {Qt::Key_Alt, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return}) // FÁJL › Új › Fehér Péter
        PressKey(key);
    EXPECT_EQ(page->Errors(), 2);
    EXPECT_EQ(page->Target(), "Formátum \\ Szegély \\ Fekete Péter");
}

TEST_F(SummaryMenuTest, RunReachesTheEvaluationAndTheReturnOffersBothButtons)
{
    TOsszefoglMenuForm* page = Started();
    ASSERT_NE(page, nullptr);
    const std::vector<int> targets[] = {{2, 2, 2}, {3, 2, 2}, {0, 2, 2}, {4, 3, 2}, {1, 2, 2},
                                        {5, 2, 2}, {2, 1, 2}, {0, 0, 2}, {4, 1, 2}, {3, 3, 2}};
    for (const std::vector<int>& rows : targets) {
        ASSERT_EQ(CurrentPage(), page);
        time.Advance(2000);
        Choose(page, rows);
    }
    EXPECT_EQ(EvaluationText(), "Feladat: Összefoglalás - menük <BR>Név: Anna<BR>Idő: 00:20<BR>Értékelés: "
                                "Fantasztikusan gyors vagy!<BR>Hibaszám: 0 <BR>Értékelés: Hibátlan!<BR><BR>Ha "
                                "elolvastad, akkor nyomd meg az L billentyűt!");

    PressKey(Qt::Key_L);
    auto* again = On<TOsszefoglMenuForm>();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Window()->btnStart()->geometry(), QRect(263, 522, 75, 25));
    EXPECT_EQ(again->Window()->btnTovabb()->geometry(), QRect(393, 522, 75, 25));
    EXPECT_TRUE(again->Window()->btnStart()->isVisible());
    EXPECT_TRUE(again->Window()->btnTovabb()->isVisible());

    // Played again: slower, one wrong choice.
    Click(again->Window()->btnStart());
    Choose(again, {2, 2, 3}); // Fekete Petra
    for (const std::vector<int>& rows : targets) {
        time.Advance(6100);
        Choose(again, rows);
    }
    EXPECT_TRUE(EvaluationText().contains("<BR>Idő: 01:01<BR>Értékelés: Tartsd lazán az egeret, és próbáld "
                                          "gyorsabban mozgatni!<BR>Hibaszám: 1 <BR>Értékelés: Egy-két hiba "))
        << EvaluationText().toStdString();
}

TEST_F(SummaryMenuTest, CountersNeverComeRound)
{
    TOsszefoglMenuForm* page = Started();
    ASSERT_NE(page, nullptr);
    TMenu* menu = page->Window()->mMenu();
    for (int i = 0; i < 256; ++i)
        menu->Choose(menu->Root().Item(0).Item(0).Item(0));
    // The clock stops at the longest time it can show.
    time.Advance(256 * 60 * 1000);
    EXPECT_EQ(page->ora()->text(), "255:59");
    EXPECT_FALSE(ErrorBoxShown());
    for (int move = 0; move < 10 && CurrentPage() == page; ++move)
        ASSERT_TRUE(SummaryMenuMoves::Helpful(*this));
    EXPECT_TRUE(EvaluationText().contains("Hibaszám: 256 <BR>Értékelés: Bizony, ezt még gyakorolnod kell!"))
        << EvaluationText().toStdString();
}

TEST_F(SummaryMenuTest, LaterVisitLeavesTheTopicByTovabb)
{
    OpenSummaryTopic();
    auto* page = Stand<TOsszefoglMenuForm>("MORETHENONE", "");
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->Window()->pnlTabla()->isVisible());
    EXPECT_NE(page->Window()->MenuBar(), nullptr);
    Click(page->Window()->btnTovabb());
    EXPECT_TRUE(EvaluationText().startsWith("Gratulálok (Congratulations - kongracsulésön)!!!"));
    EXPECT_FALSE(BoardText("MORETHENONE"));
    PressKey(Qt::Key_L);
    EXPECT_NE(CurrentPageAs<TModulValaszt>(), nullptr) << CurrentPageName().toStdString();
}

TEST_F(SummaryMenuTest, HelpfulMovesPlayTheFirstVisitThenLeave)
{
    FirstVisit();
    for (int move = 0; move < 12 && CurrentPageAs<TOsszefoglMenuForm>(); ++move)
        ASSERT_TRUE(SummaryMenuMoves::Helpful(*this));
    EXPECT_TRUE(EvaluationText().contains("<BR>Hibaszám: 0 <BR>")) << EvaluationText().toStdString();
    PressKey(Qt::Key_L);
    ASSERT_TRUE(SummaryMenuMoves::Helpful(*this));
    EXPECT_TRUE(EvaluationText().startsWith("Gratulálok")) << EvaluationText().toStdString();
    EXPECT_FALSE(SummaryMenuMoves::Helpful(*this));
}

TEST_F(SummaryMenuTest, BackAreaHidesTheWindowAtOnceAndTheNextVisitStartsAsTheFirst)
{
    TOsszefoglMenuForm* page = Started();
    ASSERT_NE(page, nullptr);
    Board::PutText(Controller(), "MORETHENONE", ""); // as a finished run leaves it
    // A press beside an open menu only closes it.
    MenusMoves::ClickTitle(*this, *page->Window(), 2);
    Click(page->vissza());
    EXPECT_EQ(TPopupMenu::Current(), nullptr);
    ASSERT_EQ(CurrentPage(), page);
    QPointer<TOsszefoglMenuFrmForm> window = page->Window();
    Click(page->vissza());
    EXPECT_TRUE(!window || !window->isVisible());
    Settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(BoardText("MORETHENONE"));
    time.Advance(5000);
    EXPECT_FALSE(ErrorBoxShown());

    ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("OSSZEFOGL")));
    auto* next = Stand<TOsszefoglMenuForm>();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->MenuStep(), 1);
    EXPECT_TRUE(next->Window()->btnTovabb()->isVisible());
}

} // namespace
