#include "SummaryCourse.h"
#include "SummaryMenuMoves.h"

#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/Menu.h"
#include "framework/MenuBar.h"
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

TEST(SummaryMenuSearch, RatingsChangeAtTheirEdges)
{
    using MenuSearch::ErrorRating;
    using MenuSearch::TimeRating;
    EXPECT_EQ(TimeRating(0), "Fantasztikusan gyors vagy!");
    EXPECT_EQ(TimeRating(20), "Fantasztikusan gyors vagy!");
    EXPECT_EQ(TimeRating(21), "Ez igen, ez már gyorsaság!");
    EXPECT_EQ(TimeRating(30), "Ez igen, ez már gyorsaság!");
    EXPECT_EQ(TimeRating(31), "Klassz!");
    EXPECT_EQ(TimeRating(40), "Klassz!");
    EXPECT_EQ(TimeRating(41), "Látom, jól boldogulsz a menükkel. Próbáld gyorsabban!");
    EXPECT_EQ(TimeRating(60), "Látom, jól boldogulsz a menükkel. Próbáld gyorsabban!");
    EXPECT_EQ(TimeRating(61), "Tartsd lazán az egeret, és próbáld gyorsabban mozgatni!");

    EXPECT_EQ(ErrorRating(0), "Hibátlan!");
    EXPECT_EQ(ErrorRating(1), "Egy-két hiba becsúszott, legközelebb hibátlan lesz!");
    EXPECT_EQ(ErrorRating(2), "Egy-két hiba becsúszott, legközelebb hibátlan lesz!");
    EXPECT_EQ(ErrorRating(3), "Egész jó! Próbálj pontosabban kattintani!");
    EXPECT_EQ(ErrorRating(5), "Egész jó! Próbálj pontosabban kattintani!");
    EXPECT_EQ(ErrorRating(6), "Nemcsak az számít, hogy milyen gyors vagy, hanem a pontosság is!");
    EXPECT_EQ(ErrorRating(9), "Nemcsak az számít, hogy milyen gyors vagy, hanem a pontosság is!");
    EXPECT_EQ(ErrorRating(10), "Bizony, ezt még gyakorolnod kell!");
    // A byte counter would have come round to nought here.
    EXPECT_EQ(ErrorRating(256), "Bizony, ezt még gyakorolnod kell!");
}

