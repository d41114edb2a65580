#pragma once

#include "ButtonsMoves.h"
#include "support/CourseFixture.h"

#include "framework/ClipPlayer.h"
#include "framework/Ertekeles.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
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

// Where a page wrote on its background within area: the bounds of the pixels that differ from the
// picture as loaded.
inline QRect WrittenBounds(const TImage* background, const QString& pictureName, QRect area)
{
    const QImage blank = LoadJpeg(pictureName);
    const QImage& written = background->Picture().image;
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((written.pixel(x, y) & RGB_MASK) != (blank.pixel(x, y) & RGB_MASK))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The course opened on the buttons topic, with the moves a learner makes to get along its road.
class ButtonsCourse : public CourseFixture {
protected:
    // Name page, greeting, then the buttons tile: the first lesson is on screen.
    void OpenButtonsTopic(const QString& name = QStringLiteral("Anna"))
    {
        StartCourse();
        EXPECT_TRUE(ActivateStage());
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

    void PassShapes() { ButtonsMoves::Shapes(*this, *On<TGombSokfalytaForm>()); }

    void PassFocus() { ButtonsMoves::Focus(*this, *On<TGombFokuszosForm>()); }

    void PassTab() { ButtonsMoves::Tab(*this, *On<TGombTabulatorForm>()); }

    void PassInactive() { Click(On<TGombInaktivForm>()->aktivbtn()); }

    void PassAccelerator() { ButtonsMoves::Accelerator(*this, *On<TGombAcceleratedForm>()); }

    void PassToolBar() { ButtonsMoves::ToolBar(*this, *On<TGombEszkoztarakForm>()); }

    void PassPuzzle() { Click(On<TGombKirakoForm>()->imgTovabb()); }

    void PassEnglish() { Click(On<TGombAngolForm>()->BitBtn(12)); }

    // Answers the quiz with `wrong` wrong answers, from the first question on.
    void AnswerQuiz(int wrong = 0) { ButtonsMoves::Quiz(*this, *On<TGombKerdesekForm>(), wrong); }

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

    QWidget* FocusedControl() const
    {
        TBaseForm* page = CurrentPage();
        return page ? page->focusWidget() : nullptr;
    }
};
