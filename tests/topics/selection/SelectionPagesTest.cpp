#include "SelectionCourse.h"

#include "framework/ProgressBar.h"
#include "shell/Board.h"
#include "topics/selection/QuizHelp.h"

#include <QLabel>

namespace {

class SelectionPagesTest : public SelectionCourse {
protected:
    void SetUp() override { OpenSelectionTopic(); }

    void ClickWith(QWidget* widget, Qt::MouseButton button)
    {
        QTest::mousePress(widget, button, Qt::NoModifier, widget->rect().center());
        QTest::mouseRelease(widget, button, Qt::NoModifier, widget->rect().center());
        Settle();
    }

    bool ShowsLabel(const QString& text) const
    {
        for (const QLabel* label : CurrentPage()->findChildren<QLabel*>())
            if (label->isVisibleTo(CurrentPage()) && label->text() == text)
                return true;
        return false;
    }
};

TEST_F(SelectionPagesTest, RadioPairCountsRealSwitchOnsOnlyAndEndsOnTheSixth)
{
    auto* page = On<TJelRdBtnForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->rdOne()->text(), "    Kikapcsolt rádiógomb");
    ClickWith(page->rdOne(), Qt::RightButton);
    EXPECT_FALSE(page->rdOne()->isChecked());
    // Pressed on the box, released beside it: no click.
    QTest::mousePress(page->rdOne(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(page->rdOne(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 300));
    EXPECT_EQ(page->SwitchOns(1), 0);

    Click(page->rdOne());
    EXPECT_EQ(page->rdOne()->text(), "    Bekapcsolt rádiógomb (1)");
    Click(page->rdOne());
    EXPECT_TRUE(page->rdOne()->isChecked()) << "an on box stays on";
    EXPECT_EQ(page->SwitchOns(1), 1);
    ClickWith(page->rdTwo(), Qt::RightButton);
    EXPECT_TRUE(page->rdOne()->isChecked());

    Click(page->rdTwo());
    EXPECT_FALSE(page->rdOne()->isChecked());
    EXPECT_EQ(page->rdOne()->text(), "    Kikapcsolt rádiógomb");
    page->rdOne()->setFocus();
    PressKey(Qt::Key_Space);
    EXPECT_EQ(page->rdOne()->text(), "    Bekapcsolt rádiógomb (2)");
    Click(page->rdTwo());
    Click(page->rdOne());
    EXPECT_EQ(CurrentPageName(), "JelRdBtnForm") << "five switch-ons";
    Click(page->rdTwo());
    EXPECT_EQ(CurrentPageName(), "JelRdCsopForm");
}

TEST_F(SelectionPagesTest, GroupsStayClosedUntilAllAreChosenAndKeysChoose)
{
    auto* page = Reach<TJelRdCsopForm>();
    ASSERT_NE(page, nullptr);
    for (TRadioGroup* group : page->Groups())
        EXPECT_EQ(group->ItemIndex(), -1);
    for (int g = 0; g < 3; ++g)
        Click(page->Groups()[g]->Item(1));
    EXPECT_FALSE(page->Button1()->isEnabled());
    TRadioGroup* mouse = page->Groups()[3];
    mouse->setFocus();
    PressKey(Qt::Key_Down);
    EXPECT_EQ(mouse->SelectedText(), "egygombos");
    EXPECT_TRUE(page->Button1()->isEnabled());
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(mouse->SelectedText(), "háromgombos");
    EXPECT_EQ(FocusedControl(), mouse) << "the arrows stay in the group";
    mouse->SetItemIndex(-1);
    EXPECT_TRUE(page->Button1()->isEnabled()) << "setting up is no click";
    Click(page->Button1());
    EXPECT_EQ(CurrentPageName(), "JelMemIntroForm");
}

TEST_F(SelectionPagesTest, TabAndSpaceChooseInEveryGroupAndOpenTovabb)
{
    auto* page = Reach<TJelRdCsopForm>();
    ASSERT_NE(page, nullptr);
    for (TRadioGroup* group : page->Groups()) {
        ASSERT_EQ(FocusedControl(), group);
        PressKey(Qt::Key_Space);
        EXPECT_EQ(group->ItemIndex(), 0) << group->title().toStdString();
        PressKey(Qt::Key_Tab);
    }
    ASSERT_TRUE(page->Button1()->isEnabled());
    TRadioGroup* classes = page->Groups()[1];
    classes->setFocus();
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Space);
    EXPECT_EQ(classes->SelectedText(), "másodikos") << "Space keeps the item the arrows chose";
}

TEST_F(SelectionPagesTest, RadioQuizHelpCountsEveryOpeningAndTheWordsFollow)
{
    auto* page = Reach<TJelMemRdQuizForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->RadioGroup(6)->Item(7)->text(), "Piros");
    TQuizHelp& help = page->Help();
    Click(help.imgCallHelp());
    EXPECT_TRUE(help.pnlHelp()->isVisible());
    PressKey(Qt::Key_F1);
    EXPECT_EQ(help.Count(), 1) << "F1 while shown does nothing";
    time.Advance(5000);
    EXPECT_FALSE(help.pnlHelp()->isVisible());
    PressKey(Qt::Key_F1);
    Click(help.imgBeck());
    EXPECT_FALSE(help.Shown());
    PressKey(Qt::Key_F1);
    time.Advance(5000);
    EXPECT_EQ(help.Count(), 3);

