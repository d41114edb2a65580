#include "SummaryCourse.h"
#include "SummaryPanelMoves.h"

#include "framework/CheckBox.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "framework/WindowGroup.h"
#include "topics/summary/OsszefoglMenuForm.h"
#include "topics/summary/OsszefoglPanel2Form.h"
#include "topics/summary/OsszefoglPanelFrmForm.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>

namespace {

using TWindow = TOsszefoglPanelFrmForm;
enum { Odon = 1, Nora, Tivadar, Lemezke, Tarolka, Nyilacska };

class SummaryDetectiveTest : public SummaryCourse {
protected:
    // The exercise with its first steps done right, up to the given one.
    TOsszefoglPanel2Form* Detective(int step)
    {
        OpenSummaryTopic();
        auto* page = Stand<TOsszefoglPanel2Form>();
        if (!page || !page->Window())
            return nullptr;
        while (page->Step() < step && !HasFailure()) {
            const int before = page->Step();
            SummaryPanelMoves::DetectiveStep(*this, *page);
            Settle();
            EXPECT_EQ(page->Step(), before + 1);
        }
        dialogs.Clear();
        return page;
    }

    void OpenTab(TWindow& window, int number)
    {
        QTabBar* bar = window.nyomozas()->tabBar();
        Click(bar, bar->tabRect(number - 1).center());
    }

    // The answers the dialogs gave, each as "icon: text".
    QStringList DialogTexts() const
    {
        QStringList texts;
        for (const TDialogRequest& dialog : dialogs.Shown())
            texts << (dialog.icon == TDialogIcon::Question ? "?: " : "i: ") + dialog.text;
        return texts;
    }

    static QString Said(const QLabel* label)
    {
        if (label->textFormat() != Qt::RichText)
            return label->text();
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText();
    }

    static std::vector<int> ShownTabs(const TWindow& window)
    {
        std::vector<int> shown;
        for (int number = 1; number <= 6; ++number)
            if (window.TabShown(number))
                shown.push_back(number);
        return shown;
    }

    // Every statement fits in its tab and above what lies over the tab's lower part.
    static void ExpectStatementsFit(const TWindow& window)
    {
        for (int number = 1; number <= 6; ++number) {
            const QLabel* statement = window.Statement(number);
            SCOPED_TRACE(Said(statement).toStdString());
            const QRect text = statement->geometry().adjusted(
                0, 0, 0, statement->heightForWidth(statement->width()) - statement->height());
            EXPECT_TRUE(window.Tab(number)->rect().contains(text));
            EXPECT_FALSE(text.intersects(window.Picture(number)->geometry()));
            const QPoint onClient = window.Tab(number)->mapTo(window.Client(), QPoint(0, 0));
            for (const QFrame* below : {window.pnlBtn(), window.pnlChkBox()}) {
                EXPECT_FALSE(below->isVisible() && text.translated(onClient).intersects(below->geometry()));
            }
            if (number == Odon && window.btnOdonYes()->isVisible()) {
                EXPECT_FALSE(text.intersects(window.btnOdonYes()->geometry()));
            }
        }
    }
};

TEST_F(SummaryDetectiveTest, TheDialogStandsLockedOverThePageWithEveryonesStatement)
{
    TOsszefoglPanel2Form* page = Detective(1);
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
    TWindow& window = *page->Window();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Caption(), "Nyomozás");
    EXPECT_EQ(window.geometry().topLeft(), QPoint(200, 100));
    EXPECT_EQ(window.Client()->size(), QSize(597, 471));
    EXPECT_TRUE(window.StayOnTop());
    EXPECT_EQ(TWindowGroup::Of(page).Active(), &window);
    for (auto command : {TPracticeWindow::TCommand::Move, TPracticeWindow::TCommand::Minimize,
                         TPracticeWindow::TCommand::Maximize, TPracticeWindow::TCommand::Close})
        EXPECT_FALSE(window.SystemCommand(command));
    PressKey(Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry().topLeft(), QPoint(200, 100));

