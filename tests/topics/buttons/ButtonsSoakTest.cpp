#include "ButtonsCourse.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

#include <random>

namespace {

// A long, seeded stream of random keys, Alt-letters, clicks and waits on each page of the topic.
class ButtonsSoakTest : public ButtonsCourse, public ::testing::WithParamInterface<TButtonsStop> {
protected:
    void SetUp() override
    {
        std::mt19937 draws(11);
        std::vector<int> sequence;
        for (int i = 0; i < 500; ++i)
            sequence.push_back(static_cast<int>(draws() % 10));
        random = TFixedRandom(sequence);
        OpenButtonsTopic();
    }

    int Pick(int n) { return input.Pick(n); }

    void RandomKey()
    {
        if (Pick(12) == 0) {
            PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
            return;
        }
        input.Key({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Left,
                   Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_CapsLock, Qt::Key_F1});
    }

    void AltLetter()
    {
        input.Key({Qt::Key_E, Qt::Key_C, Qt::Key_Y, Qt::Key_N, Qt::Key_L, Qt::Key_Q, Qt::Key_X},
                  {Qt::AltModifier, Qt::AltModifier | Qt::ShiftModifier});
    }

    // A move that takes the learner on: the page's own task done right.
    void HelpfulMove()
    {
        if (auto* quiz = CurrentPageAs<TGombKerdesekForm>()) {
            for (int q = 1; q <= 12; ++q) {
                const auto row = quiz->Row(q);
                if (!row.empty() && row.front()->isEnabled() && row.front()->isVisible()) {
                    Click(row[static_cast<std::size_t>(Pick(static_cast<int>(row.size())))]);
                    return;
                }
            }
            Click(quiz->imgHelp());
            return;
        }
        static const std::pair<const char*, TButtonsStop> pages[] = {
            {"GombGombForm", TButtonsStop::Plain},         {"GombSokfalytaForm", TButtonsStop::Shapes},
            {"GombFokuszosForm", TButtonsStop::Focus},     {"GombTabulatorForm", TButtonsStop::Tab},
            {"GombInaktivForm", TButtonsStop::Inactive},   {"GombAcceleratedForm", TButtonsStop::Accelerator},
            {"GombEszkoztarakForm", TButtonsStop::ToolBar}, {"GombKirakoForm", TButtonsStop::Puzzle},
            {"GombAngolForm", TButtonsStop::English},      {"Ertekeles", TButtonsStop::QuizRating},
        };
        for (const auto& [name, stop] : pages)
            if (CurrentPageName() == QLatin1String(name))
                return Pass(stop);
    }

    TRandomInput input{*this, 20240611};
};

TEST_P(ButtonsSoakTest, RandomInputOnEveryPage)
{
    GoTo(GetParam());
    ASSERT_FALSE(HasFailure());
    input.Seed(2000 + static_cast<unsigned>(GetParam()));
    TPageSoak soak;
    soak.topic = "GOMBOK";
    soak.pages = {"GombGombForm",    "GombSokfalytaForm",   "GombFokuszosForm",    "GombTabulatorForm",
                  "GombInaktivForm", "GombAcceleratedForm", "GombEszkoztarakForm", "GombKirakoForm",
                  "GombAngolForm",   "GombKerdesekForm",    "Ertekeles"};
    soak.events = 200;
    soak.kinds = {
        {25, [&] { input.Character(QStringLiteral("eEcCyYnNlLqQrRtTáő0 5,.-")); }},
        {20, [&] { RandomKey(); }},
        {10, [&] { AltLetter(); }},
        {10, [&] { input.HalfKey(); }},
        {20, [&] { input.Click(); }},
        {7, [&] { input.Wait(3000); }},
        {8, [&] { HelpfulMove(); }},
    };
    const QStringList visited = soak.Run(*this, input);
    RecordProperty("visited", visited.join(",").toStdString());
}

INSTANTIATE_TEST_SUITE_P(Pages, ButtonsSoakTest, ::testing::ValuesIn(AllButtonsStops()), ButtonsStopName);

} // namespace
