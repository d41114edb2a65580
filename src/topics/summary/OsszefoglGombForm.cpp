#include "OsszefoglGombForm.h"

#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "framework/SpeedButtonGroup.h"

#include <QLabel>

QString TOsszefoglGombForm::Introduction()
{
    return QStringLiteral("A képernyőn különféle gombokat látsz. A gombok alakja, mérete, színe, felirata, feladata "
                          "eltérő lehet. Ha rákattintasz egy gombra, valamilyen utasítást adsz a gépnek.\n"
                          "Az eszköztárgombok közül egyszerre csak egy lehet benyomva!");
}

std::vector<ReviewTable::TRow> TOsszefoglGombForm::Rows()
{
    return ReviewTable::WithHeading(
        QStringLiteral("A gomb jellemzője:"), QStringLiteral("A jellemző leírása:"),
        {
            {QStringLiteral("Állapot"), QStringLiteral("- Aktív = működő. Inaktív (leszürkült) = nem működő.")},
            {QStringLiteral("Állás"), QStringLiteral("- Felengedett, benyomott.")},
            {QStringLiteral("Kijelöltség"),
             QStringLiteral("- A fókuszkeret látszik a gombon. (Váltás Tabbal, nyilakkal.)")},
            {QStringLiteral("Működtetés (egér)"), QStringLiteral("- Balklikk.")},
            {QStringLiteral("Működtetés (billentyű)"),
             QStringLiteral("- Enter, Szóköz, a gomb feliratának aláhúzott karaktere.")},
        });
}

TOsszefoglGombForm::TOsszefoglGombForm() : TBaseBillForm(QStringLiteral("OsszefoglGombForm"))
{
    UseTabStops();
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
    lblBevezeto_ = Controls::Label(this, QRect(48, 48, 812, 96), Introduction(),
                                   PixelFont(QStringLiteral("Arial"), 20), DelphiColor(0xFF0000),
                                   Qt::AlignLeft | Qt::AlignTop, true);

    // The samples in a column on the left, the table beside them.
    const QFont captions = PixelFont(QStringLiteral("Arial"), 14);
    normalBtn_ = new TPushButton(this, QRect(64, 160, 121, 33), QStringLiteral("Gomb"));
    roundImg_ = new TImage(this, QRect(89, 205, 70, 70));
    roundImg_->SetPng(LoadPng(QStringLiteral("gombok\\GombSokfalytaForm_roundBtn.png")));
    coloredBtn_ = new TPushButton(this, QRect(64, 287, 121, 33), QStringLiteral("Gomb  "));
    coloredBtn_->SetColours(DelphiColor(0xF0CAA6), Qt::black); // sky blue
    ellipseImg_ = new TImage(this, QRect(76, 332, 96, 37));
    ellipseImg_->SetPng(LoadPng(QStringLiteral("gombok\\GombSokfalytaForm_ellipseBtn.png")));

    tools_ = new TSpeedButtonGroup(TSpeedButtonGroup::TMode::Exclusive, this);
    mappaBtn_ = ToolButton(QRect(64, 381, 80, 28), 1, QStringLiteral("Mappa"),
                           QStringLiteral("osszefoglal\\mappa_ikon.png"));
    szamologepBtn_ = ToolButton(QRect(144, 381, 112, 28), 2, QStringLiteral("Számológép"),
                                QStringLiteral("osszefoglal\\szamologep_ikon.png"));
    szamologepBtn_->SetDown(true);

    button2_ = new TPushButton(this, QRect(64, 421, 121, 50), QStringLiteral("Gomb, hosszú szöveggel"));
    button2_->SetWordWrap(true);
    button3_ = new TPushButton(this, QRect(64, 483, 121, 33), QStringLiteral("Inaktív gomb"));
    button3_->setEnabled(false);
    for (TPushButton* sample : {normalBtn_, coloredBtn_, button2_, button3_})
        sample->setFont(captions);

    table_ = ReviewTable::Build(this, QPoint(296, 200), 190, 370, Rows());
    btnTovabb_ = new TPushButton(this, QRect(392, 712, 91, 25), QStringLiteral("Tovább"));
    btnTovabb_->OnClick = [this] { NotifyModule(); };
}

TSpeedButton* TOsszefoglGombForm::ToolButton(const QRect& geometry, int tag, const QString& caption,
                                              const QString& icon)
{
    auto* button = new TSpeedButton(this, geometry, tag);
    button->SetGlyph(LoadPng(icon));
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFont(PixelFont(QStringLiteral("Arial"), 14));
    tools_->Add(button);
    return button;
}