    QStringList captions;
    for (int tab = 0; tab < window.nyomozas()->count(); ++tab)
        captions << window.nyomozas()->tabText(tab);
    EXPECT_EQ(captions, QStringList({"Kábel Ödön", "Digit Nóra", "Pixeles Tivadar", "Lemezke", "Tárolka",
                                     "Nyilacska"}));
    EXPECT_EQ(Said(window.Statement(Odon)),
              "Ma mindenkinek makarónit szerettem volna készíteni. Délelőtt megvásároltam a hozzávalókat, kilenc "
              "és tíz óra között dolgozatokat javítottam, aztán benéztem a hűtőbe. Valaki megette a sajtot és a "
              "húst! Fuccs a makaróninak! \nVajon ki a tettes? Olvasd el, hogy ki mit mond!");
    EXPECT_EQ(window.Statement(Nora)->text(), "Nyolctól tízig a nagymamámnak segítettünk takarítani a barátnőmmel.");
    EXPECT_EQ(window.Statement(Tivadar)->text(), "Kilenctől tizenegyig fociedzésen voltam.");
    EXPECT_EQ(window.Statement(Lemezke)->text(), "Kilenctől tízig kutyaiskolában voltam.");
    EXPECT_EQ(window.Statement(Tarolka)->text(), "Tízig aludtam. Lemezke keltett fel, amikor megjött.");
    EXPECT_EQ(window.Statement(Nyilacska)->text(),
              "Kilenctől tízig néztem a kedvenc sorozatomat. Űregér a címe, a 12. részt láttam");
    for (int number = 1; number <= 6; ++number) {
        EXPECT_EQ(window.Picture(number)->geometry(), QRect(200, 24, 174, 124));
        EXPECT_TRUE(window.Tab(number)->rect().contains(window.Picture(number)->geometry()));
        EXPECT_FALSE(window.Picture(number)->Picture().Empty()) << number;
        EXPECT_EQ(window.Statement(number)->geometry().topLeft(), QPoint(72, 176));
        EXPECT_EQ(window.Statement(number)->width(), 433);
    }
    ExpectStatementsFit(window);

    // The strip under the tabs, all disabled; the answer panels and Ödön's "YES" hidden.
    const QRect tabs = window.nyomozas()->geometry();
    QRect strip;
    for (const auto& [button, caption] : {std::pair{window.OKBtn(), "OK"}, {window.ApplyBtn(), "ALKALMAZ"},
                                          {window.CancelBtn(), "MÉGSEM"}}) {
        EXPECT_EQ(button->Caption(), caption);
        EXPECT_FALSE(button->isEnabled()) << caption;
        EXPECT_GT(button->geometry().top(), tabs.bottom()) << caption;
        EXPECT_TRUE(window.Client()->rect().contains(button->geometry())) << caption;
        EXPECT_FALSE(strip.intersects(button->geometry())) << caption;
        strip |= button->geometry();
    }
    EXPECT_FALSE(window.pnlBtn()->isVisible());
    EXPECT_FALSE(window.pnlChkBox()->isVisible());
    EXPECT_FALSE(window.btnOdonYes()->isVisible());
    EXPECT_EQ(window.btnOdonYes()->Caption(), "YES");
    EXPECT_EQ(window.btnOdonYes()->geometry().topLeft(), QPoint(248, 352));
    EXPECT_TRUE(window.Tab(Odon)->rect().contains(window.btnOdonYes()->geometry()));
    EXPECT_EQ(window.pnlBtn()->geometry().topLeft(), QPoint(200, 320));
    EXPECT_EQ(window.btnIgaz()->Caption(), "IGAZ");
    EXPECT_EQ(window.btnHamis()->Caption(), "HAMIS");
    EXPECT_FALSE(window.btnIgaz()->geometry().intersects(window.btnHamis()->geometry()));
    for (const TPushButton* button : {window.btnIgaz(), window.btnHamis()})
        EXPECT_TRUE(window.pnlBtn()->rect().contains(button->geometry()));
    EXPECT_EQ(window.pnlChkBox()->geometry(), QRect(64, 280, 465, 129));
    QStringList checks;
    std::vector<QRect> placed;
    for (int number = 1; number <= 6; ++number) {
        const TCheckBox* box = window.Check(number);
        checks << box->text();
        EXPECT_FALSE(box->isChecked());
        EXPECT_TRUE(window.pnlChkBox()->rect().contains(box->geometry())) << number;
        EXPECT_LE(box->sizeHint().width(), box->width()) << number;
        for (const QRect& other : placed)
            EXPECT_FALSE(other.intersects(box->geometry())) << number;
        placed.push_back(box->geometry());
    }
    EXPECT_EQ(checks, QStringList({"Kábel Ödön", "Digit Nóra", "Pixeles Tivadar", "Lemezke", "Tárolka", "Nyilacska"}));
    EXPECT_EQ(window.Check(Lemezke)->objectName(), "chkLemez");
    Snapshot(QStringLiteral("OsszefoglPanel2Form_1"));
}

