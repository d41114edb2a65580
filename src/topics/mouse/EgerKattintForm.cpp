#include "EgerKattintForm.h"

#include "MouseText.h"
#include "framework/Canvas.h"
#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "shell/IModule.h"

#include <QPainter>

namespace {
const QRect HeadPlaces[TEgerKattintForm::Heads] = {
    {48, 576, 125, 70}, {190, 584, 101, 55}, {304, 588, 81, 46}, {401, 592, 67, 38}, {484, 596, 54, 30},
    {551, 598, 45, 25}, {606, 600, 36, 21},  {656, 601, 31, 19}, {698, 603, 25, 15}, {733, 604, 21, 13},
    {762, 605, 17, 12}, {787, 606, 16, 9},   {809, 607, 13, 8},
};
constexpr unsigned AllHeads = (1u << TEgerKattintForm::Heads) - 1;
} // namespace

TEgerKattintForm::TEgerKattintForm() : TBaseBillForm(QStringLiteral("EgerKattintForm"))
{
    LoadBackground(QStringLiteral("14_egerezes_kisebb_kurzorok.jpg"));
    const QImage head = LoadPng(QStringLiteral("norafejkatt.png"));
    for (int i = 0; i < Heads; ++i) {
        images_[i] = new TImage(this, HeadPlaces[i]);
        images_[i]->SetStretch(true);
        images_[i]->SetPng(head);
        images_[i]->OnClick = [this, i] { Image1Click(i); };
    }
    balklikkAnim_ = new TClipPlayer(this);
    balklikkAnim_->setGeometry(320, 380, 230, 160);
    balklikkAnim_->Open(AviPath(QStringLiteral("04_kattintas_fogalma.avi")));

    timer_.SetInterval(1500);
    timer_.OnTimer([this] { balklikkAnim_->PlayAll(1); });
    timer_.SetEnabled(true);
}

QString TEgerKattintForm::Instruction()
{
    return QStringLiteral("Mostantól csak kattintanod kell.<BR>Figyelj arra, hogy kattintás közben ne "
                          "mozgasd az egeret!<BR>Mindig a nyíl hegye legyen az ábrán!<BR>Minden képre "
                          "kattints rá!");
}

void TEgerKattintForm::ShowPage()
{
    TBaseBillForm::ShowPage();
    MouseText::Write(*this, *hatter(), {16, 100, 200, 240, 50, 7}, Instruction());
    // A frame stays where each head was, so the learner sees which are still to find.
    QPainter painter(&hatter()->Canvas().Target());
    painter.setPen(QColor(0, 0, 255));
    for (TImage* image : images_) {
        const QRect bounds = image->geometry();
        painter.drawRect(bounds.adjusted(0, 0, -1, -1));
    }
    painter.end();
    hatter()->Refresh();
}

void TEgerKattintForm::Image1Click(int index)
{
    images_[index]->hide();
    clicked_ |= 1u << index;
    if (clicked_ == AllHeads) {
        timer_.SetEnabled(false);
        NotifyModule();
    }
}