    for (int n = 1; n <= 5; ++n)
        Click(page->RadioGroup(n)->Item(0));
    EXPECT_FALSE(page->btnFinish()->isEnabled());
    SelectionMoves::RadioQuiz(*this, *page, 4);
    EXPECT_EQ(EvaluationText(),
              "Feladat: Memória teszt<BR>Név: Anna<BR>Teljesítmény: 6 / 4 <BR>Értékelés: Egész jó, több mint a fele "
              "megvolt!<BR>Igénybevett segítség: 3<BR>Értékelés: Ennyi segítség még belefér!<BR><BR>Ha elolvastad, "
              "akkor nyomd meg az L billentyűt!");
}

TEST_F(SelectionPagesTest, CheckBoxPagesCountToggles)
{
    auto* first = Reach<TJelChkBoxForm>();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->Animate1()->Active());
    Click(first->CheckBox1());
    Click(first->CheckBox2());
    EXPECT_FALSE(first->Button1()->isEnabled());
    Click(first->RadioGroup1()->Item(1));
    EXPECT_TRUE(first->Button1()->isEnabled());
    Click(first->CheckBox2());
    EXPECT_FALSE(first->Button1()->isEnabled());
    Click(first->CheckBox2());
    Click(first->Button1());

    auto* second = On<TJelChkBox2Form>();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->RightCount(), 5);
    TCheckBox* football = second->Boxes()[0];
    EXPECT_EQ(football->text(), "focilabda");
    Click(football);
    EXPECT_EQ(second->RightCount(), 4);
    second->Boxes()[1]->setFocus();
    PressKey(Qt::Key_Space);
    EXPECT_EQ(second->RightCount(), 5);
    Click(football);
    EXPECT_EQ(second->RightCount(), 6);
    for (int i : {3, 5, 7, 9})
        Click(second->Boxes()[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(second->btnFinish()->isEnabled());
    Click(second->Boxes()[6]);
    EXPECT_FALSE(second->btnFinish()->isEnabled());
}

TEST_F(SelectionPagesTest, CheckBoxQuizUntouchedHasFourRight)
{
    auto* page = Reach<TJelChkBoxQuizForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->btnFinish()->isEnabled());
    Click(page->btnFinish());
    EXPECT_EQ(EvaluationText(),
              "Feladat: Memória teszt<BR>Név: Anna<BR>Teljesítmény: 10 / 4 <BR>Értékelés: Legközelebb koncentrálj egy "
              "picit erősebben!<BR>Igénybevett segítség: 0<BR>Értékelés: Ez igen, nem kellett segítség!<BR><BR>Ha "
              "elolvastad, akkor nyomd meg az L billentyűt!");
    TypeText("l");
    EXPECT_EQ(CurrentPageName(), "JelSpinEdit1Form");
}

TEST_F(SelectionPagesTest, FirstSpinEditOpensPastAHundredOnly)
{
    auto* page = Reach<TJelSpinEdit1Form>();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(ErrorBoxShown());
    TSpinEdit* spin = page->Edit1();
    EXPECT_EQ(spin->Text(), "0");
    TypeText("150");
    PressKey(Qt::Key_Up);
    EXPECT_EQ(spin->Text(), "0") << "the field takes no keys";
    const QString oneMore = "Elérted a 100-at! Lépj még egyet felfelé, és figyeld Tivadart!";
    for (int i = 0; i < 99; ++i)
        Click(spin->UpButton());
    EXPECT_FALSE(ShowsLabel(oneMore));
    Click(spin->UpButton());
    EXPECT_EQ(spin->Text(), "100");
    EXPECT_FALSE(page->btnFinish()->isEnabled());
    EXPECT_FALSE(page->Happy());
    EXPECT_TRUE(ShowsLabel(oneMore)) << "the instruction says 100; the page asks for the step past it";
    Click(spin->UpButton());
    EXPECT_TRUE(page->btnFinish()->isEnabled());
    EXPECT_TRUE(page->Happy());
    EXPECT_FALSE(ShowsLabel(oneMore));
    Click(spin->DownButton());
    EXPECT_EQ(spin->Text(), "100");
    EXPECT_FALSE(page->btnFinish()->isEnabled());
    EXPECT_FALSE(page->Happy());
    EXPECT_TRUE(ShowsLabel(oneMore));
}

