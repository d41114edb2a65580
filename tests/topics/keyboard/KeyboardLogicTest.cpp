#include "topics/keyboard/HuntPool.h"
#include "topics/keyboard/KeyboardResults.h"
#include "topics/keyboard/KeyboardRoad.h"
#include "topics/keyboard/PracticeSteps.h"

#include "framework/Canvas.h"
#include "framework/GraphObj.h"
#include "platform/FixedRandom.h"
#include "platform/VirtualKey.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using namespace KeyboardResults;

TEST(KeyboardResultsTest, ErrorRatingChangesAtItsBoundaries)
{
    const QString none = "Szuper, hibátlanul dolgoztál!";
    const QString few = "Egy-két hiba még nem veszélyes.";
    const QString some = "Figyelmesebben gépelj!";
    const QString many = "Bizony, ezt még gyakorolnod kell!";
    const std::pair<int, QString> cases[] = {{0, none}, {1, few}, {2, few}, {3, some},
                                             {5, some}, {6, many}, {256, many}};
    for (const auto& [errors, rating] : cases)
        EXPECT_EQ(ErrorRating(errors), rating) << errors;
}

TEST(KeyboardResultsTest, TimeRatingChangesAtItsBoundaries)
{
    const std::pair<int, const char*> cases[] = {
        {0, "Hűha, villámgyors a kezed!"},          {10, "Hűha, villámgyors a kezed!"},
        {11, "Szuper jó az időeredményed!"},         {20, "Szuper jó az időeredményed!"},
        {21, "Nagyon jó az időeredményed!"},         {30, "Nagyon jó az időeredményed!"},
        {31, "Elfogadható az időeredményed!"},       {59, "Elfogadható az időeredményed!"},
        {60, "Ez még éppen elfogadható időeredmény!"}, {90, "Ez még éppen elfogadható időeredmény!"},
        {91, "Igyekezz egy kicsit, mert ez így nagyon lassú!"},
    };
    for (const auto& [seconds, rating] : cases)
        EXPECT_EQ(TimeRating(seconds), QString::fromUtf8(rating)) << seconds;
}

TEST(KeyboardResultsTest, PerformanceNeverShowsANegativeScore)
{
    EXPECT_EQ(Performance(0), "10/10");
    EXPECT_EQ(Performance(2), "10/8");
    EXPECT_EQ(Performance(10), "10/0");
    EXPECT_EQ(Performance(13), "10/0");
}

TEST(KeyboardResultsTest, HuntResultReadsLineByLine)
{
    const QStringList lines = HuntResult("R2", "Anna", "Elsős", 4, 75).split("<BR>");
    const QStringList expected = {
        "Témakör: Billentyűzet", "Feladat: Második betűvadászat", "", "Név: Anna", "Évfolyam: Elsős",
        "Teljesítmény: 10/6", "Értékelés: Figyelmesebben gépelj!", "Idő: 01:15",
        "Értékelés: Ez még éppen elfogadható időeredmény!", "", "Ha elolvastad, akkor nyomd meg az L billentyűt!",
    };
    EXPECT_EQ(lines, expected);

    // A hunt that was not started by the keyboard module has no task line.
    EXPECT_TRUE(HuntResult("", "Anna", "Elsős", 0, 5).startsWith("Témakör: Billentyűzet<BR>Név: Anna<BR>"));
    EXPECT_TRUE(HuntResult("R1", "A", "B", 0, 5).contains("<BR>Feladat: Első betűvadászat<BR><BR>Név: A"));
    EXPECT_TRUE(HuntResult("R3", "A", "B", 0, 5).contains("<BR>Feladat: Harmadik betűvadászat<BR><BR>Név: A"));
}

TEST(KeyboardResultsTest, WordsResultReadsLineByLine)
{
    const QStringList lines = WordsResult("Bence", "másodikas", 1).split("<BR>");
    const QStringList expected = {
        "Témakör: Billentyűzet", "Feladat: Szavak gépelése", "", "Név: Bence", "Évfolyam: másodikas",
        "Teljesítmény: 10/9", "Értékelés: Egy-két hiba még nem veszélyes.", "",
        "Ha elolvastad, akkor nyomd meg az L billentyűt!",
    };
    EXPECT_EQ(lines, expected);
}

