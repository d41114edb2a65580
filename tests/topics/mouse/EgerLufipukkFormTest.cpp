#include "MouseGamesCourse.h"

#include "topics/mouse/DuplaKattForm.h"
#include "topics/mouse/EgerLufipukkForm.h"
#include "topics/mouse/Lufi.h"
#include "topics/mouse/MyAnim.h"

namespace {

class EgerLufipukkFormTest : public MouseGamesCourse {
protected:
    TEgerLufipukkForm* ShowRound(std::optional<int> round)
    {
        return ShowWith<TEgerLufipukkForm>("ROUND", round);
    }
    void PopAll(TEgerLufipukkForm& page)
    {
        for (int n = 1; n <= TEgerLufipukkForm::Balloons; ++n)
            DoubleClick(page.Balloon(n));
    }
    void TickUntilNoted(std::size_t notes)
    {
        for (int tick = 0; tick < 400 && Notes().size() < notes; ++tick)
            Tick(70);
    }
};

TEST_F(EgerLufipukkFormTest, TheDoubleClickPageGoesOnWithARightPressOnNyilacska)
{
    auto* page = Show<TDuplaKattForm>();
    EXPECT_EQ(page->Character(3)->geometry(), QRect(646, 490, 230, 160));
    EXPECT_TRUE(Read(page->hatter()).startsWith("Biztosan remekül megy már a bal- és jobbkattintás, de létezik "
                                                "olyan is, hogy DUPLAKATTINTÁS!"));
    EXPECT_TRUE(Read(page->hatter()).endsWith("Ha úgy érzed, hogy már jól megy, akkor kattints jobb gombbal "
                                              "Nyilacskán!"));
    EXPECT_FALSE(page->Character(1)->Active());
    DoubleClick(page->Character(1));
    EXPECT_TRUE(page->Character(1)->Active());
    PressKey(Qt::Key_Escape);
    Click(page->Character(1), QPoint(-1, -1), Qt::RightButton);
    Click(page->Character(3));
    EXPECT_TRUE(Notes().empty());
    Click(page->Character(3), QPoint(-1, -1), Qt::RightButton);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].page, "DuplaKattForm");
}

TEST_F(EgerLufipukkFormTest, FirstRoundTitleThenSixPopsPassTheLevel)
{
    random = TFixedRandom({4999999, 599999});
    TEgerLufipukkForm* page = ShowRound(std::nullopt);
    ASSERT_NE(page->IntroPicture(), nullptr);
    EXPECT_TRUE(page->IntroPicture()->isVisible());
    EXPECT_EQ(page->IntroPicture()->geometry().center(), page->InfoPanel()->geometry().center());
    PressKey(Qt::Key_Escape);
    EXPECT_TRUE(Notes().empty());
    Tick(70, 15);
    EXPECT_FALSE(page->IntroPicture()->isVisible());
    EXPECT_EQ(Read(page->SmallPanel()), "Fokozat: lassú --:--");
    EXPECT_EQ(Read(page->InfoPanel()),
              "Lődd ki a felfelé szálló lufikat duplakattintással! A lufik egyre gyorsabban követik egymást. A játék "
              "akkor indul, ha a START-ra kattintasz. Jó lövöldözést!");
    Click(page->imgStart());
    EXPECT_EQ(sound.PlayedNames().back(), "2_plink.wav");
    EXPECT_EQ(Read(page->SmallPanel()), "Fokozat: lassú 6:0");
    for (int n = 1; n <= 6; ++n) {
        EXPECT_TRUE(page->Balloon(n)->isVisible());
        EXPECT_EQ(page->Balloon(n)->geometry(), QRect(749, 768, 100, 227));
        EXPECT_EQ(page->Balloon(n)->Speed(), 5);
        EXPECT_TRUE(InFront(page->Grass(), page->Balloon(n)));
    }
    EXPECT_TRUE(InFront(page->imgToMenu(), page->Grass()));
    Tick(70, 2);
    EXPECT_EQ(page->Balloon(1)->y(), 758);
    DoubleClick(page->Balloon(2));
    DoubleClick(page->Balloon(2));
    EXPECT_EQ(page->Popped(), 1) << "a popped balloon is gone";
    EXPECT_EQ(Read(page->SmallPanel()), "Fokozat: lassú 6:1");
    PopAll(*page);
    TickUntilNoted(1);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].round, 65);
    EXPECT_EQ(Notes()[0].ertekel,
              "Feladat: Lufilövöldözés<BR>Fokozat: lassú<BR>Név: Anna<BR>Teljesítmény: 6/6<BR>Értékelés: Ez igen! Jó "
              "a technikád!<BR><BR>Ha elolvastad, akkor az L billentyűvel kezdődik a következő fokozat.");
}

TEST_F(EgerLufipukkFormTest, EscapedBalloonsCountOnceAndTheLevelRepeats)
{
    TEgerLufipukkForm* page = ShowRound(3);
    EXPECT_EQ(page->IntroPicture(), nullptr) << "no intro after the first round";
    EXPECT_EQ(Read(page->SmallPanel()), "Fokozat: fürge --:--");
    Click(page->imgStart());
    DoubleClick(page->Balloon(6));
    TickUntilNoted(1);
    EXPECT_EQ(page->Escaped(), 5);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].round, 3);
    EXPECT_TRUE(Notes()[0].ertekel.endsWith(
        "Teljesítmény: 6/1<BR>Értékelés: No, azért a becsületlufi megvan!<BR><BR>Na még egyszer indulj neki, most "
        "biztos sikerül...<BR>Ha elolvastad, akkor az L billentyűvel újrajátszhatod a kört!"));
}

TEST_F(EgerLufipukkFormTest, SixPopsAtTheLastLevelEndTheRepeats)
{
    TEgerLufipukkForm* page = ShowRound(64 + 4);
    Click(page->imgStart());
    PopAll(*page);
    TickUntilNoted(1);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0].round, std::nullopt);
    EXPECT_TRUE(Notes()[0].ertekel.endsWith("Értékelés: Ez igen! Jó a technikád!<BR><BR>Ha elolvastad, akkor nyomd "
                                            "meg az L billentyűt!"));

    TEgerLufipukkForm* next = ShowRound(2);
    Click(next->imgEndGame());
    ASSERT_EQ(Notes().size(), 2u);
    EXPECT_EQ(Notes()[1].action, "NEXTFORM");
}

} // namespace
