#include "support/CourseFixture.h"
#include "support/LearnerMoves.h"

#include "framework/Image.h"
#include "home/ModulValaszt.h"
#include "home/NavBeker.h"

#include <QLabel>

namespace {

using HomeWalkthrough = CourseFixture;

// A learner's first visit: name, greeting, a walk over the tiles, a choice, and leaving.
TEST_F(HomeWalkthrough, NameGreetingChooserAndExit)
{
    StartCourse();
    EXPECT_TRUE(kiosk.Active());
    ASSERT_EQ(CurrentPageName(), "NavBeker");

    TypeText("Anna");
    PressKey(Qt::Key_Return);
    ASSERT_EQ(CurrentPageName(), "ModulValaszt");
    EXPECT_EQ(PagesAlive(), 1); // the name page is gone
    EXPECT_EQ(BoardText("USERNAME"), QString("Anna"));
    EXPECT_EQ(BoardText("MODULVALASZT"), QString("BEVEZETO"));

    TypeText("T");
    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->Mode(), TModulValaszt::TMode::Chooser);

    PressKey(Qt::Key_Right);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(chooser->SelectedTopic(), "ABLAKOK");
    MoveMouse(chooser->Tile(1, 5));
    EXPECT_EQ(chooser->SelectedTopic(), "LISTADOBOZOK");
    PressKey(Qt::Key_Left);
    EXPECT_EQ(chooser->SelectedTopic(), "JELOLESEK");
    EXPECT_EQ(sound.PlayedNames().count("selector.wav"), 5);
    // The last tile: Enter opens the summary; its to-menu sign brings the chooser back.
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Right);
    EXPECT_EQ(chooser->SelectedTopic(), "OSSZEFOGL");

    PressKey(Qt::Key_Return);
    EXPECT_TRUE(sound.PlayedNames().contains("select.wav"));
    EXPECT_EQ(CurrentPageName(), "OsszeFoglBillForm");
    EXPECT_TRUE(LearnerMoves::Leave(*this));
    EXPECT_FALSE(BoardText("CHANGE_MODUL"));

    messages.AnswerNext(true);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(terminations, 1);
    EXPECT_TRUE(messages.Texts().contains("Valóban ki akarsz lépni a programból?"));
    EXPECT_TRUE(std::none_of(messages.ShownBoxes().begin(), messages.ShownBoxes().end(),
                             [](const auto& box) { return box.kind == TScriptedMessageBoxes::Kind::Error; }))
        << messages.Texts().join(" | ").toStdString();

    bitlak.reset(); // the program ends: the desktop comes back
    EXPECT_FALSE(kiosk.Active());
    EXPECT_EQ(display.RestoreCount(), 1);
}

} // namespace
