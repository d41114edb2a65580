#include "framework/DragListBox.h"
#include "framework/WordList.h"
#include "platform/CourseError.h"
#include "platform/FixedRandom.h"
#include "topics/lists/ListComboForm.h"
#include "topics/lists/ListsRoad.h"
#include "topics/lists/ReflexRules.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using namespace ListsRoad;

TEST(ListsRoadTest, EveryRowOfTheRoad)
{
    struct TRow {
        const char* page;
        const char* stepReady;
        const char* action;
        TMove move;
        TPage next;
        const char* step;
        const char* storedReady;
    };
    const TRow rows[] = {
        {"LISTMINDENKIFORM", "NOTHING", "", TMove::SwitchTo, TPage::Kajak, "", ""},
        {"LISTKAJAKFORM", "NOTHING", "", TMove::SwitchTo, TPage::Szulinap, "", ""},
        {"LISTSZULINAPFORM", "NOTHING", "", TMove::SwitchTo, TPage::TV, "", ""},
        {"LISTTVFORM", "NOTHING", "", TMove::SwitchTo, TPage::MertekCsop, "", ""},
        {"LISTMERTEKCSOPFORM", "NOTHING", "", TMove::SwitchTo, TPage::LyJ, "SHIFT", ""},
        {"LIST_LY_J_FORM", "SHIFT", "", TMove::SamePage, TPage::LyJ, "CTRL", ""},
        {"LIST_LY_J_FORM", "CTRL", "", TMove::SwitchTo, TPage::ReflexJatek, "", ""},
        {"LIST_LY_J_FORM", "NOTHING", "", TMove::Unknown, TPage::None, "", ""},
        {"LISTREFLEXJATEKFORM", "NOTHING", "", TMove::SwitchTo, TPage::Ertekeles, "", "REFLEXJATEK"},
        {"LISTREFLEXJATEKFORM", "NOTHING", "NEXTFORM", TMove::SwitchTo, TPage::EditableLB, "", ""},
        {"LISTREFLEXJATEKFORM", "NOTHING", "START", TMove::SwitchTo, TPage::Ertekeles, "", "REFLEXJATEK"},
        {"ERTEKELES", "REFLEXJATEK", "", TMove::SwitchTo, TPage::EditableLB, "", ""},
        {"LISTEDITABLELBFORM", "NOTHING", "", TMove::SwitchTo, TPage::Combo, "", ""},
        {"LISTCOMBOFORM", "NOTHING", "", TMove::SwitchTo, TPage::Ertekeles, "", "FINITO"},
        {"ERTEKELES", "FINITO", "", TMove::ReturnToMain, TPage::None, "", ""},
        {"ERTEKELES", "NOTHING", "", TMove::Unknown, TPage::None, "", ""},
        {"GOMBGOMBFORM", "NOTHING", "", TMove::Unknown, TPage::None, "", ""},
    };
    for (const TRow& row : rows) {
        const TAction action = Next(row.page, row.stepReady, row.action);
        SCOPED_TRACE(std::string(row.page) + " " + row.stepReady + " " + row.action);
        EXPECT_EQ(action.move, row.move);
        EXPECT_EQ(action.page, row.next);
        EXPECT_EQ(action.step, row.step);
        EXPECT_EQ(action.stepReady, row.storedReady);
        EXPECT_EQ(action.takeAction, QString(row.action) == "NEXTFORM");
        EXPECT_EQ(action.closing, QString(row.page) == "LISTCOMBOFORM");
    }
}

TEST(ReflexRulesTest, TargetsKeepTheirGroupInsideTheList)
{
    EXPECT_EQ(ReflexRules::Targets(1, 1), QList<int>({1}));
    EXPECT_EQ(ReflexRules::Targets(4, 10), QList<int>({10}));
    EXPECT_EQ(ReflexRules::Targets(5, 1), QList<int>({1, 2, 3}));
    EXPECT_EQ(ReflexRules::Targets(7, 10), QList<int>({8, 9, 10}));
    EXPECT_EQ(ReflexRules::Targets(6, 5), QList<int>({4, 5, 6}));
    EXPECT_EQ(ReflexRules::Targets(8, 2), QList<int>({1, 3, 5}));
    EXPECT_EQ(ReflexRules::Targets(9, 9), QList<int>({5, 7, 9}));
    EXPECT_EQ(ReflexRules::Targets(9, 10), QList<int>({6, 8, 10}));
    EXPECT_EQ(ReflexRules::Targets(8, 6), QList<int>({4, 6, 8}));
}

