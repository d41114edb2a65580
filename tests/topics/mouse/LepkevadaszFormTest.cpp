#include "MouseGamesCourse.h"

#include "topics/mouse/LepkevadaszForm.h"

#include <QLabel>

namespace {

class LepkevadaszFormTest : public MouseGamesCourse {
protected:
    TLepkevadaszForm* ShowRound(const char* mode)
    {
        return Show<TLepkevadaszForm>([mode](IModuleController& board) {
            Board::PutText(board, "STEP", "LEPKEVADASZ");
            Board::PutText(board, "ACTION", mode);
        });
    }
    // From the information panel into the game.
    TLepkevadaszForm* Playing(const char* mode = "LEPKEVADASZ_CONTINUE")
    {
        TLepkevadaszForm* page = ShowRound(mode);
        Click(page->imgStart());
        return page;
    }
};

TEST_F(LepkevadaszFormTest, TheFirstRoundShowsTheIntroThatEscapeCannotSkip)
{
    TLepkevadaszForm* page = ShowRound("START");
    EXPECT_FALSE(BoardText("STEP"));
    EXPECT_FALSE(BoardText("ACTION"));
    EXPECT_EQ(page->Phase(), "INTRO");
    EXPECT_TRUE(page->imgIntro()->isVisible());
    PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Notes().empty());
    Tick(70, 28);
    EXPECT_EQ(page->Phase(), "INTRO") << "1960 ms";
    Tick(70, 1);
    EXPECT_EQ(page->Phase(), "INFO");
    EXPECT_FALSE(page->imgIntro()->isVisible());
    EXPECT_EQ(page->lblText()->text(),
              "Lepkevadászat következik!\n10 lepke száll fel, és neked el kell fognod őket úgy,\nhogy rájuk "
              "kattintasz!\nA lepkék gyorsaságát úgy állíthatod be, hogy a játék előtt rákattintasz valamelyik "
              "felhőre.\nIndítás: klikk a START-on. Kilépés: ESC billentyű!");
    EXPECT_TRUE(page->imgStart()->isVisible());
    PressKey(Qt::Key_Escape);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].stepReady, "LEPKEVADASZ");
}

TEST_F(LepkevadaszFormTest, ACloudChosenBeforeStartSetsTheSpeed)
{
    TLepkevadaszForm* page = ShowRound("LEPKEVADASZ_CONTINUE");
    EXPECT_EQ(page->Phase(), "INFO") << "no intro in later rounds";
    EXPECT_TRUE(page->lblText()->text().startsWith(
        "A lepkevadászat folytatódik!\nIsmét 10 lepke száll fel, kattintással fogd el mindet!\n"));
    const char* captions[] = {"Lassú", "Normál", "Fürge", "Gyors", "Villám"};
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(page->Cloud(n).Caption()->text(), captions[n - 1]);
        EXPECT_TRUE(page->Cloud(n).Caption()->isVisible());
        EXPECT_EQ(page->Cloud(n).Caption()->geometry(), page->Cloud(n).Picture()->geometry());
    }
    EXPECT_EQ(page->Cloud(5).Picture()->pos(), QPoint(830, 5));

    Click(page->Cloud(5).Caption());
    EXPECT_EQ(page->eredmeny()->text(), "Fokozat: villám\n--:--");
    EXPECT_TRUE(page->Cloud(5).Caption()->font().bold());
    Click(page->Cloud(2).Picture());
    EXPECT_EQ(page->eredmeny()->text(), "Fokozat: normál\n--:--");
    EXPECT_FALSE(page->Cloud(5).Caption()->font().bold());

    Click(page->imgStart());
    EXPECT_EQ(page->Phase(), "GAME");
    EXPECT_FALSE(page->Cloud(2).Caption()->isVisible());
    Click(page->Cloud(5).Picture());
    EXPECT_EQ(page->Level(), 2) << "clouds count only before START";
    EXPECT_EQ(page->eredmeny()->text(), "Fokozat: normál\n1:0");
    // 29 degrees at 14 pixels a tick: 7 up, 13 right.
    EXPECT_EQ(page->ButterflyPicture()->pos(), QPoint(200, 768));
    Tick(70);
    EXPECT_EQ(page->ButterflyPicture()->pos(), QPoint(213, 761));
    EXPECT_TRUE(InFront(page->Grass(), page->ButterflyPicture()));
    EXPECT_TRUE(InFront(page->imgEndGame(), page->Grass()));
}

TEST_F(LepkevadaszFormTest, TenButterfliesCaughtOnceEachEndTheRound)
{
    TLepkevadaszForm* page = Playing();
    for (int n = 1; n <= 10; ++n) {
        ASSERT_EQ(page->ButterflyNumber(), n);
        Tick(70);
        Press(page->ButterflyPicture(), QPoint(5, 5));
        Press(page->ButterflyPicture(), QPoint(5, 5));
        EXPECT_EQ(page->Caught(), n) << "a caught butterfly ignores further presses";
        EXPECT_EQ(sound.PlayedNames().back(), "2_plunk.wav");
        Tick(70);
    }
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].stepReady, "RESULT");
    EXPECT_EQ(Notes()[0].action, "LEPKEVADASZ_CONTINUE");
    EXPECT_EQ(Notes()[0].ertekel,
              "Feladat: Lepkevadászat<BR>Fokozat: lassú<BR>Név: Anna<BR>Teljesítmény: 10 / 10<BR>"
              "Értékelés:Fantasztikus, igazi lepkevadász vagy!<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
    EXPECT_FALSE(page->Timer1().Enabled());
}

TEST_F(LepkevadaszFormTest, EscapedButterfliesRestartAtTheBottom)
{
    TLepkevadaszForm* page = Playing();
    int escapes = 0;
    for (int tick = 0; tick < 2000 && Notes().empty(); ++tick) {
        const int number = page->ButterflyNumber();
        Tick(70);
        if (!Notes().empty() || page->ButterflyNumber() == number)
            continue;
        ++escapes;
        EXPECT_EQ(page->ButterflyPicture()->y(), 768) << "butterfly " << page->ButterflyNumber();
        EXPECT_EQ(page->eredmeny()->text(), QString("Fokozat: lassú\n%1:0").arg(page->ButterflyNumber()));
    }
    EXPECT_EQ(escapes, 9);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_TRUE(Notes()[0].ertekel.contains(
        "Teljesítmény: 10 / 0<BR>Értékelés:Ne gyönyörködj a lepkékben, hanem klikkelj rájuk!"));
}

TEST_F(LepkevadaszFormTest, TheEndPictureLeavesTheGameAndStopsIt)
{
    TLepkevadaszForm* page = Playing();
    Tick(70, 3);
    Click(page->imgEndGame());
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].stepReady, "LEPKEVADASZ");
    EXPECT_FALSE(page->Timer1().Enabled());
}

} // namespace
