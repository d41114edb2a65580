#include "ButtonsCourse.h"
#include "support/RandomInput.h"

#include <random>

namespace {

// A long, seeded stream of random keys, Alt-letters, clicks and waits on each page of the topic:
// nothing may crash, raise an error or leak a page, and the learner stays in the topic or gets
// back home.
class ButtonsSoakTest : public ButtonsCourse, public ::testing::WithParamInterface<TButtonsStop> {
protected:
    static constexpr int Events = 200;

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
    const QStringList topicPages = {"GombGombForm",        "GombSokfalytaForm",   "GombFokuszosForm", "GombTabulatorForm",
                                    "GombInaktivForm",     "GombAcceleratedForm", "GombEszkoztarakForm",
                                    "GombKirakoForm",      "GombAngolForm",       "GombKerdesekForm", "Ertekeles"};
    QStringList visited;
    for (int i = 0; i < Events; ++i) {
        TBaseForm* page = CurrentPage();
        ASSERT_NE(page, nullptr) << "event " << i;
        const QString name = page->GetPageName();
        if (!visited.contains(name))
            visited << name;
        if (auto* chooser = CurrentPageAs<TModulValaszt>()) {
            Click(chooser->Tile(1, 3)); // back into the topic
            continue;
        }
        ASSERT_TRUE(topicPages.contains(name)) << name.toStdString();

        const int kind = Pick(100);
        if (kind < 25)
            input.Character(QStringLiteral("eEcCyYnNlLqQrRtTáő0 5,.-"));
        else if (kind < 45)
            RandomKey();
        else if (kind < 55)
            AltLetter();
        else if (kind < 65)
            input.HalfKey();
        else if (kind < 85)
            input.Click();
        else if (kind < 92)
            input.Wait(3000);
        else
            HelpfulMove();

        ASSERT_EQ(PagesAlive(), 1) << "event " << i << " on " << name.toStdString();
        ASSERT_FALSE(ErrorBoxShown()) << "event " << i << " on " << name.toStdString() << ": "
                                      << messages.Texts().join(" | ").toStdString();
        ASSERT_FALSE(messages.Texts().contains("No selected form ")) << "event " << i;
        ASSERT_EQ(terminations, 0);
    }
    RecordProperty("visited", visited.join(",").toStdString());
}

INSTANTIATE_TEST_SUITE_P(Pages, ButtonsSoakTest, ::testing::ValuesIn(AllButtonsStops()), ButtonsStopName);

} // namespace
