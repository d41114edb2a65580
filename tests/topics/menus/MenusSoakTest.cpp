#include "MenusCourse.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

#include "framework/WindowGroup.h"

namespace {

// A seeded stream of Alt and its letters, F-keys and shortcuts, arrows, Enter, Esc, clicks and right
// clicks on each page of the topic: nothing may crash, raise an error or leak a page, no menu stays
// open on a page that is gone, and the learner stays in the topic or gets back home.
class MenusSoakTest : public MenusCourse, public ::testing::WithParamInterface<int> {
protected:
    static constexpr int Events = 150;

    int Pick(int n) { return input.Pick(n); }

    void RandomKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Alt,  Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right,
                                       Qt::Key_Up,   Qt::Key_Down,   Qt::Key_F1,     Qt::Key_F4,   Qt::Key_F5,
                                       Qt::Key_F10,  Qt::Key_Menu,   Qt::Key_T,      Qt::Key_A,    Qt::Key_E,
                                       Qt::Key_Space, Qt::Key_Tab};
        static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::AltModifier,
                                                          Qt::ControlModifier, Qt::ShiftModifier};
        const Qt::Key key = keys[Pick(std::size(keys))];
        const Qt::KeyboardModifiers modifier = modifiers[Pick(std::size(modifiers))];
        // Alt+F4 on the page itself ends the course, as on every page.
        if (key == Qt::Key_F4 && modifier == Qt::AltModifier)
            return;
        PressKey(key, modifier);
    }

    // A left or right press somewhere on the page, its windows or an open menu.
    void RandomClick() { ClickPageAt(QPoint(Pick(1024), Pick(768)), Pick(3) == 0 ? Qt::RightButton : Qt::LeftButton); }

    TRandomInput input{*this, static_cast<unsigned>(GetParam()) * 7907u + 11u};
};

TEST_P(MenusSoakTest, SeededLearnerOnOnePage)
{
    auto* start = Reach<TBaseForm>(static_cast<TMenusStop>(GetParam()));
    ASSERT_NE(start, nullptr);
    const TPageSoak soak{
        .topic = "MENUK",
        .events = Events,
        .kinds = {{3, [this] { RandomKey(); }},
                  {2, [this] { RandomClick(); }},
                  {1, [this] { input.Click(); }},
                  {1, [this] { time.Advance(100 + Pick(2500)); }}},
        .helpful = {1, [this] { MenusMoves::Helpful(*this); }},
        .onePage = true,
    };
    soak.Run(*this, input);
    const QString now = CurrentPageName();
    EXPECT_TRUE(now.startsWith("Menu") || now == "Ertekeles" || now == "ModulValaszt") << now.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pages, MenusSoakTest, ::testing::Range(0, 9));

} // namespace
