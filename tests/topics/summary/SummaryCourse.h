#pragma once

#include "support/CourseFixture.h"
#include "support/LearnerMoves.h"

#include "framework/ModuleBase.h"
#include "shell/Board.h"
#include "shell/ModulVezerlo.h"

// The course opened on the summary topic, and a page of its road shown as the road shows it.
class SummaryCourse : public CourseFixture {
protected:
    // The chooser's last tile: the summary's first page.
    void OpenSummaryTopic()
    {
        StartCourse();
        ASSERT_TRUE(ActivateStage());
        TypeText(QStringLiteral("Anna"));
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("OSSZEFOGL")));
        ASSERT_EQ(CurrentPageName(), "OsszeFoglBillForm");
    }

    template <class Page> Page* On()
    {
        auto* page = CurrentPageAs<Page>();
        EXPECT_NE(page, nullptr) << "on " << CurrentPageName().toStdString();
        return page;
    }

    // The topic's module shows a page of its road, with a value on the board first.
    template <class Page> Page* Stand(const QString& key = {}, const QString& text = {})
    {
        auto module = std::dynamic_pointer_cast<TModuleBase>(Controller().CurrentModule());
        EXPECT_NE(module, nullptr);
        if (!module)
            return nullptr;
        module->SwitchTo(new Page(), [&] {
            if (!key.isEmpty())
                Board::PutText(Controller(), key, text);
        });
        Settle();
        sound.Clear();
        return On<Page>();
    }
};
