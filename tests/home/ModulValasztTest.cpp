#include "support/CourseFixture.h"

#include "framework/Image.h"
#include "home/ModulValaszt.h"

#include <QLabel>

namespace {

class ModulValasztTest : public CourseFixture {
protected:
    void SetUp() override
    {
        StartCourse();
        TypeText("Anna");
        PressKey(Qt::Key_Return);
        page = CurrentPageAs<TModulValaszt>();
        ASSERT_NE(page, nullptr);
        sound.Clear();
    }

    void ToChooser()
    {
        TypeText("t");
        ASSERT_EQ(page->Mode(), TModulValaszt::TMode::Chooser);
        sound.Clear();
    }

    TModulValaszt* page = nullptr;
};

TEST_F(ModulValasztTest, GreetingIgnoresEnterAndArrowsAndLeavesOnT)
{
    EXPECT_EQ(BoardText("MODULVALASZT"), QString("BEVEZETO"));
    EXPECT_EQ(page->Mode(), TModulValaszt::TMode::Intro);
    EXPECT_TRUE(page->imgEmptyScr()->isVisible());
    EXPECT_FALSE(page->lblKilep()->isVisible());

    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->Mode(), TModulValaszt::TMode::Intro);
    EXPECT_FALSE(BoardText("MODUL"));
    EXPECT_TRUE(sound.Played().isEmpty());

    TypeText("T");
    EXPECT_EQ(CurrentPage(), page); // the same page object
    EXPECT_EQ(page->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(BoardText("MODULVALASZT"), QString("VALASZT"));
    EXPECT_EQ(page->imgEmptyScr(), nullptr);
    EXPECT_TRUE(page->lblKilep()->isVisible());
    EXPECT_EQ(sound.PlayedNames(), QStringList{"selector.wav"});
}

TEST_F(ModulValasztTest, GreetingPanelCoversEveryTile)
{
    const QRect panel = page->imgEmptyScr()->geometry();
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 5; ++column)
            EXPECT_TRUE(panel.contains(page->Tile(row, column)->geometry())) << row << "," << column;
    EXPECT_EQ(page->childAt(page->Tile(1, 1)->geometry().center()), page->imgEmptyScr());
}

TEST_F(ModulValasztTest, EnterPictureLeavesTheGreetingToo)
{
    Click(page->enter());
    EXPECT_EQ(page->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_FALSE(BoardText("MODUL"));
}

TEST_F(ModulValasztTest, ArrowsWrapAroundTheGrid)
{
    ToChooser();
    PressKey(Qt::Key_Left);
    EXPECT_EQ(page->SelectedTopic(), "LISTADOBOZOK");
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->SelectedTopic(), "BILLENTYU");
    PressKey(Qt::Key_Up);
    EXPECT_EQ(page->SelectedTopic(), "PANELEK");
    PressKey(Qt::Key_Up);
    EXPECT_EQ(page->SelectedTopic(), "BILLENTYU");
    PressKey(Qt::Key_Down);
    EXPECT_EQ(page->SelectedTopic(), "PANELEK");
    EXPECT_EQ(sound.PlayedNames(), QStringList(5, "selector.wav")); // each move clicks
}

TEST_F(ModulValasztTest, KeyboardContinuesFromTheTileUnderTheMouse)
{
    ToChooser();
    MoveMouse(page->Tile(2, 3));
    EXPECT_EQ(page->SelectedTopic(), "MENUK");
    MoveMouse(page->Tile(2, 3), QPoint(3, 3)); // within the same tile: no redraw, no sound
    EXPECT_EQ(sound.PlayedNames(), QStringList{"selector.wav"});
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->SelectedTopic(), "PROGRAMOK");
}

TEST_F(ModulValasztTest, HeadErasedPutsBackTheBackground)
{
    ToChooser();
    const QPoint at = page->HeadPosition();
    PressKey(Qt::Key_Right);
    const QImage withHeadAway = page->hatter()->Canvas().CopyRect(QRect(at, QSize(131, 75)));
    PressKey(Qt::Key_Left); // head back on the first tile
    PressKey(Qt::Key_Right);
    EXPECT_EQ(page->hatter()->Canvas().CopyRect(QRect(at, QSize(131, 75))), withHeadAway);
    EXPECT_TRUE(page->HeadDrawn());
}

TEST_F(ModulValasztTest, EnterKeyChoosesWithASoundAndEnterPictureWithout)
{
    ToChooser();
    PressKey(Qt::Key_Right);
    sound.Clear();
    Click(page->enter());
    EXPECT_TRUE(sound.Played().isEmpty());
    // No module is built for the mouse topic here yet, so the chooser stays; the request is used up.
    EXPECT_FALSE(BoardText("MODUL"));
    EXPECT_FALSE(BoardText("CHANGE_MODUL"));

    PressKey(Qt::Key_Return);
    EXPECT_EQ(sound.PlayedNames().first(), "select.wav");
}

TEST_F(ModulValasztTest, TileClickChoosesThatTile)
{
    ToChooser();
    Click(page->Tile(1, 4));
    EXPECT_EQ(sound.PlayedNames().first(), "select.wav");
    EXPECT_FALSE(BoardText("MODUL")); // handed on to the controller
}

TEST_F(ModulValasztTest, EscapeAsksInBothModes)
{
    PressKey(Qt::Key_Escape);
    ToChooser();
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(messages.Texts(), QStringList({TBaseForm::ExitQuestion, TBaseForm::ExitQuestion}));
    EXPECT_EQ(terminations, 0);
}

} // namespace
