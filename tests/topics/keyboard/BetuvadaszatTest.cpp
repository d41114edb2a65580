#include "KeyboardCourse.h"

#include "framework/ClipPlayer.h"
#include "topics/keyboard/HuntPool.h"
#include "topics/keyboard/KeyboardResults.h"


namespace {

class BetuvadaszatTest : public KeyboardCourse {
protected:
    void SetUp() override
    {
        OpenKeyboardTopic();
        EnterGrade("Elsős");
        PracticeFirstBlock();
        hunt = CurrentPageAs<TBetuvadaszat>();
        ASSERT_NE(hunt, nullptr);
        sound.Clear();
    }

    // A key press as the keyboard sends it, repeating while held when autoRepeat is set.
    void Press(int key, const QString& text, bool autoRepeat = false)
    {
        SendKey(hunt, QEvent::KeyPress, key, text, Qt::NoModifier, autoRepeat);
    }
    void Release(int key, const QString& text, bool autoRepeat = false)
    {
        SendKey(hunt, QEvent::KeyRelease, key, text, Qt::NoModifier, autoRepeat);
    }
    QString Target() const { return hunt->txtBetuMutat()->text(); }
    int Played(const QString& name) const { return static_cast<int>(sound.PlayedNames().count(name)); }

    TBetuvadaszat* hunt = nullptr;
};

TEST_F(BetuvadaszatTest, NothingCountsBeforeEnter)
{
    EXPECT_EQ(hunt->StepWord(), "R1");
    EXPECT_EQ(TBetuvadaszat::Pool(), HuntPool::Letters());
    EXPECT_FALSE(BoardText("STEP"));
    TypeText("Qqx");
    time.Advance(5000);
    EXPECT_FALSE(hunt->Running());
    EXPECT_EQ(hunt->Errors(), 0);
    EXPECT_EQ(Target(), "");
    EXPECT_EQ(hunt->txtIdo()->text(), "00:00"); // the clock starts with Enter
    EXPECT_TRUE(sound.PlayedNames().isEmpty());
}

TEST_F(BetuvadaszatTest, EnterStartsTheClockAndIsNoTypedCharacter)
{
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(hunt->Running());
    EXPECT_EQ(Target(), "Q"); // the first draw of a zero
    EXPECT_EQ(hunt->Errors(), 0);
    EXPECT_EQ(Played("1_katt1.wav"), 1);
    EXPECT_EQ(hunt->LetterCounter(), 1);

    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(hunt->Errors(), 0);
    EXPECT_EQ(hunt->txtBeirMutat()->text(), "");
    EXPECT_EQ(Played("1_katt1.wav"), 1); // Enter starts only once

    time.Advance(65000);
    EXPECT_EQ(hunt->txtIdo()->text(), "01:05");
    EXPECT_EQ(hunt->ElapsedSeconds(), 65);
}

TEST_F(BetuvadaszatTest, CharactersTypedWhileASwallowedKeyIsHeldAreDropped)
{
    PressKey(Qt::Key_Return);
    for (const auto& [key, text] : {std::pair{int(Qt::Key_Return), QString("\r")}, {int(Qt::Key_Backspace), "\b"},
                                    {int(Qt::Key_Escape), "\x1b"}}) {
        Press(key, text);
        Press(Qt::Key_X, "x");
        Press(Qt::Key_Q, "Q");
        Release(key, text);
        EXPECT_EQ(hunt->Errors(), 0) << key;
        EXPECT_EQ(hunt->LetterCounter(), 1) << key;
    }
    Press(Qt::Key_X, "x");
    EXPECT_EQ(hunt->Errors(), 1);
}

TEST_F(BetuvadaszatTest, HeldWrongKeyCountsOnce)
{
    PressKey(Qt::Key_Return);
    Press(Qt::Key_W, "w");
    for (int i = 0; i < 8; ++i) {
        Release(Qt::Key_W, "w", true);
        Press(Qt::Key_W, "w", true);
    }
    Release(Qt::Key_W, "w");
    EXPECT_EQ(hunt->Errors(), 1);
    EXPECT_EQ(hunt->txtBeirMutat()->text(), "w");
    EXPECT_EQ(Played("1_katt2.wav"), 1);
    EXPECT_TRUE(hunt->odonNem()->Active());

    // Another wrong key counts, and the first one again counts again.
    TypeText("e");
    TypeText("w");
    EXPECT_EQ(hunt->Errors(), 3);
}

TEST_F(BetuvadaszatTest, LastWrongCharacterOutlivesItsTarget)
{
    PressKey(Qt::Key_Return);
    TypeText("q"); // the target is Q: the small letter is another character
    ASSERT_EQ(hunt->Errors(), 1);
    time.Advance(2000); // the head stops shaking
    ASSERT_FALSE(hunt->odonNem()->Active());
    TypeText("Q");
    EXPECT_EQ(hunt->LetterCounter(), 2);
    EXPECT_EQ(hunt->txtBeirMutat()->text(), ""); // a new target clears the wrong one
    EXPECT_TRUE(hunt->odonOk()->Active());
    TypeText("q");
    EXPECT_EQ(hunt->Errors(), 1);
    EXPECT_FALSE(hunt->odonNem()->Active());
    EXPECT_EQ(Played("1_katt2.wav"), 1);
}

TEST_F(BetuvadaszatTest, TenQuickTargetsWithoutErrors)
{
    random = TFixedRandom({150000, 30000, 690000, 0});
    HuntAll(900);
    EXPECT_EQ(CurrentPageName(), "Ertekeles");
    EXPECT_EQ(EvaluationText(), "Témakör: Billentyűzet<BR>Feladat: Első betűvadászat<BR><BR>Név: Anna<BR>"
                                "Évfolyam: Elsős<BR>Teljesítmény: 10/10<BR>Értékelés: Szuper, hibátlanul "
                                "dolgoztál!<BR>Idő: 00:09<BR>Értékelés: Hűha, villámgyors a kezed!<BR><BR>Ha "
                                "elolvastad, akkor nyomd meg az L billentyűt!");
    EXPECT_TRUE(EvaluationText().contains("Hűha, villámgyors a kezed!"));
    EXPECT_TRUE(EvaluationText().contains("Teljesítmény: 10/10"));
    EXPECT_EQ(BoardText("STEP_READY"), QString("R1_READY"));
    EXPECT_EQ(Played("1_katt1.wav"), 10); // the start and nine further targets
}

TEST_F(BetuvadaszatTest, TargetsFollowTheDraw)
{
    // Positions 15, 3, 69 and 1 of the letters: Ó, E, n, Q.
    random = TFixedRandom({150000, 30000, 690000, 0});
    PressKey(Qt::Key_Return);
    QString seen;
    for (int i = 0; i < 4; ++i) {
        seen += Target();
        TypeText(Target());
    }
    EXPECT_EQ(seen, QStringLiteral("ÓEnQ"));
}

TEST_F(BetuvadaszatTest, MoreThanTenErrorsStillEndsWithAScore)
{
    PressKey(Qt::Key_Return);
    for (QChar wrong : QStringLiteral("abcdefghijkl"))
        TypeText(QString(wrong));
    ASSERT_EQ(hunt->Errors(), 12);
    for (int i = 0; i < 10; ++i)
        TypeText("Q");
    ASSERT_EQ(CurrentPageName(), "Ertekeles");
    EXPECT_TRUE(EvaluationText().contains("Teljesítmény: 10/0<BR>Értékelés: Bizony, ezt még gyakorolnod kell!"));
}

TEST_F(BetuvadaszatTest, ClockStopsAtTheLargestTimeItCanShow)
{
    PressKey(Qt::Key_Return);
    time.Advance((TBetuvadaszat::MaxSeconds + 30) * 1000LL);
    EXPECT_EQ(hunt->ElapsedSeconds(), TBetuvadaszat::MaxSeconds);
    EXPECT_EQ(hunt->txtIdo()->text(), "255:59");
    EXPECT_FALSE(ErrorBoxShown());
    for (int i = 0; i < 10; ++i)
        TypeText("Q");
    EXPECT_TRUE(EvaluationText().contains("Idő: 255:59<BR>Értékelés: Igyekezz egy kicsit"));
}

TEST_F(BetuvadaszatTest, SignsHuntTakesTheSignsPool)
{
    Continue(); // nothing: the hunt is no evaluation page
    HuntAll();
    Continue();
    PracticeSecondBlock();
    hunt = CurrentPageAs<TBetuvadaszat>();
    ASSERT_NE(hunt, nullptr);
    EXPECT_EQ(hunt->StepWord(), "R2");
    EXPECT_EQ(TBetuvadaszat::Pool(), HuntPool::Signs());
    PressKey(Qt::Key_Return);
    EXPECT_EQ(Target(), QStringLiteral("§"));
    TypeText("0"); // Shift forgotten
    TypeText("§");
    EXPECT_EQ(hunt->Errors(), 1);
    EXPECT_EQ(hunt->LetterCounter(), 2);
}

} // namespace
