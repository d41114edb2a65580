#include "SummaryCourse.h"
#include "SummaryPanelMoves.h"

#include "framework/CheckBox.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "framework/WindowGroup.h"
#include "topics/summary/OsszefoglMenuForm.h"
#include "topics/summary/OsszefoglPanel2Form.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QWheelEvent>

namespace {

using TWindow = TOsszefoglPanelFrmForm;
enum { Odon = 1, Nora, Tivadar, Lemezke, Tarolka, Nyilacska };

class SummaryDetectiveTest : public SummaryCourse {
protected:
    // The exercise with its steps before the given one done right.
    TOsszefoglPanel2Form* Detective(int step)
    {
        OpenSummaryTopic();
        auto* page = Stand<TOsszefoglPanel2Form>();
        if (!page || !page->Window())
            return nullptr;
        while (page->Step() < step && !HasFailure()) {
            const int before = page->Step();
            SummaryPanelMoves::DetectiveStep(*this, *page);
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

    // The boxes shown, each as "?: question" or "i: information".
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

    static QStringList Statements(const TWindow& window, int from)
    {
        QStringList texts;
        for (int number = from; number <= Nyilacska; ++number)
            texts << Said(window.Statement(number));
        return texts;
    }

    static std::vector<int> ShownTabs(const TWindow& window)
    {
        std::vector<int> shown;
        for (int number = Odon; number <= Nyilacska; ++number)
            if (window.TabShown(number))
                shown.push_back(number);
        return shown;
    }

    // Every statement's lines lie in its tab, clear of the picture and of what is shown over the tab.
    static void ExpectStatementsFit(const TWindow& window)
    {
        for (int number = Odon; number <= Nyilacska; ++number) {
            const QLabel* label = window.Statement(number);
            SCOPED_TRACE(Said(label).toStdString());
            const QRect text(label->pos(), QSize(label->width(), label->heightForWidth(label->width())));
            EXPECT_TRUE(window.Tab(number)->rect().contains(text));
            EXPECT_FALSE(text.intersects(window.Picture(number)->geometry()));
            const QRect onClient = text.translated(window.Tab(number)->mapTo(window.Client(), QPoint(0, 0)));
            for (const QFrame* over : {window.pnlBtn(), window.pnlChkBox()})
                EXPECT_FALSE(over->isVisible() && onClient.intersects(over->geometry()));
            EXPECT_FALSE(number == Odon && window.btnOdonYes()->isVisible()
                         && text.intersects(window.btnOdonYes()->geometry()));
        }
    }
};

TEST_F(SummaryDetectiveTest, TheLockedDialogShowsEveryonesStatementAndItsControlsApart)
{
    TOsszefoglPanel2Form* page = Detective(1);
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
    TWindow& window = *page->Window();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Caption(), "Nyomozás");
    EXPECT_EQ(window.geometry().topLeft(), QPoint(200, 100));
    EXPECT_EQ(window.Client()->size(), QSize(597, 471));
    EXPECT_EQ(TWindowGroup::Of(page).Active(), &window);
    for (auto command : {TPracticeWindow::TCommand::Move, TPracticeWindow::TCommand::Minimize,
                         TPracticeWindow::TCommand::Maximize, TPracticeWindow::TCommand::Close})
        EXPECT_FALSE(window.SystemCommand(command));
    PressKey(Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(window.isVisible());

    QStringList captions;
    for (int tab = 0; tab < window.nyomozas()->count(); ++tab)
        captions << window.nyomozas()->tabText(tab);
    EXPECT_EQ(captions,
              QStringList({"Kábel Ödön", "Digit Nóra", "Pixeles Tivadar", "Lemezke", "Tárolka", "Nyilacska"}));
    EXPECT_EQ(Statements(window, Odon),
              QStringList({"Ma mindenkinek makarónit szerettem volna készíteni. Délelőtt megvásároltam a "
                           "hozzávalókat, kilenc és tíz óra között dolgozatokat javítottam, aztán benéztem a hűtőbe. "
                           "Valaki megette a sajtot és a húst! Fuccs a makaróninak! \n"
                           "Vajon ki a tettes? Olvasd el, hogy ki mit mond!",
                           "Nyolctól tízig a nagymamámnak segítettünk takarítani a barátnőmmel.",
                           "Kilenctől tizenegyig fociedzésen voltam.", "Kilenctől tízig kutyaiskolában voltam.",
                           "Tízig aludtam. Lemezke keltett fel, amikor megjött.",
                           "Kilenctől tízig néztem a kedvenc sorozatomat. Űregér a címe, a 12. részt láttam"}));
    for (int number = Odon; number <= Nyilacska; ++number) {
        EXPECT_TRUE(window.Tab(number)->rect().contains(window.Picture(number)->geometry())) << number;
        EXPECT_FALSE(window.Picture(number)->Picture().Empty()) << number;
    }
    ExpectStatementsFit(window);
    EXPECT_FALSE(window.pnlBtn()->isVisible());
    EXPECT_FALSE(window.pnlChkBox()->isVisible());
    EXPECT_FALSE(window.btnOdonYes()->isVisible());

    // The strip below the tabs, all disabled; each panel's controls side by side inside it.
    const std::vector<const QWidget*> strip{window.OKBtn(), window.ApplyBtn(), window.CancelBtn()};
    std::vector<const QWidget*> checks;
    QStringList texts;
    for (int number = Odon; number <= Nyilacska; ++number) {
        checks.push_back(window.Check(number));
        texts << window.Check(number)->text();
        EXPECT_LE(window.Check(number)->sizeHint().width(), window.Check(number)->width()) << number;
    }
    EXPECT_EQ(texts, captions);
    for (const auto& [controls, area] : {std::pair{strip, window.Client()->rect()},
                                         {std::vector<const QWidget*>{window.btnIgaz(), window.btnHamis()},
                                          window.pnlBtn()->rect()},
                                         {checks, window.pnlChkBox()->rect()}}) {
        for (std::size_t i = 0; i < controls.size(); ++i) {
            EXPECT_TRUE(area.contains(controls[i]->geometry())) << i;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry())) << i << " " << j;
        }
    }
    for (const QWidget* button : strip) {
        EXPECT_FALSE(button->isEnabled());
        EXPECT_GT(button->geometry().top(), window.nyomozas()->geometry().bottom());
    }
    EXPECT_EQ((QStringList{window.OKBtn()->Caption(), window.ApplyBtn()->Caption(), window.CancelBtn()->Caption(),
                           window.btnIgaz()->Caption(), window.btnHamis()->Caption(), window.btnOdonYes()->Caption()}),
              QStringList({"OK", "ALKALMAZ", "MÉGSEM", "IGAZ", "HAMIS", "YES"}));
    Snapshot(QStringLiteral("OsszefoglPanel2Form_1"));
}

TEST_F(SummaryDetectiveTest, AlkalmazOpensOnceEveryTabWasReadThenHiddenTabsAreOutOfReach)
{
    TOsszefoglPanel2Form* page = Detective(1);
    ASSERT_NE(page, nullptr);
    TWindow& window = *page->Window();
    QTabBar* bar = window.nyomozas()->tabBar();
    const QPoint noraCaption = bar->tabRect(Nora - 1).center();
    for (int tab : {Nora, Tivadar, Lemezke, Tarolka, Odon})
        OpenTab(window, tab);
    EXPECT_FALSE(window.ApplyBtn()->isEnabled());
    Click(window.ApplyBtn());
    EXPECT_EQ(page->Step(), 1);
    // Nyilacska's tab by the keys: Ctrl+Shift+Tab turns back from Ödön's to the last.
    ASSERT_EQ(page->focusWidget(), bar);
    PressKey(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.CurrentTab(), Nyilacska);
    EXPECT_FALSE(window.pnlBtn()->isVisible());
    ASSERT_TRUE(window.ApplyBtn()->isEnabled());
    Click(window.ApplyBtn());

    EXPECT_EQ(page->Step(), 2);
    EXPECT_EQ(ShownTabs(window), std::vector<int>{Odon});
    EXPECT_EQ(Said(window.Statement(Odon)), "Nézd meg, hogy ki mikor látta a másikat! Ha valaki nem mond igazat, "
                                            "akkor kattints a HAMIS feliratú gombra!");
    EXPECT_TRUE(window.btnOdonYes()->isVisible());
    EXPECT_FALSE(window.ApplyBtn()->isEnabled());
    ExpectStatementsFit(window);
    OpenTab(window, Odon);
    // Each on its own: a pair that undoes the other would hide a key that opens a hidden tab.
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Right, Qt::KeyboardModifiers()}, {Qt::Key_Left, {}},
                                         {Qt::Key_End, {}}, {Qt::Key_Tab, Qt::ControlModifier},
                                         {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}}) {
        PressKey(key, modifiers);
        EXPECT_EQ(window.CurrentTab(), Odon) << "key " << key << " modifiers " << modifiers.toInt();
        OpenTab(window, Odon);
    }
    for (const int delta : {-120, 120}) {
        const QPointF at = bar->tabRect(Odon - 1).center();
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        EXPECT_EQ(window.CurrentTab(), Odon) << "wheel " << delta;
    }
    Click(bar, noraCaption);
    EXPECT_EQ(window.CurrentTab(), Odon);
    EXPECT_FALSE(window.pnlBtn()->isVisible());

    // Questioned again, everyone is in reach once more, the answer buttons with them.
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
    EXPECT_EQ(Statements(window, Nora),
              QStringList({"Tíz óra után Tivadar kivételével már mindenki itthon volt.",
                           "Mire én hazaértem, már mindenki itthon volt.",
                           "10-kor felébresztettem Tárolkát. Nyilacska a TV szobában volt. Nóra is hazaért. Tivadar nem.",
                           "10-kor Lemezke ébresztett. Nyilacska a TV szobában volt. Nóra is hazaért. Tivadar nem.",
                           "Mondtam már, hogy TV-t néztem. A Bőregér című sorozat 16. részét. Fél tíz körül rászóltam "
                           "Tárolkára, mert hangosan énekelt mosakodás közben. 10 után hazaért Nóra, és később "
                           "Tivadar is."}));
    ExpectStatementsFit(window);

    OpenTab(window, Nora);
    EXPECT_TRUE(window.pnlBtn()->isVisible());
    Snapshot(QStringLiteral("OsszefoglPanel2Form_3"));
    Click(window.btnHamis());
    OpenTab(window, Nyilacska);
    dialogs.AnswerNext(TDialogResult::Yes);
    Click(window.btnIgaz());
    EXPECT_EQ(DialogTexts(), QStringList({"i: Ez a szereplő nem füllentett!",
                                          "?: Biztos vagy benne, hogy igazat mondott?",
                                          "i: Sajnos nem figyeltél eléggé!"}));
    OpenTab(window, Odon);
    EXPECT_FALSE(window.pnlBtn()->isVisible());
    EXPECT_EQ(page->Answered(), std::set<int>({Nora, Nyilacska}));

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
    EXPECT_EQ(Said(window.Statement(Odon)),
              "Aha, szóval a rosszcsont egérke füllentett. Azt is mondta, hogy Tárolka éneke zavarta. Szerinte "
              "Tárolka fél tízkor már mosakodott, Tárolka viszont azt állítja, hogy aludt. Erről is kérdezz meg "
              "mindenkit.");
    ExpectStatementsFit(window);
}

