#pragma once

#include "support/CourseFixture.h"

#include "framework/ClipPlayer.h"
#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "home/ModulValaszt.h"
#include "topics/buttons/GombAcceleratedForm.h"
#include "topics/buttons/GombAngolForm.h"
#include "topics/buttons/GombEszkoztarakForm.h"
#include "topics/buttons/GombFokuszosForm.h"
#include "topics/buttons/GombGombForm.h"
#include "topics/buttons/GombInaktivForm.h"
#include "topics/buttons/GombKerdesekForm.h"
#include "topics/buttons/GombKirakoForm.h"
#include "topics/buttons/GombSokfalytaForm.h"
#include "topics/buttons/GombTabulatorForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <vector>

// Places on the topic's road where a test may stand.
enum class TButtonsStop {
    Plain,       // the first lesson
    Shapes,
    Focus,
    Tab,
    Inactive,
    Accelerator,
    ToolBar,
    Puzzle,      // first visit
    English,
    Quiz,
    QuizRating,  // the evaluation of the quiz
    SecondPuzzle,
    Closing,     // the closing evaluation
};

inline std::vector<TButtonsStop> AllButtonsStops()
{
    return {TButtonsStop::Plain,   TButtonsStop::Shapes, TButtonsStop::Focus,      TButtonsStop::Tab,
            TButtonsStop::Inactive, TButtonsStop::Accelerator, TButtonsStop::ToolBar, TButtonsStop::Puzzle,
            TButtonsStop::English, TButtonsStop::Quiz,   TButtonsStop::QuizRating, TButtonsStop::SecondPuzzle,
            TButtonsStop::Closing};
}

inline std::string ButtonsStopName(const ::testing::TestParamInfo<TButtonsStop>& info)
{
    static const char* const names[] = {"Plain",   "Shapes", "Focus",      "Tab",          "Inactive", "Accelerator",
                                        "ToolBar", "Puzzle", "English",    "Quiz",         "QuizRating",
                                        "SecondPuzzle", "Closing"};
    return names[static_cast<int>(info.param)];
}

// The course opened on the buttons topic, with the moves a learner makes to get along its road.
class ButtonsCourse : public CourseFixture {
protected:
    // Name page, greeting, then the buttons tile: the first lesson is on screen.
    void OpenButtonsTopic(const QString& name = QStringLiteral("Anna"))
    {
        StartCourse();
        // Focus moves reach the controls only in the active window, as on the desktop.
        stage->show();
        stage->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(stage.get()));
        TypeText(name);
        PressKey(Qt::Key_Return);
        TypeText(QStringLiteral("t"));
        auto* chooser = CurrentPageAs<TModulValaszt>();
        ASSERT_NE(chooser, nullptr);
        Click(chooser->Tile(1, 3));
        ASSERT_EQ(CurrentPageName(), "GombGombForm");
    }

    template <class Page> Page* On()
    {
        auto* page = CurrentPageAs<Page>();
        EXPECT_NE(page, nullptr) << "on " << CurrentPageName().toStdString();
        return page;
    }

    void PassPlain() { Click(On<TGombGombForm>()->Button1()); }

    void PassShapes()
    {
        auto* page = On<TGombSokfalytaForm>();
        for (QWidget* shape : std::initializer_list<QWidget*>{page->normalBtn(), page->coloredBtn(), page->roundImg(),
                                                                page->ellipseImg(), page->noraImg()})
            Click(shape);
        Click(page->tovabbBtn());
    }

    void PassFocus()
    {
        auto* page = On<TGombFokuszosForm>();
        PressKey(Qt::Key_Space);
        PressKey(Qt::Key_Return);
        Click(page->selBtn());
    }

    // Twelve Tabs bring the focus to each button three times (the first focus is no visit).
    void PassTab()
    {
        auto* page = On<TGombTabulatorForm>();
        for (int i = 0; i < 12; ++i)
            PressKey(Qt::Key_Tab);
        Click(page->next());
    }

    void PassInactive() { Click(On<TGombInaktivForm>()->aktivbtn()); }

    void PassAccelerator()
    {
        auto* page = On<TGombAcceleratedForm>();
        TypeText(QStringLiteral("e"));
        TypeText(QStringLiteral("E"));
        Click(page->selBtn());
    }

    void PassToolBar()
    {
        auto* page = On<TGombEszkoztarakForm>();
        for (int i = 0; i < TGombEszkoztarakForm::GroupSize; ++i) {
            Click(page->Tool(i));
            Click(page->House(i));
            Click(page->House(i));
        }
        Click(page->btnTovabb());
    }

    void PassPuzzle() { Click(On<TGombKirakoForm>()->imgTovabb()); }

    void PassEnglish() { Click(On<TGombAngolForm>()->BitBtn(12)); }

    // Answers the quiz with `wrong` wrong answers, from the first question on.
    void AnswerQuiz(int wrong = 0)
    {
        auto* page = On<TGombKerdesekForm>();
        for (int q = 1; q <= 12; ++q) {
            const std::vector<TPushButton*> row = page->Row(q);
            const int right = QuizResult::RightAnswer(q);
            const int chosen = q <= wrong ? (right + 1) % static_cast<int>(row.size()) : right;
            Click(row[static_cast<std::size_t>(chosen)]);
        }
    }

    // The L key on an evaluation page.
    void Continue() { TypeText(QStringLiteral("l")); }

    QString EvaluationText() const
    {
        auto* page = CurrentPageAs<TErtekeles>();
        return page ? page->Text() : QStringLiteral("<no evaluation page>");
    }

    // Does what the page at the stop asks and goes on.
    void Pass(TButtonsStop stop)
    {
        switch (stop) {
        case TButtonsStop::Plain: PassPlain(); return;
        case TButtonsStop::Shapes: PassShapes(); return;
        case TButtonsStop::Focus: PassFocus(); return;
        case TButtonsStop::Tab: PassTab(); return;
        case TButtonsStop::Inactive: PassInactive(); return;
        case TButtonsStop::Accelerator: PassAccelerator(); return;
        case TButtonsStop::ToolBar: PassToolBar(); return;
        case TButtonsStop::Puzzle:
        case TButtonsStop::SecondPuzzle: PassPuzzle(); return;
        case TButtonsStop::English: PassEnglish(); return;
        case TButtonsStop::Quiz: AnswerQuiz(); return;
        case TButtonsStop::QuizRating:
        case TButtonsStop::Closing: Continue(); return;
        }
    }

    // From the first lesson to the stop.
    void GoTo(TButtonsStop stop)
    {
        for (TButtonsStop before : AllButtonsStops()) {
            if (before == stop || ::testing::Test::HasFailure())
                return;
            Pass(before);
        }
    }

    // A raw key event, as the keyboard sends it, unless the target is gone. Each gets its own time
    // stamp: the page takes an event it has seen before for the same one travelling on.
    void SendKey(QPointer<QWidget> target, QEvent::Type type, int key, const QString& text,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (!target)
            return;
        static quint64 stamp = 7000000;
        QKeyEvent event(type, key, modifiers, text);
        event.setTimestamp(++stamp);
        QApplication::sendEvent(target, &event);
        Settle();
    }

    QWidget* FocusedControl() const
    {
        TBaseForm* page = CurrentPage();
        return page ? page->focusWidget() : nullptr;
    }

    bool ErrorBoxShown() const
    {
        return std::any_of(messages.ShownBoxes().begin(), messages.ShownBoxes().end(),
                           [](const auto& box) { return box.kind == TScriptedMessageBoxes::Kind::Error; });
    }
};
