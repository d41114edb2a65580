#include "SelectionCourse.h"

#include <QGroupBox>
#include <QLabel>

namespace {

// What the learner reads on the pages, word for word.
class SelectionTextsTest : public SelectionCourse {
protected:
    void SetUp() override { OpenSelectionTopic(); }

    QStringList Labels() const
    {
        QStringList texts;
        for (const QLabel* label : CurrentPage()->findChildren<QLabel*>())
            if (label->isVisibleTo(CurrentPage()))
                texts << label->text();
        return texts;
    }
};

TEST_F(SelectionTextsTest, LessonInstructionsAndCaptions)
{
    EXPECT_TRUE(Labels().contains(
        "A rádiógombok hasonlítanak a már tanult eszköztárgombokhoz: egyszerre mindig csak egy lehet közülük "
        "bekapcsolva, és nem tudják saját magukat kikapcsolni. A bekapcsoláshoz klikkelhetsz a karikára és a gombhoz "
        "tartozó szövegre is. Kapcsold be mindegyik rádiógombot háromszor!"));
    auto* groups = Reach<TJelRdCsopForm>();
    ASSERT_NE(groups, nullptr);
    QStringList captions;
    for (TRadioGroup* group : groups->Groups())
        captions << group->title();
    EXPECT_EQ(captions, QStringList({"Nemed:", "Osztályod:", "Tanárod:", "Egered:"}));
    EXPECT_EQ(groups->Groups()[1]->Item(3)->text(), "negyedikes");
    EXPECT_EQ(groups->Button1()->text(), "Tovább");

    ASSERT_NE(Reach<TJelMemIntroForm>(), nullptr);
    EXPECT_EQ(Labels(), QStringList({"Figyelj meg alaposan minden részletet a képen, aztán kattints a Tovább gombra!"}));

    auto* quiz = Reach<TJelMemRdQuizForm>();
    ASSERT_NE(quiz, nullptr);
    EXPECT_EQ(quiz->RadioGroup(3)->title(), "Ki az, akinek Nyilacska a mancsát fogja?");
    EXPECT_EQ(quiz->RadioGroup(2)->Item(1)->text(), "ül ");
    EXPECT_EQ(quiz->btnFinish()->text(), "Kész vagyok");

    auto* boxQuiz = Reach<TJelChkBoxQuizForm>();
    ASSERT_NE(boxQuiz, nullptr);
    EXPECT_EQ(boxQuiz->Boxes()[5]->text(), "Lemezke  kergeti Tárolkát");
    EXPECT_EQ(boxQuiz->Boxes()[9]->text(), "Nyilacska sajtot rágcsál");
}

// The pages' writing stands below the bunting hanging along the top edge (down to y 36).
TEST_F(SelectionTextsTest, SecondCheckBoxPageSaysWhatToTickAndTextsClearTheBunting)
{
    const auto clearOfBunting = [this] {
        for (const QLabel* label : CurrentPage()->findChildren<QLabel*>())
            if (label->isVisibleTo(CurrentPage())) {
                EXPECT_GE(label->y(), 40) << label->text().left(40).toStdString();
            }
    };
    ASSERT_NE(Reach<TJelMemIntroForm>(), nullptr);
    clearOfBunting();
    ASSERT_NE(Reach<TJelChkBox2Form>(), nullptr);
    EXPECT_TRUE(Labels().contains("Jelöld be azt az öt dolgot, amelyet a két oldalsó képen látsz!"));
    clearOfBunting();
    ASSERT_NE(Reach<TJelTreckBarForm>(), nullptr);
    clearOfBunting();
    ASSERT_NE(Reach<TJelProgressBarForm>(), nullptr);
    clearOfBunting();
}

TEST_F(SelectionTextsTest, SpinAndGamePagesWords)
{
    ASSERT_NE(Reach<TJelSpinEdit2Form>(), nullptr);
    const QStringList labels = Labels();
    EXPECT_TRUE(labels.contains("Ft"));
    EXPECT_TRUE(labels.contains("       Backspace (bekszpész)  \nA kurzortól balra lévő szöveget törli."));
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QString& text) {
        return text.endsWith("Nóra biciklit szeretne venni, ami 14560 forintba kerül. Állítsd be a "
                             "szerkesztőmezőben látható értéket úgy, hogy megvehesse a bringát!");
    }));
    auto* game = Reach<TJelAgyuzasForm>();
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(game->lblText()->text().startsWith(
        "Ezzel a játékkal begyakorolhatod a csúszkák használatát. A feladat, hogy az ágyúval eltaláld az esőfelhőt."));
    EXPECT_TRUE(game->lblText()->text().endsWith("Összesen 10-szer próbálkozhatsz!\nJó szórakozást!"));
    EXPECT_TRUE(Labels().contains("Találatok:"));
    EXPECT_EQ(game->lblTalalatok()->text(), "0");
}

} // namespace
