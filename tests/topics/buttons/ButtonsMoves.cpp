#include "ButtonsMoves.h"

#include "framework/Image.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "support/Learner.h"
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
#include "topics/buttons/QuizResult.h"

#include <QPointer>
#include <initializer_list>

namespace ButtonsMoves {

namespace {

// A click that may finish the page: later clicks of a move must not reach a page that is gone.
bool ClickOn(TLearner& learner, const QPointer<QWidget>& page, QWidget* control)
{
    if (!page)
        return false;
    learner.Click(control);
    return page;
}

} // namespace

void Shapes(TLearner& learner, TGombSokfalytaForm& page)
{
    const QPointer<QWidget> alive(&page);
    for (QWidget* shape : std::initializer_list<QWidget*>{page.normalBtn(), page.coloredBtn(), page.roundImg(),
                                                            page.ellipseImg(), page.noraImg()})
        if (!ClickOn(learner, alive, shape))
            return;
    ClickOn(learner, alive, page.tovabbBtn());
}

void Focus(TLearner& learner, TGombFokuszosForm& page)
{
    const QPointer<QWidget> alive(&page);
    learner.PressKey(Qt::Key_Space);
    learner.PressKey(Qt::Key_Return);
    if (alive)
        ClickOn(learner, alive, page.selBtn());
}

void Tab(TLearner& learner, TGombTabulatorForm& page)
{
    const QPointer<QWidget> alive(&page);
    for (int i = 0; i < 12 && alive; ++i)
        learner.PressKey(Qt::Key_Tab);
    if (alive)
        ClickOn(learner, alive, page.next());
}

void Accelerator(TLearner& learner, TGombAcceleratedForm& page)
{
    const QPointer<QWidget> alive(&page);
    learner.TypeText(QStringLiteral("e"));
    if (alive)
        learner.TypeText(QStringLiteral("E"));
    if (alive)
        ClickOn(learner, alive, page.selBtn());
}

void ToolBar(TLearner& learner, TGombEszkoztarakForm& page)
{
    const QPointer<QWidget> alive(&page);
    for (int i = 0; i < TGombEszkoztarakForm::GroupSize; ++i)
        if (!ClickOn(learner, alive, page.Tool(i)) || !ClickOn(learner, alive, page.House(i))
            || !ClickOn(learner, alive, page.House(i)))
            return;
    ClickOn(learner, alive, page.btnTovabb());
}

void Quiz(TLearner& learner, TGombKerdesekForm& page, int wrong)
{
    // Rows already answered are disabled; the last answer finishes the page.
    const QPointer<QWidget> alive(&page);
    for (int q = 1; q <= QuizResult::Questions && alive; ++q) {
        const std::vector<TPushButton*> row = page.Row(q);
        const int right = QuizResult::RightAnswer(q);
        const int chosen = q <= wrong ? (right + 1) % static_cast<int>(row.size()) : right;
        if (row[static_cast<std::size_t>(chosen)]->isEnabled())
            ClickOn(learner, alive, row[static_cast<std::size_t>(chosen)]);
    }
}

bool Helpful(TLearner& learner)
{
    if (auto* plain = learner.CurrentPageAs<TGombGombForm>())
        learner.Click(plain->Button1());
    else if (auto* shapes = learner.CurrentPageAs<TGombSokfalytaForm>())
        Shapes(learner, *shapes);
    else if (auto* focus = learner.CurrentPageAs<TGombFokuszosForm>())
        Focus(learner, *focus);
    else if (auto* tab = learner.CurrentPageAs<TGombTabulatorForm>())
        Tab(learner, *tab);
    else if (auto* inactive = learner.CurrentPageAs<TGombInaktivForm>())
        learner.Click(inactive->aktivbtn());
    else if (auto* accelerator = learner.CurrentPageAs<TGombAcceleratedForm>())
        Accelerator(learner, *accelerator);
    else if (auto* toolBar = learner.CurrentPageAs<TGombEszkoztarakForm>())
        ToolBar(learner, *toolBar);
    else if (auto* puzzle = learner.CurrentPageAs<TGombKirakoForm>())
        learner.Click(puzzle->imgTovabb());
    else if (auto* english = learner.CurrentPageAs<TGombAngolForm>())
        learner.Click(english->BitBtn(12));
    else if (auto* quiz = learner.CurrentPageAs<TGombKerdesekForm>())
        Quiz(learner, *quiz);
    else
        return false;
    return true;
}

} // namespace ButtonsMoves
