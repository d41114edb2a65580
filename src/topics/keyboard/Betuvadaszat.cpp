#include "Betuvadaszat.h"

#include "HuntPool.h"
#include "KeyboardResults.h"
#include "framework/ClipPlayer.h"
#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"
#include "shell/IModule.h"

#include <QLabel>

namespace {

const QColor Blue = DelphiColor(0xFF0000);
const QColor Maroon = DelphiColor(0x000080);

struct TInstruction {
    const char16_t* step;
    int left, right, top, bottom;
    const char16_t* text;
};

const TInstruction Instructions[] = {
    {u"R1", 30, 30, 50, 30,
     u"A kék panel mutatja, hogy mit gépelj!<BR>Ha jót írsz, folytatódik a játék, ha rosszat, akkor a zöld "
     u"panelben látod a hibás betűt!<BR>Tíz betűt kapsz, a játékban az is számít, hogy milyen gyorsan válaszolsz "
     u"helyesen!<BR><BR>Indítás: ENTER"},
    {u"R2", 30, 30, 30, 30,
     u"Ismét vadászhatsz!<BR>A feladatban most csak a felső és az alsó jelek szerepelnek.<BR>Mindkét kezedre "
     u"szükséged lesz!<BR>Addig ne engedd el a Shift-et vagy az ALT Gr-t, amíg a szükséges jelet le nem "
     u"ütötted!<BR><BR>Indítás: ENTER"},
    {u"R3", 30, 30, 30, 30,
     u"Kezdődik a játék!<BR>Figyelj, mert most már minden karakter szerepelhet!<BR>Indítás: ENTER"},
};

QLabel* BigCharacter(QWidget* parent, int left, const QColor& colour)
{
    QLabel* label = Controls::Label(parent, QRect(left, 168, 121, 137), QString(),
                                    PixelFont(QStringLiteral("Times New Roman"), 107), colour, Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TBetuvadaszat::TBetuvadaszat() : TBetuvadaszat(QStringLiteral("Betuvadaszat")) {}

TBetuvadaszat::TBetuvadaszat(const QString& pageName) : TBaseBillForm(pageName)
{
    LoadBackground(QStringLiteral("betuvadaszat.jpg"));
    Services::Random().Randomize();
    elapsedSeconds_ = 0;

    feladat_ = new TImage(this, QRect(24, 384, 825, 361));
    txtBetuMutat_ = BigCharacter(this, 208, palette().color(QPalette::WindowText));
    txtBeirMutat_ = BigCharacter(this, 544, Maroon);
    txtIdo_ = Controls::Label(this, QRect(24, 208, 145, 65), QStringLiteral("00:00"),
                              PixelFont(QStringLiteral("Arial"), 43), Blue, Qt::AlignCenter);
    odonNem_ = new TClipPlayer(this);
    odonNem_->setGeometry(862, 106, 160, 320);
    odonOk_ = new TClipPlayer(this);
    odonOk_->setGeometry(862, 106, 160, 320);
    timer1_.SetEnabled(false);
    timer1_.SetInterval(1000);
    timer1_.OnTimer([this] { Timer1Timer(); });
    FormCreate();
}

void TBetuvadaszat::FormCreate()
{
    odonNem_->Open(QStringLiteral("..\\res\\avis\\kabel_odon_fejet_raz.avi"));
    odonOk_->Open(QStringLiteral("..\\res\\avis\\kabel_odon_bologat.avi"));
    odonOk_->raise();
}

void TBetuvadaszat::InitPage()
{
    TBaseBillForm::InitPage();
    feladat_->SetTransparent(true);
    letterCounter_ = 1;
    errors_ = 0;
    Writer()->SetImage(feladat_);
}

void TBetuvadaszat::ShowPage()
{
    TBaseBillForm::ShowPage();
    elapsedSeconds_ = 0;
    stepWord_.clear();
    IModuleController& controller = Controller();
    if (const auto step = Board::Text(controller, QStringLiteral("STEP"))) {
        stepWord_ = *step;
        controller.RemoveValue(QStringLiteral("STEP"));
    }
    for (const TInstruction& instruction : Instructions) {
        if (stepWord_ != QString::fromUtf16(instruction.step))
            continue;
        PrepareTextLayer(*feladat_);
        TTextImgWriter& writer = *Writer();
        writer.SetImage(feladat_);
        writer.SetMargins(instruction.left, instruction.right, instruction.top, instruction.bottom);
        writer.SetText(QString::fromUtf16(instruction.text));
        writer.WriteText();
        SetPool(*HuntPool::ForStep(stepWord_));
    }
}

void TBetuvadaszat::ClosePage()
{
    TBaseBillForm::ClosePage();
    timer1_.SetEnabled(false);
    txtIdo_->clear();
}

void TBetuvadaszat::PickNextCharacter()
{
    if (wrongShown_)
        txtBeirMutat_->clear();
    wrongShown_ = false;
    const int position = HuntPool::DrawPosition(static_cast<int>(pool_.size()), Services::Random());
    target_ = position > 0 ? QString(pool_.at(position - 1)) : QString();
    ShowCharacter(target_, txtBetuMutat_);
}

void TBetuvadaszat::ShowCharacter(const QString& text, QLabel* label)
{
    label->setText(text);
}

void TBetuvadaszat::ShowTime(const QString& text)
{
    txtIdo_->setText(text);
}

void TBetuvadaszat::StartHunt()
{
    running_ = true;
    Services::Random().Randomize();
    PickNextCharacter();
}

void TBetuvadaszat::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (!running_ && key == VirtualKey::Return) {
        PlaySoundFile(QStringLiteral("1_katt1.wav"));
        StartHunt();
        timer1_.SetEnabled(true);
    }
    if (key == VirtualKey::Back || key == VirtualKey::Return || key == VirtualKey::Escape)
        swallow_ = true;
}

void TBetuvadaszat::FormKeyUp(int& key, Qt::KeyboardModifiers)
{
    if (key == VirtualKey::Back || key == VirtualKey::Return || key == VirtualKey::Escape)
        swallow_ = false;
}

void TBetuvadaszat::FormKeyPress(QChar& key)
{
    if (swallow_) {
        key = QChar();
        return;
    }
    if (!running_)
        return;
    if (target_.isEmpty() || key != target_.at(0))
        WrongCharacter(key);
    else
        CorrectCharacter();
}

void TBetuvadaszat::WrongCharacter(QChar character)
{
    if (lastWrong_ == QString(character))
        return; // a held key repeats: it counts once
    ++errors_;
    wrongShown_ = true;
    lastWrong_ = QString(character);
    ShowCharacter(lastWrong_, txtBeirMutat_);
    odonNem_->raise();
    odonNem_->Play(1, 24, 1);
    PlaySoundFile(QStringLiteral("1_katt2.wav"));
}

void TBetuvadaszat::CorrectCharacter()
{
    ++letterCounter_;
    if (letterCounter_ > 10) {
        timer1_.SetEnabled(false);
        running_ = false;
        FinishHunt();
        return;
    }
    PickNextCharacter();
    odonOk_->raise();
    odonOk_->Play(1, 24, 1);
    PlaySoundFile(QStringLiteral("1_katt1.wav"));
}

void TBetuvadaszat::FinishHunt()
{
    IModuleController& controller = Controller();
    const QString name = Board::Text(controller, QStringLiteral("USERNAME")).value_or(QString());
    const QString grade = Board::Text(controller, QStringLiteral("OSZTALY")).value_or(QString());
    auto module = Module();
    Board::PutText(controller, QStringLiteral("ERTEKEL"),
                   KeyboardResults::HuntResult(stepWord_, name, grade, errors_, elapsedSeconds_));
    Board::PutText(controller, QStringLiteral("STEP_READY"), stepWord_ + QStringLiteral("_READY"));
    module->Notify();
}

void TBetuvadaszat::Timer1Timer()
{
    if (elapsedSeconds_ < MaxSeconds)
        ++elapsedSeconds_;
    ShowTime(FormatMinSec(elapsedSeconds_));
}