TEST(ReflexRulesTest, TheDrawRedrawsATakenNumber)
{
    TFixedRandom random({4, 4, 0, 1, 1, 2, 3, 5, 6, 7, 8, 9});
    EXPECT_EQ(ReflexRules::DrawWords(12, random), QList<int>({5, 1, 2, 3, 4, 6, 7, 8, 9, 10}));
    TFixedRandom stuck({11});
    EXPECT_EQ(ReflexRules::DrawWords(12, stuck), QList<int>({12, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(ReflexRulesTest, MovesAndWords)
{
    const QStringList three = {"alma", "körte", "szilva"};
    EXPECT_TRUE(ReflexRules::RightMove(2, "alma", {"tej", "alma"}, {"alma"}));
    EXPECT_FALSE(ReflexRules::RightMove(2, "tej", {"alma"}, {"alma"}));
    EXPECT_TRUE(ReflexRules::RightMove(6, "", {"szilva", "alma", "körte"}, three));
    EXPECT_FALSE(ReflexRules::RightMove(6, "", {"alma", "körte", "szilva", "tej"}, three));
    EXPECT_FALSE(ReflexRules::RightMove(8, "", {"alma", "körte", "tej"}, three));
    EXPECT_EQ(ReflexRules::TimeWord(60), "Fantasztikus, géppuska kezed van!");
    EXPECT_EQ(ReflexRules::TimeWord(61), "Óriási, nagyon jól bánsz az egérrel!");
    EXPECT_EQ(ReflexRules::TimeWord(120), "Egészen jó, ügyesen mozgatod a kurzort!");
    EXPECT_EQ(ReflexRules::TimeWord(150), "Ez nem volt túl gyors, de még elfogadható!");
    EXPECT_EQ(ReflexRules::TimeWord(151), "Ez nagyon lassú volt. Egy kicsit szedd össze magad!");
    EXPECT_EQ(ReflexRules::ErrorWord(3), "Vigyázz, mert sokszor nem a megfelelő szavakat húztad át!");
    // The count does not wrap at a byte's end.
    EXPECT_EQ(ReflexRules::ErrorWord(256), "Nemcsak az idő számít. Figyelj jobban legközelebb!");
    EXPECT_EQ(ReflexRules::EvaluationText("Anna", "01:00", 60, 256),
              "Feladat: Szóáthúzás<BR>Név: Anna<BR>Idő: 01:00<BR>Értékelés: Fantasztikus, géppuska kezed van!<BR>"
              "Hibaszám: 256 <BR>Értékelés: Nemcsak az idő számít. Figyelj jobban legközelebb!<BR><BR>Ha "
              "elolvastad, akkor nyomd meg az L billentyűt!");
}

QByteArray Lines(int count, const char* ending)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "szo" + QByteArray::number(i) + ending;
    return bytes;
}

TEST(WordListTest, LineEndingsEncodingsAndBlankLines)
{
    const QStringList crlf = WordList::Read(Lines(10, "\r\n"), "words.txt");
    ASSERT_EQ(crlf.size(), 10);
    EXPECT_EQ(crlf.first(), "szo1");
    EXPECT_EQ(crlf.last(), "szo10");
    // Windows-1250: ő 0xF5, ű 0xFB, Ő 0xD5, á 0xE1.
    const QStringList old = WordList::Read("t\xf5zeg\r\n\xfcveg\r\n\xd5z\r\nf\xfb\r\n\r\n  \r\n" + Lines(6, "\r\n"), "w");
    EXPECT_EQ(old.mid(0, 4), QStringList({"tőzeg", "üveg", "Őz", "fű"}));
    EXPECT_EQ(old.size(), 10);
    const QStringList utf8 = WordList::Read(QByteArray("\xef\xbb\xbfk\xc3\xb6rte\n") + Lines(9, "\n") + "\n\n", "w");
    EXPECT_EQ(utf8.first(), "körte");
    EXPECT_EQ(utf8.size(), 10);
}

TEST(WordListTest, TooFewWordsFailNamingTheFileAndTooManyAreCut)
{
    try {
        WordList::Read(Lines(9, "\n") + "\n\n\n", "/res/etc/words.txt");
        FAIL() << "nine words were taken";
    } catch (const TCourseError& error) {
        EXPECT_TRUE(error.Message().contains("/res/etc/words.txt")) << error.Message().toStdString();
    }
    const QStringList words = WordList::Read(Lines(300, "\n"), "w");
    EXPECT_EQ(words.size(), 255);
    EXPECT_EQ(words.last(), "szo255");
}

TEST(ComboNamesTest, ShortDigitFirstAndCaseTwinsAreRefused)
{
    const QStringList girls = {"Nóra", "Éva", "Veronika"};
    EXPECT_TRUE(TListComboForm::ValidNewName("Zsófia", girls));
    EXPECT_TRUE(TListComboForm::ValidNewName("Ida", girls));
    EXPECT_FALSE(TListComboForm::ValidNewName("Jo", girls));
    EXPECT_FALSE(TListComboForm::ValidNewName("3Anna", girls));
    EXPECT_FALSE(TListComboForm::ValidNewName("nóra", girls));
    EXPECT_FALSE(TListComboForm::ValidNewName("éva", girls));
    EXPECT_FALSE(TListComboForm::ValidNewName("VERONIKA", girls));
}

TEST(DragListBoxTest, SortedModeFollowsHungarianOrder)
{
    TDragListBox box(nullptr, QRect(0, 0, 100, 100),
                     {"Fogoly", "Bagoly", "Karvaly", "Ölyv", "Gólya", "Sólyom", "Papagáj", "Fürj", "Héja", "Varjú"});
    box.SetSorted(true);
    EXPECT_EQ(box.Items(), QStringList({"Bagoly", "Fogoly", "Fürj", "Gólya", "Héja", "Karvaly", "Ölyv", "Papagáj",
                                        "Sólyom", "Varjú"}));
    box.Add("Ostor");
    box.Add("Őz");
    EXPECT_EQ(box.Items().mid(5, 4), QStringList({"Karvaly", "Ostor", "Ölyv", "Őz"}));
}

} // namespace