TEST_F(SummaryDetectiveTest, SecondRoundTarolkaLiesTooThenTheCulpritsAreToBeNamed)
{
    TOsszefoglPanel2Form* page = Detective(5);
    ASSERT_NE(page, nullptr);
    TWindow& window = *page->Window();
    EXPECT_EQ(Statements(window, Nora),
              QStringList({"Tárolkát Lemezke ébresztette 10-kor. Észrevettem, hogy a fördőszobatükör párás volt. "
                           "Onnan tudom, hogy fésülködni akartam.",
                           "Nekem Tárolka azt mondta, hogy tízig aludt.",
                           "10-kor ébresztettem Tárolkát. Előtte kezet mostam. Tárolka törölközője vizes volt, mert "
                           "véletlenül abba töröltem a kezem.",
                           "10-ig aludtam. Lemezke ébresztett fel. Azt sem hallottam, amikor Nyilacska a sajtot ette.",
                           "Bevallom, hogy én ettem meg a sajtot, de a húsról nem tudok semmit."}));
    ExpectStatementsFit(window);

    OpenTab(window, Tarolka);
    dialogs.AnswerNext(TDialogResult::No);
    Click(window.btnIgaz());
    OpenTab(window, Lemezke);
    Click(window.btnHamis());
    for (const auto& [tab, button] : {std::pair{Nyilacska, window.btnHamis()}, {Nora, window.btnIgaz()}}) {
        OpenTab(window, tab);
        Click(button);
    }
    EXPECT_EQ(DialogTexts(), QStringList({"?: Biztos vagy benne, hogy igazat mondott?",
                                          "i: Ez a szereplő nem füllentett!"}));
    EXPECT_EQ(page->Step(), 5);
    OpenTab(window, Tivadar);
    Click(window.btnIgaz());

    EXPECT_EQ(page->Step(), 6);
    EXPECT_EQ(ShownTabs(window), std::vector<int>{Odon});
    EXPECT_FALSE(window.pnlBtn()->isVisible());
    EXPECT_TRUE(window.pnlChkBox()->isVisible());
    EXPECT_TRUE(window.ApplyBtn()->isEnabled());
    EXPECT_EQ(Said(window.Statement(Odon)), "Jelöld be a torkos tetteseket, aztán klikkelj az ALKALMAZ gombra!");
    EXPECT_EQ(window.Statement(Odon)->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    ExpectStatementsFit(window);
    Snapshot(QStringLiteral("OsszefoglPanel2Form_6"));
}

TEST_F(SummaryDetectiveTest, NamingExactlyTarolkaAndNyilacskaSolvesTheCaseAndOkGoesOn)
{
    TOsszefoglPanel2Form* page = Detective(6);
    ASSERT_NE(page, nullptr);
    TWindow& window = *page->Window();
    for (int tab : {Odon, Tarolka, Nyilacska})
        Click(window.Check(tab));
    Click(window.ApplyBtn()); // one too many: asked, and the script's No keeps the exercise
    EXPECT_EQ(DialogTexts(),
              QStringList{"?: Biztos vagy benne, hogy Nyilacskán és Tárolkán kívül mások sem mondotak igazat?"});
    EXPECT_EQ(dialogs.Shown().front().buttons, TDialogButtons::YesNo);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(page->Step(), 6);
    dialogs.Clear();
    Click(window.Check(Odon));
    Click(window.ApplyBtn());
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(page->Step(), 7);
    EXPECT_EQ(Said(window.Statement(Odon)), "Ügyes nyomozó vagy, gratulálok! Kattints az OK gombra!");
    EXPECT_FALSE(window.ApplyBtn()->isEnabled());
    EXPECT_TRUE(window.OKBtn()->isEnabled());
    EXPECT_FALSE(window.CancelBtn()->isEnabled());
    Snapshot(QStringLiteral("OsszefoglPanel2Form_7"));
    Click(window.OKBtn());
    Settle();
    EXPECT_NE(On<TOsszefoglMenuForm>(), nullptr);
}

TEST_F(SummaryDetectiveTest, AWrongVerdictConfirmedIsExplainedAndLeftBehind)
{
    TOsszefoglPanel2Form* page = Detective(6);
    ASSERT_NE(page, nullptr);
    QPointer<TWindow> window = page->Window();
    for (int tab : {Tarolka, Lemezke})
        Click(window->Check(tab));
    std::vector<bool> windowShown;
    dialogs.OnShow = [&](const TDialogRequest&) { windowShown.push_back(window && window->isVisible()); };
    dialogs.AnswerNext(TDialogResult::Yes);
    Click(window->ApplyBtn());
    dialogs.OnShow = nullptr;
    EXPECT_EQ(DialogTexts(), QStringList({"?: Biztos vagy benne, hogy Nyilacska és Tárolka igazat mondott?",
                                          "i: Nem figyeltél eléggé! Nyilacska és Tárolka füllentettek. Ők ették meg "
                                          "a sajtot és a húst."}));
    // The explanation comes with the dialog gone.
    EXPECT_EQ(windowShown, std::vector<bool>({true, false}));
    Settle();
    EXPECT_NE(On<TOsszefoglMenuForm>(), nullptr);
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

} // namespace
