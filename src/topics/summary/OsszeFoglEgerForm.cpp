#include "OsszeFoglEgerForm.h"

#include "framework/CaptionedPicture.h"
#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

TOsszeFoglEgerForm::TOsszeFoglEgerForm() : TBaseBillForm(QStringLiteral("OsszeFoglEgerForm"))
{
    UseTabStops();
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
    table_ = ReviewTable::Build(this, QPoint(64, 140), 190, 580, Rows());
    kattintAnim_ = new TClipPlayer(this);
    kattintAnim_->setGeometry(320, 364, 232, 160);
    kattintAnim_->Open(AviPath(QStringLiteral("04_kattintas_fogalma.avi")));
    jobbkez_ = new TImage(this, QRect(80, 536, 193, 145));
    balkez_ = new TImage(this, QRect(344, 536, 200, 145));
    rosszultart_ = new TImage(this, QRect(616, 504, 185, 193));
    btnTovabb_ = new TPushButton(this, QRect(392, 712, 91, 25), QStringLiteral("Tovább"));
    btnTovabb_->OnClick = [this] { NotifyModule(); };

    timer1_.SetInterval(1500);
    timer1_.OnTimer([this] { kattintAnim_->PlayAll(1); });
    timer1_.SetEnabled(true);
}

std::vector<ReviewTable::TRow> TOsszeFoglEgerForm::Rows()
{
    return ReviewTable::WithHeading(
        QStringLiteral("Tevékenység:"), QStringLiteral("A tevékenység hatása:"),
        {
            {QStringLiteral("Balkattintás"),
             QStringLiteral("- Parancsvégrehajtás, kijelölés, kiválasztás, beállítás.")},
            {QStringLiteral("Jobbkattintás"), QStringLiteral("- A gyorsmenük előhívása.")},
            {QStringLiteral("Duplakattintás"), QStringLiteral("- Programok indítása, kiválasztás.")},
            {QStringLiteral("Gombnyomás és\negérmozgatás"),
             QStringLiteral("- Fogd és vidd! Vonszolás egérrel. Rajzolás egérrel. Kivágás - Másolás.")},
        });
}

void TOsszeFoglEgerForm::ShowPage()
{
    TBaseBillForm::ShowPage();
    const QString family = PageFont().family();
    // The captions stand in the pictures' lowest lines; the wrong grip's takes two.
    const struct {
        TImage* picture;
        const char* file;
        QString caption;
        int left;
        int top;
    } hands[] = {
        {jobbkez_, "egerezes\\EgerKattInfoForm_jobbkatt.png", QStringLiteral("Jobbkezes kéztartás"), 10, 129},
        {balkez_, "egerezes\\EgerKattInfoForm_helyes.png", QStringLiteral("Balkezes kéztartás"), 20, 129},
        {rosszultart_, "egerezes\\EgerKattInfoForm_helytelen.png", QStringLiteral("Rossz egértartás és klikkelés"),
         20, 161},
    };
    for (const auto& hand : hands)
        CaptionedPicture::Compose(*hand.picture, *hatter(), LoadPng(QString::fromLatin1(hand.file)), hand.caption,
                                  family, hand.left, hand.top);
}
