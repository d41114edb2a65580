#include "topics/windows/WindowsCourse.h"

namespace {

class WindowsWalkthrough : public WindowsCourse {
protected:
    void Note(const QString& detail = {})
    {
        const QString name = CurrentPageName();
        if (road.isEmpty() || road.last() != name)
            road << name;
        Snapshot(QString("windows_%1_%2%3").arg(++shots, 2, 10, QChar('0')).arg(name, detail));
    }

    QStringList road;
    int shots = 0;
};

TEST_F(WindowsWalkthrough, WholeRoadFromTheChooserThroughEveryStepBackToTheChooser)
{
    OpenWindowsTopic();
    Note();
    Click(On<TWndIntroForm>()->NoraInfoForm()->Button1());

    auto* lesson = On<TWndKezelForm>();
    ASSERT_NE(lesson, nullptr);
    QList<int> steps;
    QPointer<TWndKezelForm> alive(lesson);
    while (alive && (steps.isEmpty() || steps.last() != lesson->Step())) {
        steps << lesson->Step();
        Note(QString("_step%1").arg(lesson->Step()));
        WindowsMoves::KezelStep(*this, *lesson);
        ASSERT_FALSE(HasFailure());
    }
    EXPECT_EQ(steps, QList<int>({11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 32, 35, 33, 34, 36, 100}));

    auto* resize = On<TWndMeretForm>();
    ASSERT_NE(resize, nullptr);
    Note();
    WindowsMoves::ResizeWindow(*this, *resize);
    Note();
    Click(On<TWndMunkaterForm>()->Window()->btnNext());

    auto* copy = On<TWndMasolForm>();
    ASSERT_NE(copy, nullptr);
    QList<int> tasks;
    for (QPointer<TWndMasolForm> page(copy); page && tasks.size() < 8;) {
        tasks << page->Task();
        Note(QString("_task%1").arg(page->Task()));
        WindowsMoves::CopyTask(*this, *page);
    }
    EXPECT_EQ(tasks, QList<int>({1, 2, 3, 4, 5, 6}));
    Note();
    EXPECT_EQ(EvaluationText(),
              "Befejezted az Ablakokról szóló fejezetet. Ne feledd, minden program ablakban fut, amiket például át "
              "lehet méretezni vagy le lehet tenni a tálcára! <BR>További jó munkát!");
    ASSERT_TRUE(LearnerMoves::Helpful(*this));

    EXPECT_EQ(road, QStringList({"WndIntroForm", "WndKezelForm", "WndMeretForm", "WndMunkaterForm", "WndMasolForm",
                                 "Ertekeles"}));
    auto* chooser = CurrentPageAs<TModulValaszt>();
    ASSERT_NE(chooser, nullptr) << CurrentPageName().toStdString();
    EXPECT_EQ(chooser->Mode(), TModulValaszt::TMode::Chooser);
    EXPECT_EQ(PagesAlive(), 1);
    for (const char* key : {"STEP", "STEP_READY", "CHANGE_MODUL", "ERTEKEL"})
        EXPECT_FALSE(BoardText(key)) << key;
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
}

} // namespace