TEST(HuntPoolTest, PoolsHoldDistinctCharactersOfTheirKind)
{
    EXPECT_EQ(HuntPool::Letters().size(), 70);
    EXPECT_EQ(HuntPool::Signs().size(), 22);
    EXPECT_EQ(HuntPool::Everything().size(), 102);
    for (const QString* pool : {&HuntPool::Letters(), &HuntPool::Signs(), &HuntPool::Everything()}) {
        QSet<QChar> seen;
        for (QChar c : *pool) {
            EXPECT_FALSE(seen.contains(c)) << "twice: " << QString(c).toStdString();
            seen.insert(c);
        }
    }
    for (QChar c : HuntPool::Letters())
        EXPECT_TRUE(c.isLetter()) << QString(c).toStdString();
    for (QChar c : HuntPool::Signs())
        EXPECT_FALSE(c.isLetterOrNumber()) << QString(c).toStdString();
    EXPECT_EQ(HuntPool::Signs().front(), QChar(0xA7));
    EXPECT_EQ(HuntPool::Signs().back(), QChar('*'));
    EXPECT_TRUE(HuntPool::Everything().endsWith("*0123456789"));

    EXPECT_EQ(HuntPool::ForStep("R1"), HuntPool::Letters());
    EXPECT_EQ(HuntPool::ForStep("R2"), HuntPool::Signs());
    EXPECT_EQ(HuntPool::ForStep("R3"), HuntPool::Everything());
    EXPECT_FALSE(HuntPool::ForStep("r1"));
    EXPECT_FALSE(HuntPool::ForStep(""));
}

// Hands out every number of its range once, in order.
class TSweepRandom : public IRandomSource {
public:
    int Random(int n) override { return n > 0 ? next_++ % n : 0; }
    void Randomize() override {}
    void Seed(std::uint32_t) override {}

private:
    int next_ = 0;
};

TEST(HuntPoolTest, FirstCharacterIsTwiceAsLikelyAsEachOther)
{
    const int length = 4;
    TSweepRandom sweep;
    std::vector<int> counts(length + 1, 0);
    for (int i = 0; i < (length + 1) * 10000; ++i)
        ++counts.at(HuntPool::DrawPosition(length, sweep));
    EXPECT_EQ(counts, (std::vector<int>{0, 20000, 10000, 10000, 10000}));
}

TEST(HuntPoolTest, DrawCoversEveryPositionOfALongPool)
{
    TFixedRandom edges({0, 9999, 10000, 19999, 20000, 709999});
    const int length = 70;
    std::vector<int> drawn;
    for (int i = 0; i < 6; ++i)
        drawn.push_back(HuntPool::DrawPosition(length, edges));
    EXPECT_EQ(drawn, (std::vector<int>{1, 1, 1, 1, 2, 70}));

    TFixedRandom any({5});
    EXPECT_EQ(HuntPool::DrawPosition(0, any), 0);
}

using KeyboardRoad::Next;
using KeyboardRoad::TMove;
using KeyboardRoad::TPage;

struct TRoadCase {
    const char* page;
    std::optional<const char*> stepReady;
    TMove move;
    TPage next;
    const char* step;
    bool removeStepReady;
};

