#include "topics/menus/MenusRoad.h"
#include "topics/menus/SentenceGame.h"
#include "framework/Menu.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using namespace MenusRoad;

TEST(MenusRoadTest, LessonsFollowEachOtherThenTheSentenceGameLoopsUntilItIsEnded)
{
    const std::pair<const char*, TPage> lessons[] = {
        {"MENUMENUMFORM", TPage::Kedvenc}, {"MENUKEDVENCMFORM", TPage::Asztalka}, {"MENUASZTALKAMFORM", TPage::Torna},
        {"MENUTORNAMFORM", TPage::AlMenu}, {"MENUALMENUMFORM", TPage::Almenu2},   {"MENUALMENU2MFORM", TPage::PopUp},
        {"MENUPOPUPMFORM", TPage::PopUp2}, {"MENUPOPUP2MFORM", TPage::Mondat},
    };
    for (const auto& [page, next] : lessons) {
        const TAction action = Next(page, "NOTHING", false);
        EXPECT_EQ(action.move, TRoadMove::SwitchTo) << page;
        EXPECT_EQ(action.page, next) << page;
        EXPECT_TRUE(action.stepReady.isEmpty()) << page;
    }

    const TAction game = Next("MENUMONDATMFORM", "NOTHING", false);
    EXPECT_EQ(game.page, TPage::Ertekeles);
    EXPECT_EQ(game.stepReady, "MENUMONDATMFORM");
    EXPECT_FALSE(game.closing);
    EXPECT_EQ(Next("ERTEKELES", "MENUMONDATMFORM", false).page, TPage::Mondat);

    const TAction ended = Next("MENUMONDATMFORM", "NOTHING", true);
    EXPECT_EQ(ended.page, TPage::Ertekeles);
    EXPECT_EQ(ended.stepReady, "FINITO");
    EXPECT_TRUE(ended.closing);
    EXPECT_EQ(Next("ERTEKELES", "FINITO", false).move, TRoadMove::ReturnToMain);

    EXPECT_EQ(Next("ERTEKELES", "NOTHING", false).move, TRoadMove::Unknown);
    EXPECT_EQ(Next("WNDINTROFORM", "NOTHING", false).move, TRoadMove::Unknown);
}

TEST(SentenceGameTest, TheWordsMenuOffersEverySentenceOnceAndHoldsTheSixTargets)
{
    TMenu menu;
    SentenceGame::BuildWordsMenu(menu);
    TMenuItem& words = menu.Root().Item(0);
    EXPECT_EQ(words.Caption, "Szavak");
    std::set<QString> sentences;
    for (int a = 0; a < 6; ++a)
        for (int b = 0; b < 6; ++b)
            for (int c = 0; c < 6; ++c)
                for (int d = 0; d < 6; ++d) {
                    const TMenuItem& leaf = words.Item(a).Item(b).Item(c).Item(d);
                    EXPECT_FALSE(leaf.HasSubmenu());
                    sentences.insert(SentenceGame::SentenceOf(leaf));
                }
    EXPECT_EQ(sentences.size(), 1296u);
    for (const char* target : {"Nyilacska korán reggel tornázik.", "Nóra reggel szeret futni.",
                               "Tivadar mosott gyümölcsöket reggelizik.", "Lemezke ugatásával mindenkit felkelt.",
                               "Tárolka tovább alszik tíznél.", "Kábel Ödön hajnalban locsol."})
        EXPECT_EQ(sentences.count(QString::fromUtf8(target)), 1u) << target;
    EXPECT_TRUE(SentenceGame::Matches("NYILACSKA KORÁN REGGEL TORNÁZIK.", "Nyilacska korán reggel tornázik."));
    EXPECT_FALSE(SentenceGame::Matches("Nyilacska korán reggel futni.", "Nyilacska korán reggel tornázik."));
}

TEST(SentenceGameTest, GradesChangeAtTheirLimitsAndTheErrorCountDoesNotWrap)
{
    EXPECT_EQ(SentenceGame::SpeedGrade(30), "Fantasztikusan gyors vagy!");
    EXPECT_EQ(SentenceGame::SpeedGrade(31), "Klassz!");
    EXPECT_EQ(SentenceGame::SpeedGrade(45), "Klassz!");
    EXPECT_EQ(SentenceGame::SpeedGrade(46), "Legközelebb talán gyorsabban is megy!");
    EXPECT_EQ(SentenceGame::SpeedGrade(61), "Bizony, ezt még gyakorolnod kell!");
    EXPECT_EQ(SentenceGame::AccuracyGrade(0), "Hibátlan teljesítmény!");
    EXPECT_EQ(SentenceGame::AccuracyGrade(2), "Egy-két hiba nem sokat számít! Ügyes vagy!");
    EXPECT_EQ(SentenceGame::AccuracyGrade(3), "Figyelj kicsit jobban a kattintás pontosságára!");
    EXPECT_EQ(SentenceGame::AccuracyGrade(5), "Nemcsak az számít, hogy milyen gyors vagy, hanem a pontosság is!");
    EXPECT_EQ(SentenceGame::ResultText("Anna", "01:05", 65, 256),
              "Feladat: Mondatösszerakósdi <BR>Név: Anna<BR>Idő: 01:05<BR>Értékelés: Bizony, ezt még gyakorolnod "
              "kell!<BR>Hibaszám: 256 <BR>Értékelés: Nemcsak az számít, hogy milyen gyors vagy, hanem a pontosság "
              "is!<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!");
}

} // namespace
