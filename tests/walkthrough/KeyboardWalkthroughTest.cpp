#include "topics/keyboard/KeyboardCourse.h"

#include "topics/keyboard/HuntPool.h"
#include "topics/keyboard/KeyboardResults.h"
#include "topics/keyboard/KeyboardRoad.h"

namespace {

class KeyboardWalkthrough : public KeyboardCourse {
protected:
    // Each drawn target differs: positions 12, 3, 47, ... of the pools.
    void SetUp() override { random = TFixedRandom({123457, 34567, 477777, 9999, 250001, 620000, 88888, 15000}); }

    // Page names met so far, each once in a row.
    void Note()
    {
        const QString name = CurrentPageName();
        if (road.isEmpty() || road.last() != name)
            road << name;
        Snapshot(QString("keyboard_%1_%2").arg(++shots, 2, 10, QChar('0')).arg(name));
    }

    QStringList road;
    int shots = 0;
};

TEST_F(KeyboardWalkthrough, WholeRoadFromTheChooserBackToTheChooser)
{
    OpenKeyboardTopic(QStringLiteral("Bence"));
    Note();
    EnterGrade(QStringLiteral("Negyedikes"));
    EXPECT_EQ(BoardText("OSZTALY"), QString("Negyedikes"));

    // 2: one practice page for the first three steps.
    auto* practice = CurrentPageAs<TBillentyuzet>();
    ASSERT_NE(practice, nullptr);
    Note();
    EXPECT_EQ(practice->Step(), "T");
    TypeText("t");
    EXPECT_EQ(CurrentPageAs<TBillentyuzet>(), practice);
    EXPECT_EQ(practice->Step(), "CAPSLOCK");
    PressKey(Qt::Key_CapsLock);
    EXPECT_EQ(practice->Step(), "SHIFT");
    TypeText("T");

    // 3: first hunt, about a second and a half per target.
    Note();
    HuntAll(1500);
    Note();
    EXPECT_EQ(EvaluationText(), "Témakör: Billentyűzet<BR>Feladat: Első betűvadászat<BR><BR>Név: Bence<BR>"
                                "Évfolyam: Negyedikes<BR>Teljesítmény: 10/10<BR>Értékelés: Szuper, hibátlanul "
                                "dolgoztál!<BR>Idő: 00:15<BR>Értékelés: Szuper jó az időeredményed!<BR><BR>Ha "
                                "elolvastad, akkor nyomd meg az L billentyűt!");
    EXPECT_TRUE(EvaluationText().contains("Feladat: Első betűvadászat"));
    EXPECT_TRUE(EvaluationText().contains("Szuper jó az időeredményed!"));
    EXPECT_EQ(BoardText("STEP_READY"), QString("R1_READY"));
    Continue();

    // 4: a new practice page for the second block.
    auto* second = CurrentPageAs<TBillentyuzet>();
    ASSERT_NE(second, nullptr);
    Note();
    EXPECT_EQ(second->Step(), "FELSO");
    PracticeSecondBlock();

    // 5: second hunt, with two wrong signs on the way.
    ASSERT_EQ(CurrentPageName(), "Betuvadaszat");
    Note();
    PressKey(Qt::Key_Return);
    for (int i = 0; i < 10; ++i) {
        auto* hunt = CurrentPageAs<TBetuvadaszat>();
        ASSERT_NE(hunt, nullptr);
        const QString target = hunt->txtBetuMutat()->text();
        ASSERT_TRUE(HuntPool::Signs().contains(target)) << target.toStdString();
        if (i == 2 || i == 6)
            TypeText(i == 2 ? "a" : "b"); // no sign is a letter
        time.Advance(3000);
        TypeText(target);
    }
    Note();
    EXPECT_EQ(EvaluationText(), "Témakör: Billentyűzet<BR>Feladat: Második betűvadászat<BR><BR>Név: Bence<BR>"
                                "Évfolyam: Negyedikes<BR>Teljesítmény: 10/8<BR>Értékelés: Egy-két hiba még nem "
                                "veszélyes.<BR>Idő: 00:30<BR>Értékelés: Nagyon jó az időeredményed!<BR><BR>Ha "
                                "elolvastad, akkor nyomd meg az L billentyűt!");
    EXPECT_TRUE(EvaluationText().contains("Teljesítmény: 10/8"));
    Continue();

    // 6 and 7: Num Lock, then the digits.
    ASSERT_EQ(CurrentPageAs<TBillentyuzet>()->Step(), "NUMLOCK");
    Note();
    PressKey(Qt::Key_NumLock);
    ASSERT_EQ(CurrentPageName(), "Szogepeles");
    Note();
    TypeDigits();

    // 8: third hunt.
    Note();
    HuntAll();
    Note();
    EXPECT_TRUE(EvaluationText().startsWith("Témakör: Billentyűzet<BR>Feladat: Harmadik betűvadászat<BR><BR>"));
    EXPECT_TRUE(EvaluationText().contains("Hűha, villámgyors a kezed!"));
    Continue();

    // 9: the information page, both pieces of advice.
    ASSERT_EQ(CurrentPageName(), "BillInfo");
    Note();
    PressKey(Qt::Key_Return);
    TypeText("T");

    // 10: the words, one typed wrong once, then the evaluation.
    ASSERT_EQ(CurrentPageName(), "Szogepeles");
    Note();
    TypeText("Kicsi");
    PressKey(Qt::Key_Return);
    CurrentPageAs<TSzogepeles>()->szoBe()->clear();
    TypeAllWords();
    Note();
    EXPECT_EQ(EvaluationText(), KeyboardResults::WordsResult("Bence", "Negyedikes", 1));
    EXPECT_EQ(BoardText("STEP_READY"), QString("SZAVAK_READY"));
    Continue();

    // 11: Escape.
    ASSERT_EQ(CurrentPageAs<TBillentyuzet>()->Step(), "ESC");
    Note();
    PressKey(Qt::Key_Escape);

    // 12: the closing text, with the way home already on the board.
    Note();
    EXPECT_EQ(EvaluationText(),
              "<BR>Ezzel befejeződött a \"Billentyűzet\" témakör. Ügyes vagy, hogy végigcsináltad, ha pedig a "
              "feladatmegoldásban is eredményes voltál, akkor kétszeresen is elégedett lehetsz!<BR>Ne feledd az itt "
              "tanultakat, mert később hasznodra lehetnek!<BR>Most nyomd meg az L billentyűt, aztán kérdezd meg a "
              "tanárodat, hogy mi következik!<BR>Szia!");
    EXPECT_EQ(BoardText("CHANGE_MODUL"), QString("RETURN_TO_MAIN"));
    Continue();

    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(PagesAlive(), 1);
    for (const char* key : {"STEP", "STEP_READY", "ERTEKEL", "CHANGE_MODUL", "RETURN_TO_MAIN"})
        EXPECT_FALSE(BoardText(key)) << key;
    EXPECT_EQ(BoardText("USERNAME"), QString("Bence"));
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();

    const QStringList expected = {"OsztalyBe", "Billentyuzet", "Betuvadaszat", "Ertekeles", "Billentyuzet",
                                  "Betuvadaszat", "Ertekeles", "Billentyuzet", "Szogepeles", "Betuvadaszat",
                                  "Ertekeles", "BillInfo", "Szogepeles", "Ertekeles", "Billentyuzet", "Ertekeles"};
    EXPECT_EQ(road, expected);
}

} // namespace