TEST_F(SelectionPagesTest, SecondSpinEditKeyTableAndPrice)
{
    auto* page = Reach<TJelSpinEdit2Form>();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(ErrorBoxShown()) << "the second page loads Nóra's pictures only";
    QLineEdit* field = page->Edit1()->Edit();
    Click(field);
    field->setCursorPosition(1);
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "");
    TypeText("1456a0");
    EXPECT_EQ(field->text(), "14560");
    EXPECT_TRUE(page->btnFinish()->isEnabled());
    EXPECT_TRUE(page->Happy());
    PressKey(Qt::Key_Left);
    PressKey(Qt::Key_Left);
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(field->text(), "1450");
    EXPECT_FALSE(page->Happy());
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_Insert, Qt::Key_Return})
        PressKey(key);
    PressKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "1450");
    EXPECT_EQ(field->cursorPosition(), 3);
    PressKey(Qt::Key_7, Qt::KeypadModifier);
    TypeText("9");
    EXPECT_EQ(field->text(), "145790");
    EXPECT_TRUE(page->Happy()) << "six digits are more than any price";
    Click(page->Edit1()->UpButton());
    EXPECT_EQ(field->text(), "20000") << "the arrow steps into the range";
    Click(field);
    for (int i = 0; i < 5; ++i)
        PressKey(Qt::Key_Backspace), PressKey(Qt::Key_Delete);
    EXPECT_EQ(field->text(), "");
    EXPECT_FALSE(page->Happy());
    EXPECT_TRUE(page->btnFinish()->isEnabled()) << "14560 opened it for good";
}

TEST_F(SelectionPagesTest, SixDigitsMakeNoraHappyButDoNotOpen)
{
    auto* page = Reach<TJelSpinEdit2Form>();
    ASSERT_NE(page, nullptr);
    Click(page->Edit1()->Edit());
    TypeText("20000");
    EXPECT_EQ(page->Edit1()->Text(), "020000");
    EXPECT_TRUE(page->Happy());
    EXPECT_FALSE(page->btnFinish()->isEnabled());
}

TEST_F(SelectionPagesTest, TrackBarsTurnTheCapAndOpenTheFlowersUpwards)
{
    auto* page = Reach<TJelTreckBarForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->tbVirag()->Position(), 4);
    page->tbVirag()->setFocus();
    PressKey(Qt::Key_Up);
    EXPECT_EQ(page->tbVirag()->Position(), 3);
    EXPECT_EQ(page->FlowersShown(), 1);
    EXPECT_EQ(FocusedControl(), page->tbVirag());
    PressKey(Qt::Key_PageUp);
    EXPECT_EQ(page->FlowersShown(), 2);
    PressKey(Qt::Key_Home);
    EXPECT_EQ(page->FlowersShown(), 4);
    PressKey(Qt::Key_Down);
    EXPECT_FALSE(page->btnFinish()->isEnabled());
    page->tbSapi()->setFocus();
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->CapShown(), 1);
    PressKey(Qt::Key_End);
    EXPECT_EQ(page->CapShown(), 4);
    EXPECT_TRUE(page->btnFinish()->isEnabled());
    PressKey(Qt::Key_Left);
    EXPECT_TRUE(page->btnFinish()->isEnabled()) << "an end once reached stays reached";
}

TEST_F(SelectionPagesTest, RaceRunsOutAndBack)
{
    auto* page = Reach<TJelProgressBarForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->btnFinish()->isEnabled());
    // The names stand clear of their bars and of the finish pole drawn at x 840.
    for (const QLabel* name : page->findChildren<QLabel*>())
        if (name->text() == "Nyilacska" || name->text() == "Pixeles Tivadar") {
            EXPECT_LT(name->geometry().right(), 840) << name->text().toStdString();
            EXPECT_FALSE(name->geometry().intersects(page->pbNyilacska()->geometry()));
            EXPECT_FALSE(name->geometry().intersects(page->pbTivadar()->geometry()));
        }
    Click(page->btnStart());
    EXPECT_FALSE(page->btnStart()->isEnabled());
    EXPECT_TRUE(page->btnFinish()->isEnabled()) << "the learner may go on at once";
    time.Advance(40 * 50);
    EXPECT_EQ(page->imgNyilacska()->x(), 332);
    EXPECT_EQ(page->imgTivadar()->x(), 232);
    EXPECT_EQ(page->pbNyilacska()->Position(), 50);
    EXPECT_EQ(page->pbNyilacska()->Filled(), 29);
    EXPECT_EQ(page->pbTivadar()->Caption(), "33 %");
    time.Advance(40 * 50);
    EXPECT_EQ(page->imgNyilacska()->x(), 632);
    EXPECT_EQ(page->pbNyilacska()->Filled(), 59);
    time.Advance(40 * 50);
    EXPECT_EQ(page->imgNyilacska()->x(), 716);
    EXPECT_EQ(page->imgTivadar()->x(), 716);
    EXPECT_TRUE(page->FacingBack());
    EXPECT_TRUE(page->pbTivadar()->FillsFromRight());
    EXPECT_EQ(page->pbTivadar()->Caption(), "0 %");
    EXPECT_TRUE(page->btnStart()->isEnabled());
    Click(page->btnStart());
    time.Advance(40 * 150);
    EXPECT_EQ(page->imgNyilacska()->x(), 32);
    EXPECT_EQ(page->imgTivadar()->x(), 32);
    EXPECT_FALSE(page->FacingBack());
    EXPECT_FALSE(page->pbNyilacska()->FillsFromRight());
}