TEST(SummaryMenuSearch, PathsMatchWhateverTheLetterCase)
{
    using MenuSearch::SamePath;
    EXPECT_TRUE(SamePath("NÉZET \\ LISTA \\ FEKETE PÉTER", "Nézet \\ Lista \\ Fekete Péter"));
    EXPECT_TRUE(SamePath("SÚGÓ \\ Frissítés \\ Fekete Péter", "Súgó \\ Frissítés \\ Fekete Péter"));
    EXPECT_TRUE(SamePath("FORMÁTUM \\ Betűtípus \\ Fekete Péter", "formátum \\ BETŰTÍPUS \\ fekete péter"));
    EXPECT_FALSE(SamePath("NÉZET \\ Lista \\ Fekete Petra", "Nézet \\ Lista \\ Fekete Péter"));
    EXPECT_FALSE(SamePath("NÉZET \\ Lista \\ Fekete Peter", "Nézet \\ Lista \\ Fekete Péter"));
    EXPECT_FALSE(SamePath("NÉZET \\ Mozaik \\ Fekete Péter", "Nézet \\ Lista \\ Fekete Péter"));
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
        if (!page)
            return nullptr;
        Click(page->Window()->btnTovabb());
        Click(page->Window()->btnStart());
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
    EXPECT_EQ(page->MenuStep(), 1);
    EXPECT_TRUE(page->FirstMenuVisit());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Caption(), "Összefoglalás - menük");
    EXPECT_EQ(window->geometry(), QRect(100, 120, 740, 635));
    EXPECT_TRUE(window->StayOnTop());
    EXPECT_EQ(window->Client()->palette().color(QPalette::Window), QColor(Qt::white));
    for (auto command : {TPracticeWindow::TCommand::Move, TPracticeWindow::TCommand::Maximize,
                         TPracticeWindow::TCommand::Minimize, TPracticeWindow::TCommand::Close})
        EXPECT_FALSE(window->SystemCommand(command));
    EXPECT_FALSE(window->SystemCommand(TPracticeWindow::TCommand::Size, TWindowFrame::THit::Right));
    EXPECT_TRUE(window->isVisible());

    EXPECT_TRUE(Instruction(page).startsWith("A gépen használt programok a képernyőn ablakokban jelennek meg."));
    EXPECT_TRUE(Instruction(page).endsWith("egyes dolgoknak gyorsmenüjük is van."));
    const ReviewTable::TTable& table = window->Table();
    ASSERT_EQ(table.labels.size(), 12u);
    EXPECT_EQ(table.labels[0]->text(), "Az ablak része:");
    EXPECT_EQ(table.labels[1]->text(), "Feladata:");
    EXPECT_EQ(table.labels[2]->text(), "Címsáv");
    EXPECT_EQ(table.labels[3]->text(), "- Ide írják a program nevét. Jelzi az ablak állapotát, segítségével hordozni "
                                       "\n  lehet az ablakot, duplakattintással pedig megváltoztatni a méretét.");
    EXPECT_EQ(table.labels[5]->text(), "- Pálcika: leugrasztja az ablakot a Tálcára.\n- Monitor: teljes vagy normál "
                                       "méretűre változtatja ablakot.\n- X: segítségével bezárható az ablak.");
    EXPECT_EQ(table.labels[10]->text(), "Méretezhető szélek");
    // The whole table within the white panel, every text within its frame and unwrapped.
    QWidget* panel = window->pnlTabla();
    EXPECT_EQ(panel->geometry(), QRect(32, 368, 689, 177));
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(QRect(QPoint(0, 0), panel->size()).contains(table.area)) << table.area.width() << " x " << table.area.height();
    for (QLabel* label : table.labels) {
        EXPECT_EQ(label->parentWidget(), panel);
        const QFrame* frame = label->x() < table.rightFrame->x() ? table.leftFrame : table.rightFrame;
        EXPECT_TRUE(frame->geometry().contains(label->geometry())) << label->text().toStdString();
        const int lines = static_cast<int>(label->text().count('\n')) + 1;
        EXPECT_LE(label->heightForWidth(label->width()), lines * QFontMetrics(label->font()).lineSpacing() + 2)
            << label->text().toStdString();
    }

    EXPECT_TRUE(window->btnTovabb()->isVisible());
    EXPECT_EQ(window->btnTovabb()->geometry(), QRect(328, 552, 75, 25));
    EXPECT_EQ(window->btnTovabb()->text(), "Tovább");
    EXPECT_FALSE(window->btnStart()->isVisible());
    EXPECT_EQ(window->MenuBar(), nullptr);
    EXPECT_FALSE(page->ora()->isVisible());
    EXPECT_FALSE(page->oraDesc()->isVisible());
}

