#include "OsszefoglPanelForm.h"

#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"

#include <QLabel>

namespace {

// Both tables share their columns, so their texts line up.
constexpr int TableLeft = 56;
constexpr int LeftWidth = 300;
constexpr int RightWidth = 532;
constexpr int TableGap = 10;

} // namespace

TOsszefoglPanelForm::TOsszefoglPanelForm() : TBaseBillForm(QStringLiteral("OsszefoglPanelForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
    imgTabla_ = new TImage(this, QRect(280, 96, 284, 340));
    imgTabla_->SetPng(LoadPng(QStringLiteral("osszefoglal\\tabla.png")));
    txtIntro_ = Controls::Label(
        this, QRect(584, 112, 400, 300),
        QStringLiteral("Az operációs rendszer panelekre írja ki üzeneteit. A panel hasonlít a táblára, amire az "
                       "osztályban írunk: általában téglalap alakú és szürke. A paneleket üzenetük tartalma szerint "
                       "csoportokba soroljuk."),
        PixelFont(QStringLiteral("Arial"), 19), DelphiColor(0xFF0000), Qt::AlignLeft | Qt::AlignTop, true);

    messagePanels_ = ReviewTable::Build(
        this, QPoint(TableLeft, 452), LeftWidth, RightWidth,
        ReviewTable::WithHeading(
            QStringLiteral("Üzenetpanelek (közlés)"), QString(),
            {
                {QStringLiteral("Információs panel"),
                 QStringLiteral("- Üzeneteket, információt, adatokat ír ki, csak az Ok-ra kell kattintani.")},
                {QStringLiteral("Hibajelző panel"),
                 QStringLiteral("- Rendszer- vagy programhibát jelez, csak az Ok-ra kell kattintani.")},
            }));
    dialogPanels_ = ReviewTable::Build(
        this, QPoint(TableLeft, messagePanels_.area.bottom() + 1 + TableGap), LeftWidth, RightWidth,
        ReviewTable::WithHeading(
            QStringLiteral("Párbeszédpanelek (döntéshelyzet)"), QString(),
            {
                {QStringLiteral("Megerősítést kérő panel"), QStringLiteral("- Egy utasítás megerősítésére kér.")},
                {QStringLiteral("Veszélyt jelző panel"),
                 QStringLiteral("- Egy utasítás veszélyességére vagy hiányára hívja fel a figyelmet.")},
                {QStringLiteral("Beállító panel"),
                 QStringLiteral("- Programok beállítási lehetőségeit tartalmazza, lehet többlapos is.")},
            }));

    // Centred under the tables.
    const QRect tovabb(TableLeft + (LeftWidth + RightWidth - 89) / 2, dialogPanels_.area.bottom() + 1 + 16, 89, 25);
    btnTovabb_ = new TPushButton(this, tovabb, QStringLiteral("Tovább"));
    btnTovabb_->OnClick = [this] { NotifyModule(); };
}
