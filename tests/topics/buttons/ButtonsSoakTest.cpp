#include "ButtonsCourse.h"

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

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    void RandomCharacter()
    {
        static const QString characters = QStringLiteral("eEcCyYnNlLqQrRtTáő0 5,.-");
        TypeText(QString(characters.at(Pick(static_cast<int>(characters.size())))));
    }

    void RandomKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab,
                                       Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                       Qt::Key_CapsLock, Qt::Key_F1};
        const Qt::Key key = keys[Pick(std::size(keys))];
        PressKey(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }

    void AltLetter()
    {
        static const Qt::Key letters[] = {Qt::Key_E, Qt::Key_C, Qt::Key_Y, Qt::Key_N, Qt::Key_L, Qt::Key_Q, Qt::Key_X};
        PressKey(letters[Pick(std::size(letters))], Qt::AltModifier | (Pick(2) ? Qt::ShiftModifier : Qt::NoModifier));
    }

    // A key going down or up on its own, as a held Space, Enter or letter does.
    void HalfKey()
    {
        static const std::pair<int, const char*> keys[] = {
            {Qt::Key_Space, " "}, {Qt::Key_Return, "\r"}, {Qt::Key_E, "e"}, {Qt::Key_E, "E"}, {Qt::Key_Shift, ""}};
        const auto& [key, text] = keys[Pick(std::size(keys))];
        TBaseForm* page = CurrentPage();
        QWidget* target = page->focusWidget() ? page->focusWidget() : page;
        SendKey(target, Pick(2) == 0 ? QEvent::KeyPress : QEvent::KeyRelease, key, QString::fromLatin1(text));
    }

    void RandomClick()
    {
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const QPoint at(Pick(1024), Pick(768));
        ClickPageAt(at, buttons[Pick(std::size(buttons))]);
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

    std::mt19937 rng{20240611};
};

TEST_P(ButtonsSoakTest, RandomInputOnEveryPage)
{
    GoTo(GetParam());
    ASSERT_FALSE(HasFailure());
    rng.seed(2000 + static_cast<unsigned>(GetParam()));
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
            RandomCharacter();
        else if (kind < 45)
            RandomKey();
        else if (kind < 55)
            AltLetter();
        else if (kind < 65)
            HalfKey();
        else if (kind < 85)
            RandomClick();
        else if (kind < 92)
            time.Advance(Pick(3000));
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