TEST_F(SummaryMenuTest, FirstVisitOffersStartAloneAndTheSearchMenus)
{
    TOsszefoglMenuForm* page = FirstVisit();
    ASSERT_NE(page, nullptr);
    TOsszefoglMenuFrmForm* window = page->Window();
    Click(window->btnTovabb());
    EXPECT_EQ(page->MenuStep(), 2);
    EXPECT_FALSE(window->pnlTabla()->isVisible());
    EXPECT_EQ(Instruction(page), "A menük és almenük erdejében találd meg a Fekete Pétert! Előtte mindig figyelmesen "
                                 "olvasd el az elérési útját! A feladat időre megy!");
    EXPECT_EQ(window->txtInfo()->alignment(), Qt::AlignBottom | Qt::AlignHCenter);
    EXPECT_TRUE(window->btnStart()->isVisible());
    EXPECT_EQ(window->btnStart()->geometry(), QRect(328, 522, 75, 25));
    EXPECT_FALSE(window->btnTovabb()->isVisible());
    EXPECT_TRUE(page->ora()->isVisible());
    EXPECT_EQ(page->ora()->text(), "00:00");
    EXPECT_EQ(page->oraDesc()->text(), "Eltelt idő:");
    EXPECT_EQ(page->ora()->geometry(), QRect(872, 224, 137, 41));

    // The menus: six titles, each item with the same four names below it.
    ASSERT_NE(window->MenuBar(), nullptr);
    const TMenuItem& root = window->mMenu()->Root();
    QStringList titles;
    for (int i = 0; i < root.Count(); ++i)
        titles << root.Item(i).Caption;
    EXPECT_EQ(titles, QStringList({"FÁJL", "SZERKESZTÉS", "NÉZET", "BESZÚRÁS", "FORMÁTUM", "SÚGÓ"}));
    EXPECT_EQ(root.Item(3).Count(), 4);
    EXPECT_EQ(root.Item(3).Item(2).Caption, "Dátum");
    EXPECT_EQ(root.Item(2).Item(0).Caption, "Miniatűr");
    QStringList names;
    for (int i = 0; i < root.Item(5).Item(3).Count(); ++i)
        names << root.Item(5).Item(3).Item(i).Caption;
    EXPECT_EQ(names, QStringList({"Fehér Péter", "Fekete Pál", "Fekete Péter", "Fekete Petra"}));

    // Before START there is no target: every item is a wrong one, and the clock stands.
    Choose(page, {2, 2, 2});
    EXPECT_EQ(page->Errors(), 1);
    EXPECT_EQ(page->MenuStep(), 2);
    time.Advance(3000);
    EXPECT_EQ(page->ora()->text(), "00:00");

    Click(window->btnStart());
    EXPECT_EQ(page->MenuStep(), 3);
    EXPECT_FALSE(window->btnStart()->isEnabled());
    EXPECT_EQ(Instruction(page), "Nézet \\ Lista \\ Fekete Péter");
    EXPECT_TRUE(window->txtInfo()->font().bold());
    // "Tovább" stays hidden: the first visit leaves forward only through a run.
    EXPECT_FALSE(window->btnTovabb()->isVisible());
    time.Advance(1000);
    EXPECT_EQ(page->ora()->text(), "00:01");
    EXPECT_EQ(page->Errors(), 1);
}

TEST_F(SummaryMenuTest, WrongLeafCountsOnceAndKeepsTheTarget)
{
    TOsszefoglMenuForm* page = Started();
    ASSERT_NE(page, nullptr);
    Choose(page, {2, 2, 2}); // NÉZET › Lista › Fekete Péter
    Choose(page, {3, 2, 2}); // BESZÚRÁS › Dátum › Fekete Péter
    ASSERT_EQ(page->Target(), "Fájl \\ Mentés \\ Fekete Péter");
    EXPECT_EQ(page->Errors(), 0);

    Choose(page, {0, 2, 1}); // FÁJL › Mentés › Fekete Pál
    EXPECT_EQ(page->Errors(), 1);
    EXPECT_EQ(page->Target(), "Fájl \\ Mentés \\ Fekete Péter");
    Choose(page, {0, 3, 2}); // FÁJL › Mentés másként › Fekete Péter
    EXPECT_EQ(page->Errors(), 2);
    EXPECT_EQ(Instruction(page), "Fájl \\ Mentés \\ Fekete Péter");

    // Chosen with the keys: Alt arms the bar, Down opens FÁJL, down to Mentés, Right opens it,
    // down to Fekete Péter, Enter.
    PressKey(Qt::Key_Alt);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Right);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(page->Errors(), 2);
    EXPECT_EQ(page->Target(), "Formátum \\ Szegély \\ Fekete Péter");
    // A wrong one with the keys counts as a click does.
    PressKey(Qt::Key_Alt);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Right);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(page->Errors(), 3);
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
    EXPECT_EQ(BoardText("MORETHENONE"), QString());

    PressKey(Qt::Key_L);
    auto* again = On<TOsszefoglMenuForm>();
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->FirstMenuVisit());
    EXPECT_EQ(again->MenuStep(), 2);
    EXPECT_EQ(again->ora()->text(), "00:00");
    EXPECT_EQ(again->Window()->btnStart()->geometry(), QRect(263, 522, 75, 25));
    EXPECT_EQ(again->Window()->btnTovabb()->geometry(), QRect(393, 522, 75, 25));
    EXPECT_TRUE(again->Window()->btnStart()->isVisible());
    EXPECT_TRUE(again->Window()->btnTovabb()->isVisible());

    // A second run, slow and with wrong choices of every kind.
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