TEST_F(SummaryDetectiveTest, AlkalmazOpensOnlyOnceEveryOtherTabWasRead)
{
    TOsszefoglPanel2Form* page = Detective(1);
    ASSERT_NE(page, nullptr);
    TWindow& window = *page->Window();
    for (int tab = Nora; tab <= Tarolka; ++tab)
        OpenTab(window, tab);
    OpenTab(window, Odon);
    EXPECT_FALSE(window.ApplyBtn()->isEnabled());
    Click(window.ApplyBtn());
    EXPECT_EQ(page->Step(), 1);
    EXPECT_FALSE(window.pnlBtn()->isVisible());

    // Nyilacska's tab by the keys: Ctrl+Shift+Tab turns back from Ödön's to the last.
    ASSERT_EQ(page->focusWidget(), window.nyomozas()->tabBar()) << page->focusWidget()->metaObject()->className();
    PressKey(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.CurrentTab(), Nyilacska);
    EXPECT_FALSE(window.pnlBtn()->isVisible());
    ASSERT_TRUE(window.ApplyBtn()->isEnabled());
    Click(window.ApplyBtn());

    EXPECT_EQ(page->Step(), 2);
    EXPECT_EQ(ShownTabs(window), std::vector<int>{Odon});
    EXPECT_EQ(window.CurrentTab(), Odon);
    EXPECT_EQ(Said(window.Statement(Odon)), "Nézd meg, hogy ki mikor látta a másikat! Ha valaki nem mond igazat, "
                                            "akkor kattints a HAMIS feliratú gombra!");
    EXPECT_TRUE(window.btnOdonYes()->isVisible());
    EXPECT_FALSE(window.ApplyBtn()->isEnabled());
    EXPECT_FALSE(window.OKBtn()->isEnabled());
    ExpectStatementsFit(window);
}

