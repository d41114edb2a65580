#include "MenusCourse.h"
#include "support/PageSoak.h"
#include "support/RandomInput.h"

namespace {

// A seeded learner on each page of the topic: the keys menus take (Alt, Alt + letters, F-keys,
// arrows, Enter, Esc, the menu key, Shift+F10), characters, left and right clicks anywhere, drags
// and waits, now and then the page's task done right. Menus, pop-ups and balloons open and close
// under it in every order.
class MenusSoakTest : public MenusCourse, public ::testing::WithParamInterface<int> {
protected:
    TRandomInput input{*this, static_cast<unsigned>(GetParam()) * 7907u + 11u};
};

TEST_P(MenusSoakTest, SeededLearnerOnThePage)
{
    Reach<TBaseForm>(static_cast<TMenusStop>(GetParam()));
    ASSERT_FALSE(HasFailure());
    TPageSoak soak;
    soak.topic = "MENUK";
    soak.pages = {"MenuMenuMForm",   "MenuKedvencMForm", "MenuAsztalkaMForm", "MenuTornaMForm",
                  "MenuAlMenuMForm", "MenuAlmenu2MForm", "MenuPopUpMForm",    "MenuPopUp2MForm",
                  "MenuMondatMForm", "Ertekeles"};
    soak.events = 200;
    soak.kinds = {
        {8, [&] { input.Key({Qt::Key_Alt}); }},
        {12, [&] {
             input.Key({Qt::Key_A, Qt::Key_T, Qt::Key_F, Qt::Key_S, Qt::Key_E, Qt::Key_K, Qt::Key_M, Qt::Key_Z},
                       {Qt::AltModifier, Qt::NoModifier});
         }},
        {8, [&] {
             input.Key({Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F10, Qt::Key_E, Qt::Key_H,
                        Qt::Key_J},
                       {Qt::NoModifier, Qt::ControlModifier, Qt::ShiftModifier});
         }},
        {20, [&] {
             input.Key({Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape,
                        Qt::Key_Menu, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Delete});
         }},
        {5, [&] { input.Character(QStringLiteral("aÉő5 kL")); }},
        {25, [&] { input.Click(); }},
        {5, [&] { input.DoubleClick(); }},
        {5, [&] { input.Drag(); }},
        {7, [&] { input.Wait(2500); }},
        {5, [&] { EXPECT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString(); }},
    };
    soak.Run(*this, input);
}

INSTANTIATE_TEST_SUITE_P(Pages, MenusSoakTest, ::testing::Range(0, 9));

} // namespace
