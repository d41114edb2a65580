#pragma once

#include "WindowsMoves.h"
#include "support/CourseFixture.h"
#include "support/LearnerMoves.h"

#include "framework/ClipPlayer.h"
#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/KezelWndForm.h"
#include "framework/NoraInfoForm.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "framework/WindowGroup.h"
#include "home/ModulValaszt.h"
#include "platform/PageTimer.h"
#include "topics/windows/MasolFrom.h"
#include "topics/windows/MeretWndForm.h"
#include "topics/windows/NoraForm.h"
#include "topics/windows/WndIntroForm.h"
#include "topics/windows/WndKezelForm.h"
#include "topics/windows/WndMasolForm.h"
#include "topics/windows/WndMeretForm.h"
#include "topics/windows/WndMunkaterForm.h"

#include <QLabel>
#include <QPointer>

// Places on the topic's road where a test may stand.
enum class TWindowsStop { Intro, Kezel, Meret, Munkater, Masol, Closing };

// The course opened on the windows topic, with the moves a learner makes to get along its road.
class WindowsCourse : public CourseFixture {
protected:
    void OpenWindowsTopic()
    {
        StartCourse();
        EXPECT_TRUE(ActivateStage());
        TypeText(QStringLiteral("Anna"));
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("ABLAKOK")));
        ASSERT_EQ(CurrentPageName(), "WndIntroForm");
    }

    template <class Page> Page* On()
    {
        auto* page = CurrentPageAs<Page>();
        EXPECT_NE(page, nullptr) << "on " << CurrentPageName().toStdString();
        return page;
    }

    template <class Page> Page* Reach(TWindowsStop stop)
    {
        OpenWindowsTopic();
        for (int at = 0; at < static_cast<int>(stop) && !::testing::Test::HasFailure(); ++at)
            EXPECT_TRUE(LearnerMoves::Helpful(*this)) << CurrentPageName().toStdString();
        sound.Clear();
        return On<Page>();
    }

    // The window handling lesson played until it stands at `step`.
    TWndKezelForm* KezelAt(int step);

    QString EvaluationText() const
    {
        auto* page = CurrentPageAs<TErtekeles>();
        return page ? page->Text() : QStringLiteral("<no evaluation page>");
    }

    static QString Text(const QLabel* label) { return label->text(); }
    static QColor Colour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }
};
