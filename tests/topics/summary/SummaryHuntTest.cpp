#include "SummaryCourse.h"

#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "shell/IModule.h"
#include "topics/summary/OsszeFoglEgerForm.h"
#include "topics/summary/OsszefoglBill2Form.h"
#include "topics/summary/SummaryHuntResult.h"

#include <QLabel>

namespace {

class SummaryHuntTest : public SummaryCourse {
protected:
    void SetUp() override { OpenSummaryTopic(); }

    QString Target() { return On<TOsszefoglBill2Form>()->txtBetuMutat()->text(); }
    QString EvaluationText() const
    {
        auto* page = CurrentPageAs<TErtekeles>();
        return page ? page->Text() : QString();
    }
};

TEST_F(SummaryHuntTest, HalfAMinuteCountsDownAndTheHitsGoToTheEvaluation)
{
    PressKey(Qt::Key_Return); // the review's "Tovább" has the focus
    auto* hunt = On<TOsszefoglBill2Form>();
    ASSERT_NE(hunt, nullptr);
    EXPECT_FALSE(hunt->btnTovabb()->isVisible());
    EXPECT_EQ(hunt->feladat()->Texts().join(' '),
              "Most betűkre vadászhatsz. A kék panel mutatja, hogy mit gépelj! Ha rossz, akkor a zöld panelben "
              "megjelenik az elgépelt betű. Fél perc alatt próbálj minél több betűt eltalálni! Indítás: ENTER.");
    PressKey(Qt::Key_Return);
    time.Advance(1000);
    EXPECT_EQ(hunt->txtIdo()->text(), "00:30");
    for (int i = 0; i < 12; ++i) // more than the keyboard topic's ten
        TypeText(Target());
    TypeText("#");
    TypeText("#"); // a repeated wrong character counts once
    time.Advance(29000);
    EXPECT_EQ(hunt->txtIdo()->text(), "00:01");
    EXPECT_EQ(sound.PlayedNames().count("1_katt1.wav"), 13); // the start and every hit
    time.Advance(1000);

    EXPECT_EQ(EvaluationText(), "Témakör: Összefoglalás<BR>Feladat: Betűvadászat<BR><BR>Név: Anna<BR>Helyesen "
                                "leütött betűk: 12<BR>Értékelés: Lehetnél egy kicsit gyorsabb!<BR><BR>Rosszul "
                                "leütött betűk: 1<BR>Értékelés: Egy-két hiba még nem veszélyes.<BR>Ha elolvastad, "
                                "akkor nyomd meg az L billentyűt!");
    EXPECT_EQ(BoardText("2ND_ROUND"), QString("2ND_Round"));
}

TEST_F(SummaryHuntTest, TovabbComesFromTheSecondRoundTakesNoKeysAndLeavesForTheMouseReview)
{
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Return);
    time.Advance(31000);
    ASSERT_TRUE(EvaluationText().contains("Helyesen leütött betűk: 0<BR>Értékelés: Igyekezz egy kicsit"));
    TypeText("l");
    auto* hunt = On<TOsszefoglBill2Form>();
    ASSERT_NE(hunt, nullptr);
    EXPECT_TRUE(hunt->btnTovabb()->isVisible());
    EXPECT_FALSE(BoardText("2ND_ROUND")); // the round after this one offers it again

    PressKey(Qt::Key_Tab); // no tab stop to go to: the button takes no focus
    PressKey(Qt::Key_Space);
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Space);
    ASSERT_EQ(CurrentPage(), hunt);
    EXPECT_EQ(hunt->Errors(), 1);
    // Clicks beside the button give the keys back to the hunt.
    for (QWidget* clicked : std::initializer_list<QWidget*>{hunt->txtBetuMutat(), hunt->txtIdo(), hunt->feladat()}) {
        hunt->clearFocus();
        ClickPageAt(clicked->geometry().center());
        EXPECT_TRUE(hunt->hasFocus()) << clicked->metaObject()->className();
    }
    TypeText(Target());
    EXPECT_EQ(hunt->Hits(), 1);

    Click(hunt->btnTovabb());
    EXPECT_NE(On<TOsszeFoglEgerForm>(), nullptr);
    EXPECT_FALSE(BoardText("ACTION"));
}

// The summary module moves on when the time is up; one that keeps the page shows what the
// finished hunt itself does with keys.
class TKeepingModule : public IModule {
public:
    explicit TKeepingModule(std::shared_ptr<IModuleController> controller) : controller_(std::move(controller)) {}
    void Start() override {}
    void Notify() override { ++notified; }
    void Stop() override {}
    void SetController(std::shared_ptr<IModuleController> controller) override { controller_ = std::move(controller); }
    std::shared_ptr<IModuleController> GetController() const override { return controller_; }
    int notified = 0;

private:
    std::shared_ptr<IModuleController> controller_;
};

TEST_F(SummaryHuntTest, NoKeyStartsAFinishedHuntAgain)
{
    auto module = std::make_shared<TKeepingModule>(bitlak->Controller());
    auto* hunt = new TOsszefoglBill2Form;
    hunt->SetModule(module);
    hunt->ShowPage();
    PressKey(Qt::Key_Return);
    TypeText(Target());
    time.Advance(31000);
    ASSERT_EQ(module->notified, 1);

    sound.Clear();
    PressKey(Qt::Key_Return);
    TypeText(Target());
    TypeText("#");
    time.Advance(5000);
    EXPECT_EQ(hunt->Hits(), 1);
    EXPECT_EQ(hunt->Errors(), 0);
    EXPECT_EQ(hunt->txtIdo()->text(), "00:00");
    EXPECT_TRUE(sound.PlayedNames().isEmpty());
    EXPECT_EQ(module->notified, 1);
    hunt->ClosePage();
    Settle();
}

TEST(SummaryHuntResult, RatingsChangeAtTheirEdges)
{
    EXPECT_EQ(SummaryHuntResult::SpeedRating(8), "Igyekezz egy kicsit, ez így nagyon lassú!");
    EXPECT_EQ(SummaryHuntResult::SpeedRating(9), "Lehetnél egy kicsit gyorsabb!");
    EXPECT_EQ(SummaryHuntResult::SpeedRating(30), "Szuper az eredményed!");
    EXPECT_EQ(SummaryHuntResult::SpeedRating(31), "Ez bizony fantasztikus eredmény!");
    EXPECT_EQ(SummaryHuntResult::ErrorRating(0), "Hibátlanul dolgoztál!");
    EXPECT_EQ(SummaryHuntResult::ErrorRating(1), "Egy-két hiba még nem veszélyes.");
    EXPECT_EQ(SummaryHuntResult::ErrorRating(10), "Figyelmesebben gépelj!");
    EXPECT_EQ(SummaryHuntResult::ErrorRating(11), "Bizony, ezt még gyakorolnod kell!");
}

} // namespace
