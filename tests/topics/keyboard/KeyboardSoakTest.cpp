#include "KeyboardCourse.h"
#include "KeyboardMoves.h"

#include <random>

namespace {

// A long stream of random keys, clicks and waits on each page of the topic: nothing may crash,
// raise an error or leak a page, and the learner stays in the topic or gets back home.
class KeyboardSoakTest : public KeyboardCourse, public ::testing::WithParamInterface<TKeyboardStop> {
protected:
    static constexpr int Events = 300;

    void SetUp() override
    {
        // The pages draw from a long, fixed sequence.
        std::mt19937 draws(7);
        std::vector<int> sequence;
        for (int i = 0; i < 500; ++i)
            sequence.push_back(static_cast<int>(draws() % 2000000));
        random = TFixedRandom(sequence);
        OpenKeyboardTopic();
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    void RandomCharacter()
    {
        static const QString characters = QStringLiteral("tTlLqQaáőŐűzy0159§\"+!%/=()?~\\[]$<>#@{}* ,.-");
        TypeText(QString(characters.at(Pick(static_cast<int>(characters.size())))));
    }

    void RandomKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace,
                                       Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Delete, Qt::Key_F1};
        PressKey(keys[Pick(std::size(keys))]);
    }

    // A key going down or up on its own, as a held Shift, Enter or letter does.
    void HalfKey()
    {
        static const std::pair<int, const char*> keys[] = {
            {Qt::Key_Shift, ""}, {Qt::Key_Return, "\r"}, {Qt::Key_Escape, "\x1b"}, {Qt::Key_Backspace, "\b"},
            {Qt::Key_W, "w"}};
        const auto& [key, text] = keys[Pick(std::size(keys))];
        TBaseForm* page = CurrentPage();
        QWidget* target = page->focusWidget() ? page->focusWidget() : page;
        const bool down = Pick(2) == 0;
        SendKey(target, down ? QEvent::KeyPress : QEvent::KeyRelease, key, QString::fromLatin1(text),
                key == Qt::Key_Shift && !down ? Qt::ShiftModifier : Qt::NoModifier, Pick(4) == 0);
    }

    void RandomClick() { ClickPageAt(QPoint(Pick(1024), Pick(768))); }

    // A move that takes the learner on: the page's own task done right.
    void HelpfulMove()
    {
        if (!KeyboardMoves::Helpful(*this) && CurrentPageAs<TErtekeles>())
            Continue();
    }

    std::mt19937 rng{20240611};
};

TEST_P(KeyboardSoakTest, RandomInputOnEveryPage)
{
    GoTo(GetParam());
    rng.seed(1000 + static_cast<unsigned>(GetParam()));
    const QStringList topicPages = {"OsztalyBe", "Billentyuzet", "Betuvadaszat", "Szogepeles", "Ertekeles", "BillInfo"};
    QStringList visited;
    // Each new page or practice step the learner reaches; the helpful moves must get them along.
    int progress = 0;
    QPointer<TBaseForm> lastPage;
    QString lastStep;
    for (int i = 0; i < Events; ++i) {
        TBaseForm* page = CurrentPage();
        ASSERT_NE(page, nullptr) << "event " << i;
        const QString name = page->GetPageName();
        if (!visited.contains(name))
            visited << name;
        const QString step = CurrentPageAs<TBillentyuzet>() ? CurrentPageAs<TBillentyuzet>()->Step() : QString();
        if (page != lastPage || step != lastStep)
            ++progress;
        lastPage = page;
        lastStep = step;
        if (auto* chooser = CurrentPageAs<TModulValaszt>()) {
            Click(chooser->Tile(1, 1)); // back into the topic
            continue;
        }
        ASSERT_TRUE(topicPages.contains(name)) << name.toStdString();

        const int kind = Pick(100);
        if (kind < 35)
            RandomCharacter();
        else if (kind < 55)
            RandomKey();
        else if (kind < 65)
            HalfKey();
        else if (kind < 80)
            RandomClick();
        else if (kind < 90)
            time.Advance(Pick(3000));
        else
            HelpfulMove();

        ASSERT_EQ(PagesAlive(), 1) << "event " << i << " on " << name.toStdString();
        ASSERT_FALSE(ErrorBoxShown()) << "event " << i << " on " << name.toStdString() << ": "
                                      << messages.Texts().join(" | ").toStdString();
        ASSERT_EQ(terminations, 0);
    }
    const QString last = CurrentPageName();
    EXPECT_TRUE(topicPages.contains(last) || last == "ModulValaszt") << last.toStdString();
    EXPECT_GE(progress, 4) << "visited " << visited.join(",").toStdString();
    RecordProperty("visited", visited.join(",").toStdString());
}

INSTANTIATE_TEST_SUITE_P(Pages, KeyboardSoakTest, ::testing::ValuesIn(AllKeyboardStops()), StopName);

} // namespace
