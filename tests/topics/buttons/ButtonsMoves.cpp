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

#include <initializer_list>

namespace ButtonsMoves {

void Shapes(TLearner& learner, TGombSokfalytaForm& page)
{
    for (QWidget* shape : std::initializer_list<QWidget*>{page.normalBtn(), page.coloredBtn(), page.roundImg(),
                                                            page.ellipseImg(), page.noraImg()})
        learner.Click(shape);
    learner.Click(page.tovabbBtn());
}

void Focus(TLearner& learner, TGombFokuszosForm& page)
{
    learner.PressKey(Qt::Key_Space);
    learner.PressKey(Qt::Key_Return);
    learner.Click(page.selBtn());
}

void Tab(TLearner& learner, TGombTabulatorForm& page)
{
    for (int i = 0; i < 12; ++i)
        learner.PressKey(Qt::Key_Tab);
    learner.Click(page.next());
}

void Accelerator(TLearner& learner, TGombAcceleratedForm& page)
{
    learner.TypeText(QStringLiteral("e"));
    learner.TypeText(QStringLiteral("E"));
    learner.Click(page.selBtn());
}

void ToolBar(TLearner& learner, TGombEszkoztarakForm& page)
{
    for (int i = 0; i < TGombEszkoztarakForm::GroupSize; ++i) {
        learner.Click(page.Tool(i));
        learner.Click(page.House(i));
        learner.Click(page.House(i));
    }
    learner.Click(page.btnTovabb());
}

void Quiz(TLearner& learner, TGombKerdesekForm& page, int wrong)
{
    for (int q = 1; q <= QuizResult::Questions; ++q) {
        const std::vector<TPushButton*> row = page.Row(q);
        const int right = QuizResult::RightAnswer(q);
        const int chosen = q <= wrong ? (right + 1) % static_cast<int>(row.size()) : right;
        learner.Click(row[static_cast<std::size_t>(chosen)]);
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