TEST_F(SelectionPagesTest, CannonShotBeforeStartCountsAndTheGamesAreRated)
{
    auto* page = Reach<TJelAgyuzasForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->InfoPanel()->isVisible());
    EXPECT_FALSE(page->tbDegree()->isEnabled());
    PressKey(Qt::Key_Space);
    EXPECT_EQ(page->Game().Ball().topLeft(), QPoint(278, 559));
    EXPECT_FALSE(page->ShotPicture(10)->isVisible());
    EXPECT_TRUE(page->ShotPicture(9)->isVisible());
    EXPECT_TRUE(page->Timer1().Enabled());
    EXPECT_FALSE(page->imgFelho()->isVisible());
    for (int i = 0; i < 100 && page->Game().Flying(); ++i)
        time.Advance(50);
    EXPECT_EQ(page->Game().Hits(), 0);

    Click(page->imgStart());
    EXPECT_TRUE(page->tbDegree()->isEnabled());
    page->tbDegree()->setFocus();
    PressKey(Qt::Key_Up);
    EXPECT_EQ(page->Game().Angle(), 11);
    EXPECT_EQ(page->CanonShown(), 2);
    PressKey(Qt::Key_PageUp);
    EXPECT_EQ(page->Game().Angle(), 21);
    EXPECT_EQ(page->CanonShown(), 3);
    PressKey(Qt::Key_Space);
    EXPECT_EQ(page->tbDegree()->Position(), 69) << "Space fires, the bar keeps its place";
    EXPECT_EQ(page->Game().Fired(), 2);
}

TEST_F(SelectionPagesTest, CannonRatingsAtTheirBounds)
{
    const std::pair<int, const char*> games[] = {{3, "Így bizony nem leszel tüzértiszt, gyakorolj!"},
                                                 {4, "Célozz kicsit pontosabban!"},
                                                 {7, "Célozz kicsit pontosabban!"},
                                                 {8, "Már majdnem tökéletes!"},
                                                 {9, "Már majdnem tökéletes!"},
                                                 {10, "Egy tüzérezredes sem csinálta volna jobban!"}};
    for (const auto& [hits, word] : games) {
        auto* page = Reach<TJelAgyuzasForm>();
        ASSERT_NE(page, nullptr);
        SelectionMoves::PlayCannon(*this, *page, hits);
        EXPECT_TRUE(EvaluationText().contains(QStringLiteral("Találataid száma 10 lövésből : %1 <BR>Értékelés: %2")
                                                  .arg(hits)
                                                  .arg(QString::fromUtf8(word))))
            << EvaluationText().toStdString();
        TypeText("l");
        EXPECT_EQ(CurrentPageName(), "JelAgyuzasForm");
    }
}

TEST_F(SelectionPagesTest, AnActionLeftOnTheBoardDoesNotEndTheFirstGame)
{
    // Another topic's game left its end mark, then the learner came back here.
    auto* page = Reach<TJelRdBtnForm>();
    ASSERT_NE(page, nullptr);
    Click(page->Image1());
    Board::PutText(Controller(), QStringLiteral("ACTION"), QStringLiteral("NEXTFORM"));
    ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("JELOLESEK")));
    auto* game = Reach<TJelAgyuzasForm>();
    ASSERT_NE(game, nullptr);
    SelectionMoves::PlayCannon(*this, *game, 2);
    EXPECT_TRUE(EvaluationText().startsWith("Feladat: Tüzérségi gyakorlat")) << EvaluationText().toStdString();
    TypeText("l");
    EXPECT_EQ(CurrentPageName(), "JelAgyuzasForm");
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(EvaluationText(),
              "Remélem, jó kedved lett!<BR>Ezzel a témakörrel is végeztél, most már bármit be tudsz jelölni.<BR>Ne "
              "feledd a tanultakat!");
    TypeText("l");
    EXPECT_EQ(CurrentPageName(), "ModulValaszt");
}

} // namespace
