#include "OsszefoglJelolForm.h"

#include "framework/CheckBox.h"
#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/PageFocus.h"
#include "framework/ProgressBar.h"
#include "framework/PushButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpinEdit.h"
#include "framework/TrackBar.h"
#include "platform/VirtualKey.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QColor Blue = DelphiColor(0xFF0000);
QFont SampleFont()
{
    return PixelFont(QStringLiteral("Arial"), 15);
}
} // namespace

QString TOsszefoglJelolForm::Introduction()
{
    return QStringLiteral("Sokszor kell választanunk több dolog közül, vagy be kell állítanunk például számértéket, "
                          "mértékegységet, színt, méretet, dátumot vagy időt. Erre használhatjuk ezeket a virtuális "
                          "eszközöket:");
}

std::vector<ReviewTable::TRow> TOsszefoglJelolForm::Rows()
{
    return ReviewTable::WithHeading(
        QStringLiteral("Jelölő-beállító-jelző:"), QStringLiteral("Leírás:"),
        {
            {QStringLiteral("Rádiógomb"), QStringLiteral("- Választó gomb. Egyszerre csak egy lehet benyomva.")},
            {QStringLiteral("Jelölőnégyzet"),
             QStringLiteral("- Egymástól függetlenek, egyszerre akár az összes bejelölhető.")},
            {QStringLiteral("Nyílgombos\nszerkesztőmező"),
             QStringLiteral("- Az érték a nyílgombokkal és gépeléssel is beállítható.")},
            {QStringLiteral("Csúszka"), QStringLiteral("- Mozgatásával beállítható a kívánt érték. ")},
            {QStringLiteral("Folyamatjelző"), QStringLiteral("- Mutatja a folyamatok állapotát. Számmal is jelezhet.")},
        });
}

TOsszefoglJelolForm::TOsszefoglJelolForm() : TBaseBillForm(QStringLiteral("OsszefoglJelolForm"))
{
    UseTabStops();
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
    lblBevezeto_ = Controls::Label(this, QRect(48, 48, 812, 96), Introduction(), PixelFont(QStringLiteral("Arial"), 20),
                                   Blue, Qt::AlignLeft | Qt::AlignTop, true);

    // The samples in a column on the left, the table beside them.
    radioGroup1_ = new TRadioGroup(this, QRect(48, 152, 260, 110), QStringLiteral("Rádiógomb csoport"),
                                   {QStringLiteral("Rádiógomb 1"), QStringLiteral("Rádiógomb 2"),
                                    QStringLiteral("Rádiógomb 3")});
    radioGroup1_->setFont(SampleFont());
    groupBox1_ = new QGroupBox(QStringLiteral("Jelölőnégyzet csoport"), this);
    groupBox1_->setGeometry(48, 274, 260, 110);
    groupBox1_->setFont(SampleFont());
    for (int i = 0; i < 3; ++i)
        checkBoxes_.push_back(
            new TCheckBox(groupBox1_, QRect(12, 24 + 27 * i, 236, 24), QStringLiteral("Jelölőnégyzet %1").arg(i + 1)));

    Caption(QRect(48, 398, 260, 20), QStringLiteral("Nyílgombos szerkesztőmező"));
    spinEdit1_ = new TSpinEdit(this, QRect(48, 420, 60, 24), 0, 100, 1);
    spinEdit1_->Edit()->setFont(SampleFont());
    // Nothing is typed into the field: its arrows and the arrow keys set it.
    spinEdit1_->Edit()->setReadOnly(true);
    TPageFocus::KeepArrows(spinEdit1_->Edit());
    OnControlKeyDown(spinEdit1_->Edit(), [this](int& key, Qt::KeyboardModifiers) {
        if (key == VirtualKey::Up || key == VirtualKey::Down) {
            spinEdit1_->Step(key == VirtualKey::Up ? 1 : -1);
            key = 0;
        }
    });

    Caption(QRect(48, 458, 260, 20), QStringLiteral("Csúszka"));
    trackBar1_ = new TTrackBar(this, QRect(48, 480, 220, 33), Qt::Horizontal, 0, 10, 3, 1);
    trackBar1_->setTickPosition(QSlider::TicksBelow);
    trackBar1_->setTickInterval(1);
    trackBar1_->OnChange = [this] { TrackBar1Change(); };
    Caption(QRect(48, 526, 260, 20), QStringLiteral("Folyamatjelző"));
    progressBar1_ = new TProgressBar(this, QRect(48, 548, 260, 24), TProgressBar::TLook::Continuous);
    progressBar1_->setFont(SampleFont());
    progressBar1_->SetPosition(30);

    table_ = ReviewTable::Build(this, QPoint(336, 176), 190, 330, Rows());
    btnTovabb_ = new TPushButton(this, QRect(392, 712, 91, 25), QStringLiteral("Tovább"));
    btnTovabb_->OnClick = [this] { NotifyModule(); };
}

void TOsszefoglJelolForm::Caption(const QRect& geometry, const QString& text)
{
    Controls::Label(this, geometry, text, PixelFont(QStringLiteral("Arial"), 16, true), Blue);
}

void TOsszefoglJelolForm::TrackBar1Change()
{
    progressBar1_->SetPosition(10 * trackBar1_->Position());
}
