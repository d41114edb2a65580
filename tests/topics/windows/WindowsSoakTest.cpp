#include "WindowsCourse.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

namespace {

// A seeded stream of presses, clicks, drags of titles, edges and icons, keys and waits on each page
// of the topic; the lesson's windows never leave the screen.
class WindowsSoakTest : public WindowsCourse, public ::testing::WithParamInterface<int> {
protected:
    int Pick(int n) { return input.Pick(n); }

    void RandomKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab,  Qt::Key_Left,
                                       Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Delete, Qt::Key_F4};
        static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                                          Qt::AltModifier};
        const Qt::Key key = keys[Pick(std::size(keys))];
        const Qt::KeyboardModifiers modifier = modifiers[Pick(std::size(modifiers))];
        // Alt+F4 with the page itself active ends the course, as on every page; on a window it is
        // that window's close.
        TWindowGroup* group = TWindowGroup::Find(CurrentPage());
        if (key == Qt::Key_F4 && group && group->Active())
            PressOnStage(key, Qt::AltModifier);
        else if (key != Qt::Key_F4)
            PressKey(key, modifier);
    }

    // A press somewhere on one of the page's windows, often its title or an edge, dragged anywhere.
    void RandomDrag()
    {
        std::vector<TPracticeWindow*> shown;
        if (TWindowGroup* group = TWindowGroup::Find(CurrentPage()))
            for (TPracticeWindow* window : group->Windows())
                if (window->isVisible())
                    shown.push_back(window);
        if (shown.empty())
            return void(input.Click());
        TPracticeWindow* window = shown.at(Pick(static_cast<int>(shown.size())));
        const int w = window->width();
        const int h = window->height();
        const QPoint starts[] = {{Pick(w), 10}, {1, Pick(h)}, {w - 2, h - 2}, {Pick(w), h - 2}, {Pick(w), Pick(h)}};
        const QPoint delta(Pick(1400) - 700, Pick(1000) - 500);
        if (auto* icons = qobject_cast<TMasolFrom*>(window); icons && !icons->Set().empty() && Pick(2) == 0) {
            const int icon = *std::next(icons->Set().begin(), Pick(static_cast<int>(icons->Set().size())));
            WindowsMoves::DragIcon(*this, *icons, icon, *shown.at(Pick(static_cast<int>(shown.size()))),
                                   Pick(2) == 0, Pick(2) == 0);
            return;
        }
        WindowsMoves::DragWindow(*this, *window, starts[Pick(std::size(starts))], delta, 1 + Pick(5));
    }

    void CheckWindowsOnScreen()
    {
        auto* lesson = CurrentPageAs<TWndKezelForm>();
        if (!lesson)
            return;
        for (TKezelWndForm* window : {lesson->Window1(), lesson->Window2()})
            EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(window->geometry()))
                << window->Tag() << " at step " << lesson->Step();
    }

    TRandomInput input{*this, static_cast<unsigned>(GetParam()) * 7919u + 3u};
};

TEST_P(WindowsSoakTest, SeededLearnerOnOnePage)
{
    auto* start = Reach<TBaseForm>(static_cast<TWindowsStop>(GetParam()));
    ASSERT_NE(start, nullptr);
    TPageSoak soak;
    soak.topic = "ABLAKOK";
    soak.onePage = true;
    soak.kinds = {
        {1, [&] { RandomKey(); }},
        {1, [&] { input.Click(); }},
        {1, [&] { input.DoubleClick(); }},
        {1, [&] { time.Advance(100 + Pick(2500)); }},
        {2, [&] { RandomDrag(); }},
    };
    soak.afterEvent = [&](int) { CheckWindowsOnScreen(); };
    soak.Run(*this, input);
    const QString now = CurrentPageName();
    EXPECT_TRUE(now.startsWith("Wnd") || now == "Ertekeles" || now == "ModulValaszt") << now.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pages, WindowsSoakTest, ::testing::Range(0, 5));

} // namespace
