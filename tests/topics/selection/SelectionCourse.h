#pragma once

#include "SelectionMoves.h"
#include "support/CourseFixture.h"
#include "support/LearnerMoves.h"

#include "framework/CheckBox.h"
#include "framework/ClipPlayer.h"
#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpinEdit.h"
#include "framework/TrackBar.h"
#include "topics/selection/JelAgyuzasForm.h"
#include "topics/selection/JelChkBox2Form.h"
#include "topics/selection/JelChkBoxForm.h"
#include "topics/selection/JelChkBoxQuizForm.h"
#include "topics/selection/JelMemIntroForm.h"
#include "topics/selection/JelMemRdQuizForm.h"
#include "topics/selection/JelProgressBarForm.h"
#include "topics/selection/JelRdBtnForm.h"
#include "topics/selection/JelRdCsopForm.h"
#include "topics/selection/JelSpinEdit1Form.h"
#include "topics/selection/JelSpinEdit2Form.h"
#include "topics/selection/JelTreckBarForm.h"
#include "topics/selection/OptionBox.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

// The course opened on the selection topic, with the moves that get a test along its road.
class SelectionCourse : public CourseFixture {
protected:
    // Name page, greeting, then the selection tile: the radio pair is on screen.
    void OpenSelectionTopic()
    {
        StartCourse();
        EXPECT_TRUE(ActivateStage());
        TypeText(QStringLiteral("Anna"));
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        ASSERT_TRUE(LearnerMoves::Choose(*this, QStringLiteral("JELOLESEK")));
        ASSERT_EQ(CurrentPageName(), "JelRdBtnForm");
    }

    template <class Page> Page* On()
    {
        auto* page = CurrentPageAs<Page>();
        EXPECT_NE(page, nullptr) << "on " << CurrentPageName().toStdString();
        return page;
    }

    // Helpful moves until the page is on screen.
    template <class Page> Page* Reach()
    {
        for (int move = 0; move < 40 && !CurrentPageAs<Page>(); ++move)
            if (!LearnerMoves::Helpful(*this))
                break;
        return On<Page>();
    }

    QWidget* FocusedControl() const
    {
        TBaseForm* page = CurrentPage();
        return page ? page->focusWidget() : nullptr;
    }

    QString EvaluationText() const
    {
        auto* page = CurrentPageAs<TErtekeles>();
        return page ? page->Text() : QStringLiteral("<no evaluation page>");
    }
};
