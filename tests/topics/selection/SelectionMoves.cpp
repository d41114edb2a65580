#include "SelectionMoves.h"

#include "support/Learner.h"

#include "framework/CheckBox.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpinEdit.h"
#include "framework/TrackBar.h"
#include "topics/selection/CheckBoxTally.h"
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
#include <QPointer>
#include <QRadioButton>
#include <QToolButton>

namespace SelectionMoves {

namespace {
// The right choice of each radio quiz question, from the first.
const int RadioAnswers[] = {1, 1, 3, 0, 1, 7};

void ChooseItem(TLearner& learner, TRadioGroup& group, int index)
{
    learner.Click(group.Item(index));
}
} // namespace

void RadioPair(TLearner& learner, TJelRdBtnForm& page)
{
    QPointer<TJelRdBtnForm> alive(&page);
    for (int round = 0; round < 3 && alive; ++round) {
        learner.Click(page.rdOne());
        if (alive)
            learner.Click(page.rdTwo());
    }
}

void Groups(TLearner& learner, TJelRdCsopForm& page)
{
    for (TRadioGroup* group : page.Groups())
        ChooseItem(learner, *group, 0);
    learner.Click(page.Button1());
}

void RadioQuiz(TLearner& learner, TJelMemRdQuizForm& page, int right)
{
    for (int n = 1; n <= 6; ++n) {
        const int answer = RadioAnswers[n - 1];
        ChooseItem(learner, *page.RadioGroup(n), n <= right ? answer : (answer + 1) % page.RadioGroup(n)->Count());
    }
    learner.Click(page.btnFinish());
}

void CheckBoxes(TLearner& learner, TJelChkBoxForm& page)
{
    ChooseItem(learner, *page.RadioGroup1(), 0);
    learner.Click(page.CheckBox1());
    learner.Click(page.CheckBox2());
    learner.Click(page.Button1());
}

void CheckBoxes2(TLearner& learner, TJelChkBox2Form& page)
{
    for (TCheckBox* box : page.Boxes())
        if (!CheckBoxTally::InRightState(*box))
            learner.Click(box);
    learner.Click(page.btnFinish());
}

void CheckBoxQuiz(TLearner& learner, TJelChkBoxQuizForm& page)
{
    for (TCheckBox* box : page.Boxes())
        if (!CheckBoxTally::InRightState(*box))
            learner.Click(box);
    learner.Click(page.btnFinish());
}

void SpinUp(TLearner& learner, TJelSpinEdit1Form& page)
{
    while (page.Edit1()->Value() < 101)
        learner.Click(page.Edit1()->UpButton());
    learner.Click(page.btnFinish());
}

void TypePrice(TLearner& learner, TJelSpinEdit2Form& page)
{
    QLineEdit* field = page.Edit1()->Edit();
    learner.Click(field);
    for (int i = 0; i < 8 && !field->text().isEmpty(); ++i) {
        learner.PressKey(Qt::Key_Delete);
        learner.PressKey(Qt::Key_Backspace);
    }
    learner.TypeText(QStringLiteral("14560"));
    learner.Click(page.btnFinish());
}

void TrackBars(TLearner& learner, TJelTreckBarForm& page)
{
    page.tbSapi()->setFocus(Qt::TabFocusReason);
    learner.PressKey(Qt::Key_End);
    page.tbVirag()->setFocus(Qt::TabFocusReason);
    learner.PressKey(Qt::Key_Home);
    learner.Click(page.btnFinish());
}

void PlayCannon(TLearner& learner, TJelAgyuzasForm& page, int hits)
{
    QPointer<TJelAgyuzasForm> alive(&page);
    learner.Click(page.imgStart());
    for (int shot = 1; shot <= TCannonGame::Shots && alive; ++shot) {
        learner.PressKey(Qt::Key_Space);
        const bool hit = shot <= hits;
        for (int tick = 0; tick < 200 && alive && page.Game().Flying(); ++tick) {
            // The cloud stands where the ball is, or well above its way.
            const QPoint centre = page.Game().Ball().center();
            page.Game().MoveCloud(hit ? centre - QPoint(99, 57) : QPoint(800, 0));
            page.Timer1().Fire();
        }
    }
    TLearner::Settle();
}

bool Helpful(TLearner& learner)
{
    if (auto* pair = learner.CurrentPageAs<TJelRdBtnForm>())
        RadioPair(learner, *pair);
    else if (auto* groups = learner.CurrentPageAs<TJelRdCsopForm>())
        Groups(learner, *groups);
    else if (auto* intro = learner.CurrentPageAs<TJelMemIntroForm>())
        learner.Click(intro->Button1());
    else if (auto* radioQuiz = learner.CurrentPageAs<TJelMemRdQuizForm>())
        RadioQuiz(learner, *radioQuiz);
    else if (auto* boxes = learner.CurrentPageAs<TJelChkBoxForm>())
        CheckBoxes(learner, *boxes);
    else if (auto* boxes2 = learner.CurrentPageAs<TJelChkBox2Form>())
        CheckBoxes2(learner, *boxes2);
    else if (auto* boxQuiz = learner.CurrentPageAs<TJelChkBoxQuizForm>())
        CheckBoxQuiz(learner, *boxQuiz);
    else if (auto* spin2 = learner.CurrentPageAs<TJelSpinEdit2Form>())
        TypePrice(learner, *spin2);
    else if (auto* spin1 = learner.CurrentPageAs<TJelSpinEdit1Form>())
        SpinUp(learner, *spin1);
    else if (auto* bars = learner.CurrentPageAs<TJelTreckBarForm>())
        TrackBars(learner, *bars);
    else if (auto* race = learner.CurrentPageAs<TJelProgressBarForm>()) {
        if (race->btnStart()->isEnabled())
            learner.Click(race->btnStart());
        learner.Click(race->btnFinish());
    } else if (auto* cannon = learner.CurrentPageAs<TJelAgyuzasForm>())
        learner.Click(cannon->imgEndGame());
    else
        return false;
    return true;
}

} // namespace SelectionMoves
