#include "OsszefoglBill2Form.h"

#include "SummaryHuntResult.h"
#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/TextImgWriter.h"
#include "shell/Board.h"
#include "shell/IModule.h"
#include "topics/keyboard/HuntPool.h"

#include <QLabel>

namespace {
constexpr int HuntSeconds = 31; // the first tick shows 00:30
} // namespace

QString TOsszefoglBill2Form::Instruction()
{
    return QStringLiteral("Most betűkre vadászhatsz. A kék panel mutatja, hogy mit gépelj!<BR>Ha rossz, akkor a "
                          "zöld panelben megjelenik az elgépelt betű.<BR>Fél perc alatt próbálj minél több betűt "
                          "eltalálni!<BR><BR>Indítás: ENTER.");
}

TOsszefoglBill2Form::TOsszefoglBill2Form() : TBetuvadaszat(QStringLiteral("OsszefoglBill2Form"))
{
    feladat()->resize(feladat()->width(), 305);
    txtBeirMutat()->setGeometry(536, txtBeirMutat()->y(), 129, txtBeirMutat()->height());
    btnTovabb_ = new TPushButton(this, QRect(392, 712, 91, 25), QStringLiteral("Tovább"));
    // Space and Enter belong to the hunt: the button is for the mouse only.
    btnTovabb_->setFocusPolicy(Qt::NoFocus);
    btnTovabb_->hide();
    btnTovabb_->OnClick = [this] { btnTovabbClick(); };

    // Whatever the learner clicks beside the button, the keys come to the hunt again.
    const auto focusPage = [this] { setFocus(Qt::MouseFocusReason); };
    hatter()->OnClick = focusPage;
    feladat()->OnClick = focusPage;
    for (QLabel* label : {txtBetuMutat(), txtBeirMutat(), txtIdo()})
        label->setAttribute(Qt::WA_TransparentForMouseEvents); // the click reaches the background
}

void TOsszefoglBill2Form::ShowPage()
{
    TBetuvadaszat::ShowPage();
    elapsedSeconds_ = HuntSeconds;
    stepWord_ = QStringLiteral("OSSZEFOGLAL_BILL");
    IModuleController& controller = Controller();
    if (Board::Text(controller, QStringLiteral("2ND_ROUND"))) {
        btnTovabb_->show();
        controller.RemoveValue(QStringLiteral("2ND_ROUND"));
    }
    SetPool(*HuntPool::ForStep(QStringLiteral("R3")));

    PrepareTextLayer(*feladat());
    TTextImgWriter& writer = *Writer();
    writer.SetImage(feladat());
    writer.SetMargins(30, 30, 30, 0);
    writer.SetText(Instruction());
    writer.WriteText();
}

void TOsszefoglBill2Form::FormKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    // Once the time is up, Enter starts nothing again.
    if (!finished_)
        TBetuvadaszat::FormKeyDown(key, shift);
}

void TOsszefoglBill2Form::CorrectCharacter()
{
    ++hits_;
    if (elapsedSeconds_ <= 0)
        return;
    PickNextCharacter();
    odonOk()->raise();
    odonOk()->Play(1, 24, 1);
    PlaySoundFile(QStringLiteral("1_katt1.wav"));
}

void TOsszefoglBill2Form::Timer1Timer()
{
    --elapsedSeconds_;
    ShowTime(FormatMinSec(elapsedSeconds_));
    if (elapsedSeconds_ > 0)
        return;
    Timer1().SetEnabled(false);
    running_ = false;
    finished_ = true;
    FinishHunt();
}

void TOsszefoglBill2Form::FinishHunt()
{
    IModuleController& controller = Controller();
    auto module = Module();
    const QString name = Board::Text(controller, QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(controller, QStringLiteral("2ND_ROUND"), QStringLiteral("2ND_Round"));
    Board::PutText(controller, QStringLiteral("ERTEKEL"), SummaryHuntResult::Text(name, hits_, errors_));
    module->Notify();
}

void TOsszefoglBill2Form::btnTovabbClick()
{
    auto module = Module();
    Board::PutText(Controller(), QStringLiteral("ACTION"), QStringLiteral("NEXTFORM"));
    module->Notify();
}
