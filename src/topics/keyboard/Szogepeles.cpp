#include "Szogepeles.h"

#include "KeyboardResults.h"
#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"
#include "shell/IModule.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QColor Blue = DelphiColor(0xFF0000);
} // namespace

const QStringList& TSzogepeles::Words()
{
    static const QStringList words = {
        QStringLiteral("kicsi"), QStringLiteral("hosszú"), QStringLiteral("Duna"),   QStringLiteral("MÁV"),
        QStringLiteral("árvíz"), QStringLiteral("tükör"),  QStringLiteral("fúró"),   QStringLiteral("példás"),
        QStringLiteral("fűző"),  QStringLiteral("billentyű"),
    };
    return words;
}

TSzogepeles::TSzogepeles() : TBaseBillForm(QStringLiteral("Szogepeles"))
{
    hatter()->move(0, -8);
    LoadBackground(QStringLiteral("szogepeles.jpg"));

    txtSzoKi_ = Controls::Label(this, QRect(80, 176, 713, 65), QString(), PixelFont(QStringLiteral("Arial"), 32), Blue,
                                Qt::AlignLeft | Qt::AlignVCenter);
    txtSzoKi_->setTextFormat(Qt::PlainText);
    szoBe_ = Controls::TypingBox(this, QRect(74, 272, 729, 66), PointFont(QStringLiteral("Arial"), 35), Blue);
    feladat_ = new TImage(this, QRect(24, 384, 825, 361));
    // The box keeps the keys whatever the learner clicks, as the name and grade boxes do.
    setFocusProxy(szoBe_);
    OnControlKeyDown(szoBe_, [this](int& key, Qt::KeyboardModifiers) {
        if (key != VirtualKey::Return)
            return;
        key = 0;
        szoBeEnter();
    });
}

void TSzogepeles::InitPage()
{
    TBaseBillForm::InitPage();
    szoBe_->setFont(PointFont(QStringLiteral("Arial"), 35));
    feladat_->SetTransparent(true);
    wordsShown_ = 0;
    wrongEntries_ = 0;
    words_ = Words();
}

void TSzogepeles::ShowPage()
{
    TBaseBillForm::ShowPage();
    IModuleController& controller = Controller();
    exercise_ = Board::Text(controller, QStringLiteral("STEP")).value_or(QString());
    controller.RemoveValue(QStringLiteral("STEP"));
    Clear();
    if (exercise_ == QLatin1String("SZAMOK"))
        StartDigits();
    else if (exercise_ == QLatin1String("SZAVAK"))
        StartWords();
    szoBe_->setFocus(Qt::OtherFocusReason);
}

void TSzogepeles::Clear()
{
    // An unknown exercise word leaves nothing of an earlier exercise: no target, no texts.
    state_ = TState::Empty;
    target_.clear();
    txtSzoKi_->clear();
    szoBe_->clear();
    szoBe_->setEnabled(true);
    setFocusProxy(szoBe_);
    PrepareTextLayer(*feladat_);
}

void TSzogepeles::WriteInstruction(const QString& text)
{
    PrepareTextLayer(*feladat_);
    TTextImgWriter& writer = *Writer();
    writer.SetImage(feladat_);
    writer.SetMargins(20, 0, 20, 0);
    writer.SetLineSpacing(10);
    writer.SetText(text);
    writer.WriteText();
}

void TSzogepeles::StartDigits()
{
    target_ = DigitRow;
    WriteInstruction(QStringLiteral(
        "Gépeld be a fenti számsort!<BR>Csak számbillentyűzeten lévő számokat használd!<BR>Ha kell, kapcsold be a "
        "számokat a Num Lockkal!<BR>Ha végeztél, nyomd meg az ENTER-t!"));
    txtSzoKi_->setText(target_);
    szoBe_->setEnabled(true);
    state_ = TState::DigitsTyping;
}

void TSzogepeles::StartWords()
{
    WriteInstruction(QStringLiteral(
        "Ebben a feladatban szavakat kell begépelned. 10 szót kapsz.<BR>Nézd meg a Caps Lock lámpáját, ha kell, "
        "kapcsold ki!<BR>Gépeld be a fent megjelenő kék színű szót, majd nyomd meg az ENTER-t!<BR>A következő szó "
        "csak akkor jelenik meg, ha hibátlanul gépeltél!"));
    szoBe_->setEnabled(true);
    state_ = TState::Words;
    ShowNextWord();
}

void TSzogepeles::ShowNextWord()
{
    ++wordsShown_;
    target_ = words_.at(wordsShown_ - 1);
    txtSzoKi_->setText(target_);
}

void TSzogepeles::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    // Keys that type a control character click too, as every typed character does.
    if (key == VirtualKey::Return || key == VirtualKey::Back || key == VirtualKey::Escape)
        PlaySoundFile(QStringLiteral("1_katt3.wav"));
    if (key == VirtualKey::Return && state_ == TState::DigitsPraised) {
        key = 0;
        auto module = Module();
        Board::PutText(Controller(), QStringLiteral("STEP_READY"), QStringLiteral("SZAMOK_READY"));
        module->Notify();
    }
}

void TSzogepeles::FormKeyPress(QChar&)
{
    PlaySoundFile(QStringLiteral("1_katt3.wav"));
}

void TSzogepeles::szoBeEnter()
{
    if (!szoBe_->isEnabled())
        return;
    const QString typed = szoBe_->text();
    if (state_ == TState::DigitsTyping) {
        if (typed != target_) {
            Services::Messages().Information(Mistyped);
            return;
        }
        WriteInstruction(QStringLiteral(
            "Ügyes vagy!<BR>Következzen az utolsó betűvadászat, ahol már minden írásjel szerepelhet!<BR>Az "
            "írásjeleket karakternek is nevezik. Minden írásjel karakter, <BR>vagyis a betűk, a számok és a többi "
            "írásjel is.<BR><BR>Ha felkészültél, nyomd meg az ENTER-t!"));
        szoBe_->setEnabled(false);
        state_ = TState::DigitsPraised;
        // The disabled box takes no keys: the page listens for the next Enter itself.
        setFocusProxy(nullptr);
        setFocus(Qt::OtherFocusReason);
        return;
    }
    if (state_ != TState::Words)
        return;
    if (typed != target_) {
        ++wrongEntries_;
        return;
    }
    if (wordsShown_ < words_.size()) {
        szoBe_->clear();
        ShowNextWord();
        return;
    }
    FinishWords();
}

void TSzogepeles::FinishWords()
{
    IModuleController& controller = Controller();
    const QString name = Board::Text(controller, QStringLiteral("USERNAME")).value_or(QString());
    const QString grade = Board::Text(controller, QStringLiteral("OSZTALY")).value_or(QString());
    auto module = Module();
    Board::PutText(controller, QStringLiteral("ERTEKEL"), KeyboardResults::WordsResult(name, grade, wrongEntries_));
    Board::PutText(controller, QStringLiteral("STEP_READY"), QStringLiteral("SZAVAK_READY"));
    module->Notify();
}