TEST(KeyboardRoadTest, EveryRowOfTheRoad)
{
    const TRoadCase cases[] = {
        {"OSZTALYBE", std::nullopt, TMove::SwitchTo, TPage::Billentyuzet, "T", false},
        {"OSZTALYBE", "R1_READY", TMove::SwitchTo, TPage::Billentyuzet, "T", false},
        {"BILLENTYUZET", "T_READY", TMove::ShowAgain, TPage::None, "CAPSLOCK", true},
        {"BILLENTYUZET", "CAPSLOCK_READY", TMove::ShowAgain, TPage::None, "SHIFT", true},
        {"BILLENTYUZET", "SHIFT_READY", TMove::SwitchTo, TPage::Betuvadaszat, "R1", true},
        {"BILLENTYUZET", "FELSO_READY", TMove::ShowAgain, TPage::None, "ALSO", true},
        {"BILLENTYUZET", "ALSO_READY", TMove::ShowAgain, TPage::None, "HÁROMBILL", true},
        {"BILLENTYUZET", "HÁROMBILL_READY", TMove::SwitchTo, TPage::Betuvadaszat, "R2", true},
        {"BILLENTYUZET", "NUMLOCK_READY", TMove::SwitchTo, TPage::Szogepeles, "SZAMOK", true},
        {"BILLENTYUZET", "ESC_READY", TMove::SwitchTo, TPage::Ertekeles, "", true},
        {"BILLENTYUZET", "HAROMBILL_READY", TMove::Nothing, TPage::None, "", false},
        {"BILLENTYUZET", "t_ready", TMove::Nothing, TPage::None, "", false},
        {"BILLENTYUZET", std::nullopt, TMove::Nothing, TPage::None, "", false},
        {"BETUVADASZAT", "R2_READY", TMove::SwitchTo, TPage::Ertekeles, "", false},
        {"ERTEKELES", "R1_READY", TMove::SwitchTo, TPage::Billentyuzet, "FELSO", true},
        {"ERTEKELES", "R2_READY", TMove::SwitchTo, TPage::Billentyuzet, "NUMLOCK", true},
        {"ERTEKELES", "SZAVAK_READY", TMove::SwitchTo, TPage::Billentyuzet, "ESC", true},
        {"ERTEKELES", "R3_READY", TMove::SwitchTo, TPage::BillInfo, "", true},
        {"ERTEKELES", "SZAMOK_READY", TMove::Nothing, TPage::None, "", false},
        {"ERTEKELES", std::nullopt, TMove::Nothing, TPage::None, "", false},
        {"SZOGEPELES", "SZAMOK_READY", TMove::SwitchTo, TPage::Betuvadaszat, "R3", true},
        {"SZOGEPELES", "SZAVAK_READY", TMove::SwitchTo, TPage::Ertekeles, "", false},
        {"SZOGEPELES", "R3_READY", TMove::Nothing, TPage::None, "", false},
        {"BILLINFO", std::nullopt, TMove::SwitchTo, TPage::Szogepeles, "SZAVAK", false},
        {"NAVBEKER", std::nullopt, TMove::Unknown, TPage::None, "", false},
        {"Billentyuzet", "T_READY", TMove::Unknown, TPage::None, "", false},
    };
    for (const TRoadCase& c : cases) {
        const std::optional<QString> stepReady =
            c.stepReady ? std::optional<QString>(QString::fromUtf8(*c.stepReady)) : std::nullopt;
        const auto action = Next(c.page, stepReady);
        const std::string where = std::string(c.page) + " / " + (c.stepReady ? *c.stepReady : "(none)");
        EXPECT_EQ(action.move, c.move) << where;
        EXPECT_EQ(action.page, c.next) << where;
        EXPECT_EQ(action.step, QString::fromUtf8(c.step)) << where;
        EXPECT_EQ(action.removeStepReady, c.removeStepReady) << where;
        EXPECT_EQ(action.closing, std::string(c.page) == "BILLENTYUZET" && stepReady == "ESC_READY") << where;
    }
}

TEST(KeyboardRoadTest, ClosingTextKeepsItsQuotedTopicName)
{
    const QString text = KeyboardRoad::ClosingText();
    EXPECT_TRUE(text.startsWith("<BR>Ezzel befejeződött a \"Billentyűzet\" témakör."));
    EXPECT_TRUE(text.endsWith("<BR>Szia!"));
    EXPECT_EQ(text.count("<BR>"), 4);
}

