#pragma once

#include "ProgramsMoves.h"
#include "support/CourseFixture.h"
#include "support/LearnerMoves.h"

#include "framework/BalloonHint.h"
#include "framework/BaseCustForm.h"
#include "topics/programs/PrgKezelForm.h"
#include "topics/programs/PrgEditorForm.h"
#include "topics/programs/PrgKalkulalForm.h"
#include "topics/programs/PrgPaintForm.h"
#include "topics/programs/PrgProgramWindow.h"

// The course opened on the programs topic, with the moves that get the learner to a step.
class ProgramsCourse : public CourseFixture {
protected:
    TPrgKezelForm* OpenProgramsTopic()
    {
        StartCourse();
        EXPECT_TRUE(ActivateStage());
        TypeText(QStringLiteral("Anna"));
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        EXPECT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("PROGRAMOK")));
        return CurrentPageAs<TPrgKezelForm>();
    }

    // The lesson at `step`, every earlier step done as it teaches; no program open.
    TPrgKezelForm* ReachStep(int step)
    {
        TPrgKezelForm* page = OpenProgramsTopic();
        for (int move = 0; page && page->Step() < step && move < 40; ++move)
            ProgramsMoves::LessonStep(*this, *page);
        EXPECT_NE(page, nullptr);
        if (page) {
            EXPECT_EQ(page->Step(), step);
        }
        return page;
    }

    // The programs whose windows are on screen.
    static int ProgramsVisible(const TPrgKezelForm& page)
    {
        int visible = 0;
        for (int program = TBaseProgramokForm::Kalk; program <= TBaseProgramokForm::Edit; ++program)
            visible += page.Window(program)->isVisible() ? 1 : 0;
        return visible;
    }
};