TEST_F(SummaryDetectiveTest, HiddenTabsAreOutOfReachOfTheKeysAndTheMouse)
{
    TOsszefoglPanel2Form* page = Detective(1);
    ASSERT_NE(page, nullptr);
    TWindow& window = *page->Window();
    QTabBar* bar = window.nyomozas()->tabBar();
    const QPoint noraCaption = bar->tabRect(Nora - 1).center();
    SummaryPanelMoves::DetectiveStep(*this, *page);
    ASSERT_EQ(page->Step(), 2);

    OpenTab(window, Odon);
    ASSERT_EQ(page->focusWidget(), bar) << page->focusWidget()->metaObject()->className();
    PressKey(Qt::Key_Right);
    PressKey(Qt::Key_Left);
    PressKey(Qt::Key_Tab, Qt::ControlModifier);
    PressKey(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    Click(bar, noraCaption);
    EXPECT_EQ(window.CurrentTab(), Odon);
    EXPECT_FALSE(window.pnlBtn()->isVisible());

    // Questioned again, everyone is in reach once more, and the answer buttons come with them.
    Click(window.btnOdonYes());
    ASSERT_EQ(page->Step(), 3);
    EXPECT_EQ(ShownTabs(window), std::vector<int>({Odon, Nora, Tivadar, Lemezke, Tarolka, Nyilacska}));
    EXPECT_FALSE(window.btnOdonYes()->isVisible());
    OpenTab(window, Odon);
    PressKey(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(window.CurrentTab(), Nora);
    EXPECT_TRUE(window.pnlBtn()->isVisible());
    PressKey(Qt::Key_Right);
    EXPECT_EQ(window.CurrentTab(), Tivadar);
}

TEST_F(SummaryDetectiveTest, FirstRoundOnlyNyilacskaLiesAndWrongAnswersAreExplained)
{
    TOsszefoglPanel2Form* page = Detective(3);
    ASSERT_NE(page, nullptr);
    TWindow& window = *page->Window();
    EXPECT_EQ(window.Statement(Nora)->text(), "Tíz óra után Tivadar kivételével már mindenki itthon volt.");
    EXPECT_EQ(window.Statement(Tivadar)->text(), "Mire én hazaértem, már mindenki itthon volt.");
    EXPECT_EQ(window.Statement(Lemezke)->text(),
              "10-kor felébresztettem Tárolkát. Nyilacska a TV szobában volt. Nóra is hazaért. Tivadar nem.");
    EXPECT_EQ(window.Statement(Tarolka)->text(),
              "10-kor Lemezke ébresztett. Nyilacska a TV szobában volt. Nóra is hazaért. Tivadar nem.");
    EXPECT_EQ(window.Statement(Nyilacska)->text(),
              "Mondtam már, hogy TV-t néztem. A Bőregér című sorozat 16. részét. Fél tíz körül rászóltam "
              "Tárolkára, mert hangosan énekelt mosakodás közben. 10 után hazaért Nóra, és később Tivadar is.");
    ExpectStatementsFit(window);

    OpenTab(window, Nora);
    EXPECT_TRUE(window.pnlBtn()->isVisible());
    Snapshot(QStringLiteral("OsszefoglPanel2Form_3"));
    Click(window.btnHamis());
    EXPECT_EQ(DialogTexts(), QStringList{"i: Ez a szereplő nem füllentett!"});
    OpenTab(window, Odon);
    EXPECT_FALSE(window.pnlBtn()->isVisible());
    Click(window.btnHamis()); // hidden with Ödön's tab: no answer
    EXPECT_EQ(page->Answered(), std::set<int>{Nora});

    dialogs.Clear();
    OpenTab(window, Nyilacska);
    dialogs.AnswerNext(TDialogResult::Yes);
    Click(window.btnIgaz());
    EXPECT_EQ(DialogTexts(), QStringList({"?: Biztos vagy benne, hogy igazat mondott?", "i: Sajnos nem figyeltél eléggé!"}));
    EXPECT_EQ(dialogs.Shown().front().buttons, TDialogButtons::YesNo);

    dialogs.Clear();
    for (int tab : {Tivadar, Lemezke, Tarolka}) {
        EXPECT_EQ(page->Step(), 3);
        OpenTab(window, tab);
        Click(window.btnIgaz());
    }
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(page->Step(), 4);
    EXPECT_EQ(ShownTabs(window), std::vector<int>{Odon});
    EXPECT_FALSE(window.pnlBtn()->isVisible());
    EXPECT_TRUE(window.btnOdonYes()->isVisible());
    EXPECT_EQ(window.Statement(Odon)->text(),
              "Aha, szóval a rosszcsont egérke füllentett. Azt is mondta, hogy Tárolka éneke zavarta. Szerinte "
              "Tárolka fél tízkor már mosakodott, Tárolka viszont azt állítja, hogy aludt. Erről is kérdezz meg "
              "mindenkit.");
    ExpectStatementsFit(window);
}

TEST_F(SummaryDetectiveTest, SecondRoundTarolkaLiesTooThenTheSuspectsAreNamed)
{
    TOsszefoglPanel2Form* page = Detective(5);
    ASSERT_NE(page, nullptr);
    TWindow& window = *page->Window();
    EXPECT_FALSE(window.btnOdonYes()->isVisible());
    EXPECT_EQ(window.Statement(Nora)->text(), "Tárolkát Lemezke ébresztette 10-kor. Észrevettem, hogy a "
                                              "fördőszobatükör párás volt. Onnan tudom, hogy fésülködni akartam.");
    EXPECT_EQ(window.Statement(Tivadar)->text(), "Nekem Tárolka azt mondta, hogy tízig aludt.");
    EXPECT_EQ(window.Statement(Lemezke)->text(), "10-kor ébresztettem Tárolkát. Előtte kezet mostam. Tárolka "
                                                 "törölközője vizes volt, mert véletlenül abba töröltem a kezem.");
    EXPECT_EQ(window.Statement(Tarolka)->text(),
              "10-ig aludtam. Lemezke ébresztett fel. Azt sem hallottam, amikor Nyilacska a sajtot ette.");
    EXPECT_EQ(window.Statement(Nyilacska)->text(),
              "Bevallom, hogy én ettem meg a sajtot, de a húsról nem tudok semmit.");
    ExpectStatementsFit(window);

    OpenTab(window, Tarolka);
    dialogs.AnswerNext(TDialogResult::No);
    Click(window.btnIgaz());
    EXPECT_EQ(DialogTexts(), QStringList{"?: Biztos vagy benne, hogy igazat mondott?"});
    OpenTab(window, Lemezke);
    Click(window.btnHamis());
    OpenTab(window, Nyilacska);
    Click(window.btnHamis());
    OpenTab(window, Nora);
    Click(window.btnIgaz());
    EXPECT_EQ(DialogTexts(), QStringList({"?: Biztos vagy benne, hogy igazat mondott?", "i: Ez a szereplő nem füllentett!"}));
    EXPECT_EQ(page->Step(), 5);
    OpenTab(window, Tivadar);
    Click(window.btnHamis());

    EXPECT_EQ(page->Step(), 6);
    EXPECT_EQ(ShownTabs(window), std::vector<int>{Odon});
    EXPECT_FALSE(window.pnlBtn()->isVisible());
    EXPECT_TRUE(window.pnlChkBox()->isVisible());
    EXPECT_TRUE(window.ApplyBtn()->isEnabled());
    EXPECT_EQ(window.Statement(Odon)->text(), "Jelöld be a torkos tetteseket, aztán klikkelj az ALKALMAZ gombra!");
    EXPECT_EQ(window.Statement(Odon)->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    ExpectStatementsFit(window);
    Snapshot(QStringLiteral("OsszefoglPanel2Form_6"));
}

TEST_F(SummaryDetectiveTest, NamingExactlyTarolkaAndNyilacskaSolvesTheCaseAndOkGoesOn)
{
    TOsszefoglPanel2Form* page = Detective(6);
    ASSERT_NE(page, nullptr);
    TWindow& window = *page->Window();
    Click(window.Check(Tarolka));
    Click(window.ApplyBtn()); // Nyilacska missing: asked, and No keeps the exercise
    EXPECT_EQ(DialogTexts(), QStringList{"?: Biztos vagy benne, hogy Nyilacska és Tárolka igazat mondott?"});
    EXPECT_EQ(page->Step(), 6);
    dialogs.Clear();
    Click(window.Check(Nyilacska));
    Click(window.ApplyBtn());
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(page->Step(), 7);
    EXPECT_EQ(window.Statement(Odon)->text(), "Ügyes nyomozó vagy, gratulálok! Kattints az OK gombra!");
    EXPECT_FALSE(window.ApplyBtn()->isEnabled());
    EXPECT_TRUE(window.OKBtn()->isEnabled());
    EXPECT_FALSE(window.CancelBtn()->isEnabled());
    Snapshot(QStringLiteral("OsszefoglPanel2Form_7"));
    Click(window.OKBtn());
    Settle();
    EXPECT_NE(On<TOsszefoglMenuForm>(), nullptr);
}

TEST_F(SummaryDetectiveTest, AWrongVerdictIsAskedAgainAndOnYesExplainedAndLeftBehind)
{
    TOsszefoglPanel2Form* page = Detective(6);
    ASSERT_NE(page, nullptr);
    QPointer<TWindow> window = page->Window();
    for (int tab : {Odon, Tarolka, Nyilacska})
        Click(window->Check(tab));
    dialogs.AnswerNext(TDialogResult::No);
    Click(window->ApplyBtn());
    EXPECT_EQ(DialogTexts(),
              QStringList{"?: Biztos vagy benne, hogy Nyilacskán és Tárolkán kívül mások sem mondotak igazat?"});
    EXPECT_EQ(dialogs.Shown().front().buttons, TDialogButtons::YesNo);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(CurrentPageName(), "OsszefoglPanel2Form");

    dialogs.Clear();
    for (int tab : {Odon, Tarolka, Nyilacska, Lemezke})
        Click(window->Check(tab));
    std::vector<bool> windowShown;
    dialogs.OnShow = [&](const TDialogRequest&) { windowShown.push_back(window && window->isVisible()); };
    dialogs.AnswerNext(TDialogResult::Yes);
    Click(window->ApplyBtn());
    dialogs.OnShow = nullptr;
    EXPECT_EQ(DialogTexts(), QStringList({"?: Biztos vagy benne, hogy Nyilacska és Tárolka igazat mondott?",
                                          "i: Nem figyeltél eléggé! Nyilacska és Tárolka füllentettek. Ők ették meg "
                                          "a sajtot és a húst."}));
    EXPECT_EQ(windowShown, std::vector<bool>({true, false}));
    Settle();
    EXPECT_NE(On<TOsszefoglMenuForm>(), nullptr);
    EXPECT_TRUE(!window || !window->isVisible());
}

TEST_F(SummaryDetectiveTest, TheBackAreaTakesTheDialogAwayAtOnce)
{
    TOsszefoglPanel2Form* page = Detective(3);
    ASSERT_NE(page, nullptr);
    QPointer<TWindow> window = page->Window();
    Click(page->vissza());
    EXPECT_TRUE(!window || !window->isVisible());
    Settle();
    EXPECT_EQ(CurrentPageName(), "ModulValaszt");
    EXPECT_TRUE(window.isNull());
}

TEST_F(SummaryDetectiveTest, EveryVisitStartsTheCaseAfresh)
{
    TOsszefoglPanel2Form* page = Detective(6);
    ASSERT_NE(page, nullptr);
    QPointer<TWindow> first = page->Window();
    page->ShowPage();
    Settle();
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(page->Window(), nullptr);
    EXPECT_EQ(page->Step(), 1);
    EXPECT_TRUE(page->Answered().empty());
    EXPECT_EQ(ShownTabs(*page->Window()).size(), 6u);
    EXPECT_FALSE(page->Window()->pnlChkBox()->isVisible());
}

} // namespace
