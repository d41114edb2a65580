#pragma once

#include "PanelsMoves.h"
#include "support/CourseFixture.h"
#include "support/LearnerMoves.h"

// The course opened on the panels topic.
class PanelsCourse : public CourseFixture {
protected:
    void OpenPanelsTopic()
    {
        StartCourse();
        EXPECT_TRUE(ActivateStage());
        TypeText(QStringLiteral("Anna"));
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("PANELEK")));
        ASSERT_EQ(CurrentPageName(), "PnlNyomtatForm");
    }

    // Helpful moves until the named page is on screen.
    void ReachPage(const QString& name)
    {
        for (int move = 0; move < 200 && CurrentPageName() != name && !::testing::Test::HasFailure(); ++move)
            ASSERT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
        ASSERT_EQ(CurrentPageName(), name);
    }

    template <class Page> Page* On()
    {
        auto* page = CurrentPageAs<Page>();
        EXPECT_NE(page, nullptr) << "on " << CurrentPageName().toStdString();
        return page;
    }

    // The topic opened and played on to the named page, which is of class Page.
    template <class Page> Page* Reach(const QString& name)
    {
        OpenPanelsTopic();
        ReachPage(name);
        return On<Page>();
    }
};
