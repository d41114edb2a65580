#include "MouseCourse.h"

namespace {

// What the mouse pages write on their backgrounds, word for word as the learner reads them.
class MouseTextsTest : public MouseCourse {
protected:
    void SetUp() override { OpenMouseTopic(); }
    QString Shown() const { return Read(CurrentPage()->hatter()); }
};

TEST_F(MouseTextsTest, TheLessons)
{
    EXPECT_EQ(Shown(), "Ezek igazi egerek! Az egér egy pici állatka. Sokan félnek tőle, pedig senkit sem bánt! Apró, "
                       "de a farka igen hosszú! Ezek számítógépes egerek! Ez az egér is kicsi, viszont nem állat, "
                       "hanem egy hasznos eszköz, amivel a gépet irányítjuk. A vezeték, ami a géphez kapcsolja, "
                       "olyan, mint egy farkinca.");
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    EXPECT_EQ(Shown(), "Az egér lehet hagyományos, vagyis \"golyós\" egér. Működhet lézerfénnyel is, ekkor optikai "
                       "egérnek nevezzük. Az, hogy milyen, akkor derül ki, ha felemeled és megfordítod. Az egér "
                       "tetején van két-három gomb, és lehet görgőkerék is.");
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    EXPECT_EQ(Shown(), "Az egérrel gyorsan és könnyen adhatunk ki utasításokat. A képernyőn található kicsi, fehér "
                       "nyilat mozgatjuk vele, amit egérkurzornak nevezünk. Az egérkurzor alakja sokféle lehet. "
                       "Mozgasd a nyilat az alul látható rajzokra!");
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    EXPECT_EQ(Shown(), "A kattintást klikkelésnek is nevezzük. A legtöbbször az egér bal gombjával kattintunk. "
                       "Mozgasd a nyilat a képekre, és mindegyiken kattints!");
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    EXPECT_EQ(Shown(), "Mostantól csak kattintanod kell. Figyelj arra, hogy kattintás közben ne mozgasd az egeret! "
                       "Mindig a nyíl hegye legyen az ábrán! Minden képre kattints rá!");
}

TEST_F(MouseTextsTest, TheDragAndClosingPages)
{
    Stand<TEgerDragDropForm>();
    EXPECT_EQ(Shown(), "Most a \"Fogd és vidd!\" módszert tanuljuk meg, amikor az egérrel cipelhetsz különböző "
                       "dolgokat a képernyőn. Bal gombbal kattints rá arra, amit el akarsz vinni, tartsd nyomva a "
                       "gombot, és mozgasd az egeret! Ha már a jó helyen van, akkor elengedheted az egér gombját. "
                       "Klikkelj a jobb oldali Nyilacskára!");
    Stand<TEgerSzinezoInfoForm>();
    EXPECT_TRUE(Shown().startsWith("Az egérrel nemcsak képeket tudsz megfogni. Lehet vonszolni olyan dolgokat is, "
                                   "amiket cipelés közben nem látsz!"));
    EXPECT_TRUE(Shown().endsWith("Most színeket foghatsz meg az egérrel. A lányok ruhát festhetnek, a fiúk pedig "
                                 "egy sportkocsit. Kattintással válassz!"));
    Stand<TEgerSzabalyokForm>();
    EXPECT_TRUE(Shown().startsWith("A golyós egerekhez alátétet, azaz egérpadot használnak."));
    EXPECT_TRUE(Shown().endsWith("Mindig moss kezet, mielőtt leülsz a számítógép elé! Tovább: duplakattintás a "
                                 "képre!"));
    Stand<TEgerEgerfajtakForm>();
    // Line by line: the four blanks before each dash stay.
    EXPECT_EQ(CurrentPage()->hatter()->Texts().join('|'),
              "Itt különleges (speciális) egereket látsz:|    - A hordozható számítógépek érintőpadja|"
              "    - Vezetéknélküli egér|    - Hanyatt-egér, aminek a golyója van felül, és azt mozgatják|"
              "Kattints duplán a hanyatt-egérre!");
    Stand<TEgerJatekvalasztasForm>();
    EXPECT_EQ(Shown(), "A végére jöhet még egy kis lazítás! A négy játék közül bármelyikkel újra játszhatsz, csak "
                       "rá kell kattintanod a feliratra. Egy-egy játékból mindig az ESC billentyűvel léphetsz ki, és "
                       "választhatsz másik játékot. Ha nem szeretnél már játszani, akkor kattints a \"Vissza a "
                       "főoldalra\" feliratú gombra!");
}

} // namespace
