#include "GombSokfalytaForm.h"

#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

#include <algorithm>

namespace {

struct TShapeMedia {
    const char* clip;
    const char* sound;
};

const TShapeMedia Media[] = {
    {"gombok\\03_gomb_fajtak_meghajlas.avi", "2_taps.wav"},
    {"gombok\\03_gomb_fajtak_gugolas.avi", "3_gugi.wav"},
    {"gombok\\03_gomb_fajtak_forgas.avi", "3_venek.wav"},
    {"gombok\\03_gomb_fajtak_integetes.avi", "3_rossz.wav"},
    {"gombok\\03_gomb_fajtak_cigany.avi", "3_vcker.wav"},
};

} // namespace

QString TGombSokfalytaForm::Instruction()
{
    return QStringLiteral(
        "Különböző alakú, méretű gombokat látsz, felirattal vagy anélkül. Az egyik úgy néz ki, mint egy fej. "
        "Mindegyikre kattints rá!<BR>Ha mindet kipróbáltad, akkor klikkelj a \"Tovább\" gombra!");
}

QString TGombSokfalytaForm::ButtonCaption()
{
    return QStringLiteral("Kattints rám !");
}

TGombSokfalytaForm::TGombSokfalytaForm() : TGombBaseForm(QStringLiteral("GombSokfalytaForm"))
{
    LoadBackground(QStringLiteral("gombok\\") + GetPageName() + QStringLiteral(".jpg"));
    normalBtn_ = new TPushButton(this, QRect(120, 312, 121, 41), ButtonCaption());
    coloredBtn_ = new TPushButton(this, QRect(120, 368, 121, 41), ButtonCaption() + QStringLiteral("   "));
    coloredBtn_->SetColours(QColor(166, 202, 240), QColor(0, 0, 255));
    roundImg_ = new TImage(this, QRect(136, 432, 70, 70));
    ellipseImg_ = new TImage(this, QRect(120, 520, 96, 37));
    noraImg_ = new TImage(this, QRect(104, 568, 135, 75));
    tovabbBtn_ = new TPushButton(this, QRect(392, 680, 121, 41), QStringLiteral("Tovább !"));
    tovabbBtn_->setEnabled(false);
    animBtn_ = new TClipPlayer(this);
    animBtn_->setGeometry(540, 324, 240, 320);
    animBtn_->hide();

    normalBtn_->OnClick = [this] { ShapeClick(Normal); };
    coloredBtn_->OnClick = [this] { ShapeClick(Colored); };
    const std::pair<TImage*, TShape> pictures[] = {{roundImg_, Round}, {ellipseImg_, Ellipse}, {noraImg_, Nora}};
    for (const auto& [picture, shape] : pictures) {
        MakePressable(picture);
        picture->OnClick = [this, shape = shape] { ShapeClick(shape); };
    }
    tovabbBtn_->OnClick = [this] { tovabbBtnClick(); };
}

void TGombSokfalytaForm::InitPage()
{
    tried_ = {};
    ShowToMenu();
    const QString name = QStringLiteral("gombok\\") + GetPageName();
    roundImg_->SetPng(LoadPng(name + QStringLiteral("_roundBtn.png")));
    ellipseImg_->SetPng(LoadPng(name + QStringLiteral("_ellipseBtn.png")));
    noraImg_->SetPng(LoadPng(name + QStringLiteral("_noraBtn.png")));
    TGombBaseForm::InitPage();
}

void TGombSokfalytaForm::ShowPage()
{
    TGombBaseForm::ShowPage();
    WriteOnBackground(Instruction(), 70, 80, 215, 3);
}

void TGombSokfalytaForm::ShapeClick(TShape shape)
{
    if (!tried_[shape]) {
        tried_[shape] = true;
        tovabbBtn_->setEnabled(std::all_of(tried_.begin(), tried_.end(), [](bool tried) { return tried; }));
    }
    animBtn_->Open(AviPath(QString::fromLatin1(Media[shape].clip)));
    animBtn_->show();
    animBtn_->PlayAll(2);
    PlaySoundFile(QString::fromLatin1(Media[shape].sound));
}

void TGombSokfalytaForm::tovabbBtnClick()
{
    PlaySoundFile(QStringLiteral("3_gkatt1.wav"));
    Notify();
}
