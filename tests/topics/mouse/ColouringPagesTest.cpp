#include "MouseCourse.h"

#include "framework/DragDrop.h"
#include "topics/mouse/Tinting.h"

namespace {

using ColouringPagesTest = MouseCourse;

QImage Filled(const QColor& colour)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

TEST(TintingTest, PureColourUnderClearShadingHalfwayUnderOpaqueAndHolesKept)
{
    QImage picture = Filled(QColor(255, 255, 255, 200));
    picture.setPixelColor(1, 0, QColor(0, 0, 0, 0));
    QImage shading(2, 1, QImage::Format_ARGB32);
    shading.setPixelColor(0, 0, QColor(40, 80, 120, 0));
    shading.setPixelColor(1, 0, QColor(40, 80, 120, 255));

    const QImage clear = Tinting::Tint(picture, shading, QColor(255, 5, 5));
    EXPECT_EQ(clear.pixelColor(0, 0), QColor(255, 5, 5, 200));
    EXPECT_EQ(clear.pixelColor(1, 0), QColor(0, 0, 0, 0));

    shading.setPixelColor(0, 0, QColor(40, 80, 120, 255));
    const QImage opaque = Tinting::Tint(picture, shading, QColor(255, 5, 5));
    // (40·255 + 255·255) div 510 = 147, (80·255 + 5·255) div 510 = 42, (120·255 + 5·255) div 510 = 62.
    EXPECT_EQ(opaque.pixelColor(0, 0), QColor(147, 42, 62, 200));

    shading.setPixelColor(0, 0, QColor(0, 0, 0, 100));
    // (0·100 + 5·255) div 355 = 3: rounded down.
    EXPECT_EQ(Tinting::Tint(picture, shading, QColor(5, 5, 5)).pixelColor(0, 0), QColor(3, 3, 3, 200));
}

TEST_F(ColouringPagesTest, TheChoiceNamesTheTaskAndTheCarIsColouredByItsPots)
{
    OpenMouseTopic();
    auto* choice = Stand<TEgerSzinezoInfoForm>();
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->imgTivadar()->toolTip(), "Autószínezés");
    EXPECT_EQ(choice->imgNora()->toolTip(), "Ruhaszinezés");
    PressKey(Qt::Key_Escape);
    ASSERT_EQ(CurrentPage(), choice);
    Click(choice->imgTivadar());
    auto* page = On<TEgerNoraSzinezForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(BoardText("ACTION"), "AUTO");
    EXPECT_EQ(page->Task(), TEgerNoraSzinezForm::TTask::Car);
    EXPECT_TRUE(page->imgAuto()->isVisible());
    EXPECT_FALSE(page->imgPolo()->isVisible());
    EXPECT_TRUE(page->imgEndGame()->isVisible());
    EXPECT_TRUE(page->imgToMenu()->isVisible());

    const QPoint middle = page->imgAuto()->rect().center();
    const QImage red = page->imgAuto()->Picture().image;
    MouseMoves::DropPot(*this, *page, "green3", *page->imgAuto());
    const QImage green = page->imgAuto()->Picture().image;
    EXPECT_NE(green.pixelColor(middle), red.pixelColor(middle));
    EXPECT_EQ(sound.PlayedNames(), (QStringList{"2_plink.wav", "2_plunk.wav"}));
    // The same pot again gives the same colour; a pot back on the first colour gives it back.
    MouseMoves::DropPot(*this, *page, "green3", *page->imgAuto());
    EXPECT_EQ(page->imgAuto()->Picture().image, green);
    MouseMoves::DropPot(*this, *page, "red0", *page->imgAuto());
    EXPECT_EQ(page->imgAuto()->Picture().image, red);

    // A pot dropped on the background changes nothing.
    sound.Clear();
    MouseMoves::DropPot(*this, *page, "blue6", *page->hatter());
    EXPECT_EQ(page->imgAuto()->Picture().image, red);
    EXPECT_EQ(sound.PlayedNames(), QStringList{"2_plink.wav"});
    Click(page->imgEndGame());
    EXPECT_EQ(CurrentPageName(), "EgerSzabalyokForm");
    EXPECT_FALSE(BoardText("ACTION"));
}

TEST_F(ColouringPagesTest, OnTheDressEachPotColoursOnlyThePartItIsDroppedOn)
{
    OpenMouseTopic();
    auto* page = Stand<TEgerNoraSzinezForm>("ACTION", "RUHA");
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->imgAuto()->isVisible());
    const QImage shirt = page->imgPolo()->Picture().image;
    const QImage skirt = page->imgSzoknya()->Picture().image;
    MouseMoves::DropPot(*this, *page, "yellow", *page->imgSzoknya());
    EXPECT_EQ(page->imgPolo()->Picture().image, shirt);
    EXPECT_NE(page->imgSzoknya()->Picture().image, skirt);

    // While dragging: the drag cursor over the shirt, no-drop over the background.
    TImage* pot = page->ColourPots()[0];
    TDragDrop& drag = TDragDrop::Of(pot);
    drag.Press(QPoint(5, 5), Qt::LeftButton);
    drag.Move(pot->mapFrom(page, page->imgPolo()->geometry().center()), Qt::LeftButton);
    EXPECT_EQ(pot->cursor().shape(), Qt::DragMoveCursor);
    drag.Move(pot->mapFrom(page, QPoint(500, 100)), Qt::LeftButton);
    EXPECT_EQ(pot->cursor().shape(), Qt::ForbiddenCursor);
    drag.Release(pot->mapFrom(page, QPoint(500, 100)));
    EXPECT_EQ(pot->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ColouringPagesTest, WithoutATaskTheColouringPageDoesNotOpen)
{
    OpenMouseTopic();
    auto module = std::dynamic_pointer_cast<TModuleBase>(Controller().CurrentModule());
    ASSERT_NE(module, nullptr);
    try {
        module->SwitchTo(new TEgerNoraSzinezForm());
        ADD_FAILURE() << "no error";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "No difined task in EgerNoraSzinez");
    }
    EXPECT_EQ(CurrentPageName(), "EgerekForm");
}

TEST_F(ColouringPagesTest, TheGameChooserKeepsTheChoiceAndEscapeDoesNothing)
{
    OpenMouseTopic();
    for (const TTitle& title : Titles) {
        auto* chooser = Stand<TEgerJatekvalasztasForm>();
        ASSERT_NE(chooser, nullptr);
        PressKey(Qt::Key_Escape);
        ASSERT_EQ(CurrentPage(), chooser);
        Click((chooser->*title.title)());
        EXPECT_EQ(CurrentPageName(), title.page);
        EXPECT_EQ(BoardText("JATEKVALASZT"), title.choice);
    }
}

} // namespace
