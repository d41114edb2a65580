#include "ListsCourse.h"

namespace {

class ListsTextsTest : public ListsCourse {
protected:
    void SetUp() override { OpenListsTopic(); }
};

TEST_F(ListsTextsTest, InstructionsAsTheLearnerReadsThem)
{
    EXPECT_EQ(On<TListMindenkiForm>()->lbText()->text(),
              "Ez egy számítógépes felsorolás, azaz lista. A lista egy listadobozban van. Felsorolhatsz neveket, "
              "számokat, színeket, mértékegységeket stb. A listából kattintással választhatsz ki szavakat, azaz "
              "elemeket.\nVálaszd ki Tárolka nevét! Kattints rá!");
    auto* birds = Reach<TList_LY_J_Form>(TListsStop::BirdsShift);
    ASSERT_NE(birds, nullptr);
    EXPECT_EQ(birds->lbText()->text(),
              "Egyszerre több elemet is kijelölhetsz és cipelhetsz. Szomszédos elemek kijelölése: kattints az első "
              "j-s madárra, azután a SHIFT + le nyílbillentyűvel a többi j-sre! Ezután a kijelölt elemeket húzd át "
              "egérrel a helyükre!");
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    EXPECT_TRUE(birds->lbText()->text().startsWith(
        "NEM szomszédos elemek kijelölése: Ehhez egy új segédbillentyű kell."));
    EXPECT_LT(birds->lbText()->font().pixelSize(), 21);
    ASSERT_TRUE(LearnerMoves::Helpful(*this));
    auto* game = On<TListReflexJatekForm>();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->lbText()->text(),
              "A kijelzőn megjelenő szót vagy szavakat jelöld ki és húzd át a kisebbik listadobozba! Az is számít, "
              "hogy milyen gyorsan oldod meg a feladatot. Kattints a játék címére!");
    EXPECT_EQ(game->lblSzavak()->text(), "Szavak");
    EXPECT_FALSE(game->btnNext()->isEnabled());
}

TEST_F(ListsTextsTest, EditableListPhasesAndButtons)
{
    auto* page = Reach<TListEditableLBForm>(TListsStop::Editable);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->btnNew()->Caption(), "Új elem - Felvétel");
    EXPECT_EQ(page->btnDelAll()->Caption(), "Az összes törlése");
    EXPECT_TRUE(page->lblText()->text().startsWith("Ez a lista már szerkeszthető, átalakítható."));
    EXPECT_TRUE(page->lblText()->text().endsWith("Gépeld be a szerkesztőmező feletti papíron lévő nevet!"));
    EXPECT_EQ(page->lblHint()->text(),
              "Az új elem felvételéhez ezt a gombot kell használnod! Klikk! Használhatod az ENTER billentyűt is.");
    for (const char* name : {"Lemezke", "Nyilacska", "Digit Nóra"}) {
        Click(page->efList());
        page->efList()->clear();
        TypeText(QString::fromUtf8(name));
        PressKey(Qt::Key_Return);
    }
    EXPECT_EQ(page->lblPapir()->text(), "Kábel Ödön, ezt szúrd be Nyilacska neve fölé!");
    EXPECT_EQ(page->lblHint()->text(), "Az új elem beszúrásához ezt a gombot kell használnod! Klikk!");
}

} // namespace
