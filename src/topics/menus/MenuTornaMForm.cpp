#include "MenuTornaMForm.h"

#include "MenuTornaForm.h"
#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"

#include <QLabel>
#include <algorithm>

namespace {

// The red task shown on advancing from step n (index n − 1), the item that does it and its clip.
struct TExercise {
    const char* task;
    int tag;
    const char* clip;
};
const TExercise Exercises[] = {
    {"Fejdöntés jobbra", 11, "menu/fej_jobb.avi"},
    {"Törzsdöntés hátra", 22, "menu/hajlas_hatra.avi"},
    {"Törzsdöntés balra", 24, "menu/torzsdontes_bal.avi"},
    {"Fejdöntés balra", 12, "menu/fej_bal.avi"},
    {"Forgás balra", 14, "menu/forgas_bal.avi"},
    {"Törzsdöntés előre", 21, "menu/hajlas_elore.avi"},
    {"Forgás balra", 14, "menu/forgas_bal.avi"},
    {"Törzsdöntés jobbra", 23, "menu/torzsdontes_jobb.avi"},
    {"Karemelés", 25, "menu/kar.avi"},
    {"Guggolás", 15, "menu/gugol.avi"},
};
constexpr int ExerciseCount = static_cast<int>(std::size(Exercises));

} // namespace

QString TMenuTornaMForm::Info(int step)
{
    if (step == 0)
        return QStringLiteral("Billentyűkkel is kezelhető minden menü. Tartsd lenyomva az Alt billentyűt, amely a "
                              "szóköz bal oldalán van (nem az Alt Gr-t)! Közben nyomd meg a menü nevében aláhúzott "
                              "betűt!");
    return QStringLiteral("Gördítsd le a menüket, és figyeld meg a menüpontok után írt billentyűparancsokat! Ezekkel "
                          "a menü lenyitása nélkül is kiadhatod a parancsot, csak meg kell jegyezned őket. A piros "
                          "betűs gyakorlatokat Tivadar végzi el, ha kiadod a parancsukat.");
}

QString TMenuTornaMForm::Exercise(int n)
{
    return QString::fromUtf8(Exercises[std::clamp(n, 1, ExerciseCount) - 1].task);
}

TMenuTornaMForm::TMenuTornaMForm() : TMenuBaseMForm(QStringLiteral("MenuTornaMForm"))
{
    window_ = new TMenuTornaForm(this);
    window_->SetPicture(LoadPng(QStringLiteral("menu\\menu_j_h.png")));
    window_->txtInfo()->setText(Info(0));
    window_->Menu()->OnOpen = [this](TMenuItem&) { Opened(); };
    window_->Menu()->OnChoose = [this](TMenuItem& item) { Choose(item); };
    Open(window_, QPoint(170, 200));
}

void TMenuTornaMForm::ShowPage()
{
    TMenuBaseMForm::ShowPage();
    Activate(window_);
    step_ = 0;
    Advance();
}

void TMenuTornaMForm::Opened()
{
    if (step_ == 1)
        Advance();
}

void TMenuTornaMForm::Choose(TMenuItem& item)
{
    // A shortcut opens no menu: the first task is only done by opening one.
    if (step_ < 2 || step_ > ExerciseCount + 1)
        return;
    const TExercise& exercise = Exercises[step_ - 2];
    if (item.Tag != exercise.tag)
        return;
    TClipPlayer* anim = window_->anim();
    anim->Open(AviPath(QString::fromUtf8(exercise.clip)));
    anim->setVisible(true);
    anim->PlayAll(0);
    Advance();
}

void TMenuTornaMForm::Advance()
{
    if (step_ == 0) {
        window_->txtTask()->clear();
    } else if (step_ == 1) {
        window_->img()->setVisible(false);
        window_->txtInfo()->setText(Info(1));
        window_->txtTask()->setText(Exercise(1));
    } else if (step_ <= ExerciseCount) {
        window_->txtTask()->setText(Exercise(step_));
    } else if (step_ == ExerciseCount + 1) {
        window_->btnTovabb()->setVisible(true);
    }
    ++step_;
}