TEST(PracticeStepsTest, EachStepHasOneCompletingKey)
{
    using namespace PracticeSteps;
    EXPECT_TRUE(CompletedByCharacter("T", 'T', false));
    EXPECT_TRUE(CompletedByCharacter("T", 't', false));
    EXPECT_FALSE(CompletedByCharacter("T", 'z', false));
    EXPECT_FALSE(CompletedByCharacter("SHIFT", 'T', false));
    EXPECT_TRUE(CompletedByCharacter("SHIFT", 't', true)); // Caps Lock still on
    EXPECT_TRUE(CompletedByCharacter("FELSO", QChar(0xA7), false));
    EXPECT_FALSE(CompletedByCharacter("FELSO", '0', true));
    EXPECT_TRUE(CompletedByCharacter("ALSO", '@', false));
    EXPECT_FALSE(CompletedByCharacter("ALSO", 'v', false));
    EXPECT_TRUE(CompletedByCharacter(QStringLiteral("HÁROMBILL"), '~', false));
    EXPECT_FALSE(CompletedByCharacter("CAPSLOCK", 't', false));

    EXPECT_TRUE(CompletedByKeyDown("CAPSLOCK", VirtualKey::Capital));
    EXPECT_TRUE(CompletedByKeyDown("NUMLOCK", VirtualKey::NumLock));
    EXPECT_TRUE(CompletedByKeyDown("ESC", VirtualKey::Escape));
    for (const char* step : {"T", "SHIFT", "FELSO", "CAPSLOCK", "NUMLOCK", ""})
        EXPECT_FALSE(CompletedByKeyDown(step, VirtualKey::Escape)) << step;
    EXPECT_FALSE(CompletedByKeyDown("T", 'T'));
}

TEST(PracticeStepsTest, EscapeStepTakesTheLeftHandAway)
{
    using namespace PracticeSteps;
    const auto esc = Hands("ESC");
    ASSERT_EQ(esc.size(), 1u);
    EXPECT_EQ(esc[0].hand, THand::Right);
    EXPECT_EQ(esc[0].topLeft, QPoint(45, 165));
    for (const char* step : {"T", "CAPSLOCK", "SHIFT", "FELSO", "ALSO", "NUMLOCK"}) {
        const auto hands = Hands(step);
        ASSERT_EQ(hands.size(), 2u) << step;
        EXPECT_NE(hands[0].hand, hands[1].hand) << step;
    }
    EXPECT_EQ(Hands(QStringLiteral("HÁROMBILL")).size(), 2u);
    EXPECT_TRUE(Hands("R1").empty());
}

// Large opaque hands over a picture where every pixel differs: the steps' hands then overlap the
// other hand's earlier place, and any pixel put back wrongly shows.
TEST(PracticeStepsTest, HandsComeOffWithoutTracesWhateverTheyOverlap)
{
    QImage keyboard(1024, 768, QImage::Format_RGB888);
    for (int y = 0; y < keyboard.height(); ++y)
        for (int x = 0; x < keyboard.width(); ++x)
            keyboard.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 40 + (y / 256) * 7));
    const QImage clean = keyboard;
    TCanvas canvas(&keyboard);
    auto hand = [](QRgb colour) {
        QImage picture(330, 260, QImage::Format_ARGB32);
        picture.fill(colour);
        return picture;
    };
    TGraphObj left;
    TGraphObj right;
    left.SetCanvas(&canvas);
    left.SetGraphic(hand(qRgba(250, 10, 10, 255)));
    right.SetCanvas(&canvas);
    right.SetGraphic(hand(qRgba(10, 10, 250, 255)));

    std::vector<TGraphObj*> drawn;
    for (const char* step : {"T", "CAPSLOCK", "SHIFT", "FELSO", "ALSO", "HÁROMBILL", "NUMLOCK", "ESC", "T"}) {
        PracticeSteps::PlaceHands(left, right, PracticeSteps::Hands(QString::fromUtf8(step)), drawn);
        QRegion covered;
        for (const TGraphObj* h : drawn)
            covered += QRect(h->Position(), h->Size());
        int traces = 0;
        for (int y = 0; y < keyboard.height(); ++y)
            for (int x = 0; x < keyboard.width(); ++x)
                if (keyboard.pixel(x, y) != clean.pixel(x, y) && !covered.contains(QPoint(x, y)))
                    ++traces;
        EXPECT_EQ(traces, 0) << step;
        // The hand placed last lies on top.
        const TGraphObj* top = drawn.back();
        const QPoint inside = (QRect(top->Position(), top->Size()) & keyboard.rect()).center();
        EXPECT_EQ(keyboard.pixel(inside), top == &left ? qRgb(250, 10, 10) : qRgb(10, 10, 250)) << step;
    }
    PracticeSteps::PlaceHands(left, right, {}, drawn);
    EXPECT_EQ(keyboard, clean);
}

} // namespace
