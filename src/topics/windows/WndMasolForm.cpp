#include "WndMasolForm.h"

#include "framework/Controls.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"

#include <QLabel>

namespace {

struct TTask {
    const char* title;
    const char* text;
    QColor colour;
    std::set<int> icons;
};

const TTask& TaskOf(int task)
{
    static const TTask tasks[] = {
        {"Áthelyezés",
         "Az ablakokban gyakran láthatók kis képek, azaz ikonok. Ezeket át lehet húzni az egyik ablakból a másikba. "
         "Húzd át Tivadar ikonját a helyére!",
         QColor(0, 0, 0), {1}},
        {"Másolás",
         "Az előbb áthelyeztél, most másolnod kell. Tartsd nyomva a CTRL billentyűt, és úgy húzd át az ikonokat az "
         "egyik ablakból a másikba! ",
         QColor(0, 0, 255), {2, 4}},
        {"Áthelyezés",
         "Most jelöld ki egyszerre az összes ikont! Shift + nyíl, vagy Ctrl + egér. Ezután helyezd át őket a másik "
         "ablakba!",
         QColor(0, 128, 0), {3, 5, 6}},
        {"Másolás",
         "A nem szomszédos elemeket CTRL + kattintással jelölheted ki. Másold át Kábel Ödönt és Tivadart az üres "
         "ablakba!",
         QColor(128, 0, 128), {1, 2, 4}},
        {"Törlés",
         "Az ablakokból törölni is lehet a képeket, ikonokat! Ehhez használd a DELETE billentyűt! Törölj ki minden "
         "képet az ablakból! Lehetőleg egyszerre töröld az elemeket!",
         QColor(255, 0, 0), {3, 5, 6}},
    };
    return tasks[task - 1];
}

} // namespace

TWndMasolForm::TWndMasolForm() : TWndBaseForm(QStringLiteral("WndMasolForm"))
{
    target_ = new TMasolFrom(this, TMasolFrom::TargetTag, shared_);
    target_->SetBounds(QRect(455, 190, 400, 515));
    target_->SetStayOnTop(true);
    target_->img()->SetPng(LoadPng(QStringLiteral("ablakok\\tivadar.png")));
    source_ = new TMasolFrom(this, TMasolFrom::SourceTag, shared_);
    source_->SetBounds(QRect(5, 190, 400, 515));
    source_->SetStayOnTop(true);
    source_->img()->SetPng(LoadPng(QStringLiteral("ablakok\\wnd_v.png")));
    source_->LayOut();
    for (TMasolFrom* window : {target_, source_})
        window->OnCheck = [this] { Check(); };
    timer_ = new TPageTimer(this);
    timer_->SetInterval(200);
    timer_->OnTimer([this] { TimerTick(); });
}

void TWndMasolForm::ShowPage()
{
    TWndBaseForm::ShowPage();
    task_ = 0;
    target_->Show();
    source_->Show();
    Advance();
}

void TWndMasolForm::FillSource()
{
    source_->SetIcons(TaskOf(task_).icons);
    source_->LayOut();
}

QString TWndMasolForm::TaskTitle(int task)
{
    return QString::fromUtf8(TaskOf(task).title);
}

QString TWndMasolForm::TaskText(int task)
{
    return QString::fromUtf8(TaskOf(task).text);
}

void TWndMasolForm::Advance()
{
    ++task_;
    if (task_ > 1) {
        source_->Clear();
        target_->Clear();
    }
    if (task_ <= 5) {
        Controls::SetColour(source_->txtTask(), TaskOf(task_).colour);
        source_->txtTask()->setText(TaskText(task_));
        source_->SetCaption(TaskTitle(task_));
        target_->SetCaption(TaskTitle(task_));
        FillSource();
        return;
    }
    source_->txtTask()->clear();
    source_->SetCaption(QStringLiteral("Címsáv"));
    target_->SetCaption(QStringLiteral("Címsáv"));
    source_->Button1()->setVisible(true);
    target_->Hide();
    target_->setEnabled(false);
    source_->SetBounds(QRect(307, source_->Top(), source_->Width(), source_->Height()));
    source_->img()->SetPng(LoadPng(QStringLiteral("ablakok\\wnd_v_ok.png")));
}

void TWndMasolForm::Restart()
{
    source_->Clear();
    target_->Clear();
    FillSource();
}

void TWndMasolForm::Check()
{
    if (timer_->Enabled())
        return; // the task is done and the next one is on its way
    using TSet = std::set<int>;
    const TSet& source = source_->Set();
    const TSet& target = target_->Set();
    bool success = false;
    bool restart = false;
    switch (task_) {
    case 1: success = target.count(1) > 0; break;
    case 2:
        success = target == TSet{2, 4} && source == TSet{2, 4};
        restart = !success && source.size() < 2;
        break;
    case 3:
        success = target == TSet{3, 5, 6} && source.empty();
        restart = !success;
        break;
    case 4:
        success = target == TSet{1, 4} && source == TSet{1, 2, 4};
        restart = !success;
        break;
    case 5:
        success = target.empty() && source.empty();
        restart = !target.empty();
        break;
    case 6: Notify(); return;
    default: return;
    }
    if (success) {
        elapsed_ = 0;
        timer_->SetEnabled(true);
    } else if (restart) {
        Restart();
    }
}

void TWndMasolForm::TimerTick()
{
    elapsed_ += timer_->Interval();
    if (elapsed_ < 600)
        return;
    timer_->SetEnabled(false);
    Advance();
}