TEST_F(SummaryMenuTest, ManyWrongChoicesNeverCountRoundToFaultless)
{
    TOsszefoglMenuForm* page = Started();
    ASSERT_NE(page, nullptr);
    TMenu* menu = page->Window()->mMenu();
    TMenuItem& wrong = menu->Root().Item(0).Item(0).Item(0);
    for (int i = 0; i < 256; ++i)
        menu->Choose(wrong);
    EXPECT_EQ(page->Errors(), 256);
    while (CurrentPage() == page)
        ASSERT_TRUE(SummaryMenuMoves::Helpful(*this));
    EXPECT_TRUE(EvaluationText().contains("Hibaszám: 256 <BR>Értékelés: Bizony, ezt még gyakorolnod kell!"))
        << EvaluationText().toStdString();
}

TEST_F(SummaryMenuTest, ClockStopsAtTheLongestTimeItCanShow)
{
    TOsszefoglMenuForm* page = Started();
    ASSERT_NE(page, nullptr);
    time.Advance(61'000);
    EXPECT_EQ(page->ora()->text(), "01:01");
    time.Advance((256 * 60) * 1000);
    EXPECT_EQ(page->ora()->text(), "255:59");
    EXPECT_FALSE(ErrorBoxShown());
}

TEST_F(SummaryMenuTest, LaterVisitLeavesTheTopicByTovabb)
{
    OpenSummaryTopic();
    auto* page = Stand<TOsszefoglMenuForm>("MORETHENONE", "");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->MenuStep(), 2);
    EXPECT_NE(page->Window()->MenuBar(), nullptr);
    EXPECT_FALSE(page->Window()->pnlTabla()->isVisible());
    Click(page->Window()->btnTovabb());
    auto* evaluation = CurrentPageAs<TErtekeles>();
    ASSERT_NE(evaluation, nullptr) << CurrentPageName().toStdString();
    EXPECT_TRUE(evaluation->Text().startsWith("Gratulálok (Congratulations - kongracsulésön)!!!"));
    EXPECT_FALSE(BoardText("MORETHENONE"));
    EXPECT_FALSE(BoardText("ACTION"));
    PressKey(Qt::Key_L);
    EXPECT_NE(CurrentPageAs<TModulValaszt>(), nullptr) << CurrentPageName().toStdString();
}

TEST_F(SummaryMenuTest, HelpfulMovesPlayTheFirstVisitThenLeave)
{
    OpenSummaryTopic();
    Stand<TOsszefoglMenuForm>();
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
    ASSERT_NE(TPopupMenu::Current(), nullptr);
    Click(page->vissza());
    EXPECT_EQ(TPopupMenu::Current(), nullptr);
    ASSERT_EQ(CurrentPage(), page);
    QPointer<TOsszefoglMenuFrmForm> window = page->Window();
    Click(page->vissza());
    EXPECT_TRUE(!window || !window->isVisible());
    Settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_NE(CurrentPageAs<TModulValaszt>(), nullptr) << CurrentPageName().toStdString();
    EXPECT_FALSE(BoardText("MORETHENONE"));
    time.Advance(5000);
    EXPECT_FALSE(ErrorBoxShown());

    ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("OSSZEFOGL")));
    auto* next = Stand<TOsszefoglMenuForm>();
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(next->FirstMenuVisit());
    EXPECT_EQ(next->MenuStep(), 1);
}

} // namespace
