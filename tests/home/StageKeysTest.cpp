#include "support/CourseFixture.h"

#include "framework/Image.h"
#include "home/NavBeker.h"

#include <QLabel>
#include <QGraphicsScene>
#include <QLineEdit>

namespace {

// Keys as a learner on a wide school monitor meets them: the stage is wider than the canvas, so
// bands of the page colour lie beside it, and keys come through the stage window.
class StageKeysTest : public CourseFixture {
protected:
    void SetUp() override
    {
        StartCourse();
        stage->setFixedSize(1366, 768);
        ASSERT_TRUE(ActivateStage());
        ASSERT_TRUE(stage->scene()->isActive()); // keys and clicks meet the scene as on a screen
        Settle();
        page = CurrentPageAs<TNavBeker>();
        ASSERT_NE(page, nullptr) << CurrentPageName().toStdString();
    }

    QString Typed() const { return page->username()->text(); }

    TNavBeker* page = nullptr;
};

TEST_F(StageKeysTest, ClicksBesideTheCanvasOrOnPicturesAndLabelsKeepTheTyping)
{
    TypeOnStage("Anna");
    ClickStage(QPoint(40, 300));   // the band on the left
    ClickStage(QPoint(1330, 700)); // the band on the right
    TypeOnStage("bel");
    EXPECT_EQ(Typed(), "Annabel");

    Click(page->hatter(), QPoint(500, 100));
    Click(page->enter());
    Click(page->txtErrorMsg());
    TypeOnStage("la");
    EXPECT_EQ(Typed(), "Annabella");
    EXPECT_EQ(page->focusWidget(), page->username());
}

TEST_F(StageKeysTest, KeysFindTheBoxAgainWhenTheCanvasLostItsFocus)
{
    TypeOnStage("Ida");
    page->username()->clearFocus();
    TypeOnStage("lia");
    EXPECT_EQ(Typed(), "Idalia");
}

TEST_F(StageKeysTest, AltF4ClosesThePageAsTheWindowSystemWouldAndEndsTheCourse)
{
    PressOnStage(Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(terminations, 1);
    EXPECT_TRUE(messages.Texts().isEmpty()); // no exit question: the system closed the page
}

TEST_F(StageKeysTest, ComposedTextPassesTheSameFilterAsTypedLetters)
{
    TypeOnStage("Ann");
    CommitComposed(QStringLiteral("ô")); // dead circumflex, o
    CommitComposed(QStringLiteral("ő")); // dead double acute, o
    CommitComposed(QStringLiteral("ä"));
    CommitComposed(QStringLiteral("1 ű"));
    EXPECT_EQ(Typed(), "Annőű");

    // After a control key the next typed character passes unchanged, but a composed one has a
    // letter key of its own and is judged again.
    PressOnStage(Qt::Key_Left);
    CommitComposed(QStringLiteral("ê"));
    EXPECT_EQ(Typed(), "Annőű");
}

} // namespace
