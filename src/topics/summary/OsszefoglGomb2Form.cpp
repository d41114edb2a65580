#include "OsszefoglGomb2Form.h"

#include "framework/ClipPlayer.h"
#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/DragDrop.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace {

struct TPair {
    const char16_t* label;
    QPoint labelAt;
    const char16_t* button;
    QPoint buttonAt;
};

const TPair PairTable[TOsszefoglGomb2Form::Pairs] = {
    {u"IGEN", {120, 496}, u"YES ", {496, 328}},
    {u"MEGSZAKÍTÁS", {192, 536}, u"ABORT ", {456, 408}},
    {u"LEJÁTSZÁS", {64, 408}, u"PLAY ", {496, 488}},
    {u"ISMÉTLÉS", {208, 288}, u"RETRY ", {600, 528}},
    {u"KILÉPÉS", {352, 408}, u"EXIT", {696, 488}},
    {u"FOLYTATÁS", {296, 328}, u"CONTINUE", {728, 408}},
    {u"MÉGSEM", {120, 328}, u"CANCEL ", {688, 328}},
    {u"NEM", {299, 496}, u"NO ", {592, 288}},
};

const QSize ButtonSize(81, 25);
constexpr int LabelHeight = 22;
// The buttons' property naming their pair.
constexpr char PairProperty[] = "pair";

} // namespace

QString TOsszefoglGomb2Form::LabelCaption(int pair)
{
    return QString::fromUtf16(PairTable[pair - 1].label);
}

QString TOsszefoglGomb2Form::ButtonCaption(int pair)
{
    return QString::fromUtf16(PairTable[pair - 1].button);
}

QString TOsszefoglGomb2Form::ResultCaption()
{
    return QStringLiteral("Helytelen párosítások száma:");
}

TOsszefoglGomb2Form::TOsszefoglGomb2Form() : TBaseBillForm(QStringLiteral("OsszefoglGomb2Form"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
    const QColor blue = DelphiColor(0xFF0000);
    heading_ = Controls::Label(
        this, QRect(0, 216, 862, 50),
        QStringLiteral("Párosítsd a gombokat magyar jelentésükkel!\nHúzd a feliratokra a gombokat!"),
        PixelFont(QStringLiteral("Arial"), 19, true), blue, Qt::AlignHCenter | Qt::AlignTop);
    imgTiv_ = new TImage(this, QRect(168, 360, 174, 124));
    imgNora_ = new TImage(this, QRect(544, 360, 174, 124));
    odonNem_ = new TClipPlayer(this);
    odonNem_->setGeometry(862, 106, 160, 320);
    odonOk_ = new TClipPlayer(this);
    odonOk_->setGeometry(862, 106, 160, 320);
    odonNem_->Open(QStringLiteral("..\\res\\avis\\kabel_odon_fejet_raz.avi"));
    odonOk_->Open(QStringLiteral("..\\res\\avis\\kabel_odon_bologat.avi"));
    odonOk_->raise();

    const QFont labelFont = PixelFont(QStringLiteral("Arial"), 16, true);
    const QFont buttonFont = PixelFont(QStringLiteral("Arial"), 13, true);
    for (int pair = 1; pair <= Pairs; ++pair) {
        const TPair& row = PairTable[pair - 1];
        const QString caption = LabelCaption(pair);
        const int width = QFontMetrics(labelFont).horizontalAdvance(caption) + 4;
        QLabel* label = Controls::Label(this, QRect(row.labelAt, QSize(width, LabelHeight)), caption, labelFont,
                                        DelphiColor(0x800000), Qt::AlignLeft | Qt::AlignVCenter);
        TDragDrop& drop = TDragDrop::Of(label);
        drop.OnDragOver = [](QWidget& source) { return source.property(PairProperty).isValid(); };
        drop.OnDragDrop = [this, pair](QWidget& source, QPoint) { Drop(source.property(PairProperty).toInt(), pair); };
        labels_[pair - 1] = label;

        auto* button = new TPushButton(this, QRect(row.buttonAt, ButtonSize), ButtonCaption(pair));
        button->setFont(buttonFont);
        button->setFocusPolicy(Qt::NoFocus); // a piece to drag, not a button to press
        button->setProperty(PairProperty, pair);
        TDragDrop::Of(button).FollowMouse(true);
        buttons_[pair - 1] = button;
    }
    // The background takes nothing: the no-drop cursor shows over it.
    TDragDrop::Of(hatter()).OnDragOver = [](QWidget&) { return false; };

    lblErtekel_ = Controls::Label(this, QRect(544, 480, 320, 24), ResultCaption(),
                                  PixelFont(QStringLiteral("Arial"), 19, true), blue);
    lblErtekel_->hide();
    btnNext_ = new TPushButton(this, QRect(392, 680, 89, 25), QStringLiteral("Tovább"));
    btnNext_->setEnabled(false);
    btnNext_->OnClick = [this] { NotifyModule(); };
}

void TOsszefoglGomb2Form::InitPage()
{
    TBaseBillForm::InitPage();
    imgTiv_->SetPng(LoadPng(QStringLiteral("osszefoglal\\Tivadar.png")));
    imgNora_->SetPng(LoadPng(QStringLiteral("osszefoglal\\nora.png")));
}

void TOsszefoglGomb2Form::Drop(int buttonPair, int labelPair)
{
    if (buttonPair != labelPair) {
        wrong_ = std::min(wrong_ + 1, 255);
        PlayInFront(*odonNem_);
        return;
    }
    right_ = std::min(right_ + 1, 255);
    Button(buttonPair)->hide();
    PlayInFront(*odonOk_);
    if (right_ != Pairs)
        return;
    lblErtekel_->setText(ResultCaption() + QStringLiteral("  ") + QString::number(wrong_));
    lblErtekel_->show();
    btnNext_->setEnabled(true);
}

void TOsszefoglGomb2Form::PlayInFront(TClipPlayer& clip)
{
    clip.raise();
    clip.Play(1, 24, 1);
}
