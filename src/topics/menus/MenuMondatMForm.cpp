#include "MenuMondatMForm.h"

#include "MenuMondatForm.h"
#include "SentenceGame.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "platform/PageTimer.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"

#include <QLabel>

namespace {
const QString RoundKey = QStringLiteral("MENU_GAME_ROUND");
} // namespace

QString TMenuMondatMForm::ElapsedCaption()
{
    return QStringLiteral("Eltelt idő:");
}

TMenuMondatMForm::TMenuMondatMForm() : TMenuBaseMForm(QStringLiteral("MenuMondatMForm"))
{
    const QFont font = PixelFont(QStringLiteral("Arial"), 24);
    elapsedLabel_ = Controls::Label(this, QRect(824, 192, 168, 32), ElapsedCaption(), font, Qt::blue, Qt::AlignCenter);
    ora_ = Controls::Label(this, QRect(824, 224, 168, 32), QStringLiteral("00:00"), font, Qt::blue, Qt::AlignCenter);
    imgEndGame_ = new TImage(this, QRect(888, 560, 104, 61));
    imgEndGame_->setCursor(Qt::PointingHandCursor);
    imgEndGame_->hide();
    imgEndGame_->setEnabled(false);
    imgEndGame_->OnClick = [this] { EndGames(); };
    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(1000);
    timer1_->OnTimer([this] { Timer1Timer(); });

    window_ = new TMenuMondatForm(this);
    window_->img()->SetPng(LoadPng(QStringLiteral("menu\\menu_j_o.png")));
    window_->OnGameOver = [this](int errors) { GameOver(errors); };
    Open(window_, QPoint(170, 200));
    // START first; the same button leads on once the game is over.
    window_->btnTovabb()->SetCaption(QStringLiteral("START"));
    window_->btnTovabb()->setVisible(true);
    window_->btnTovabb()->OnClick = [this] { btnTovabbClick(); };
}

void TMenuMondatMForm::ShowPage()
{
    TMenuBaseMForm::ShowPage();
    seconds_ = 0;
    errors_ = 0;
    if (Board::Text(Controller(), RoundKey)) {
        imgEndGame_->SetPng(LoadPng(QStringLiteral("egerezes\\game\\button_exitgame.png")));
        imgEndGame_->show();
        imgEndGame_->setEnabled(true);
    }
}

bool TMenuMondatMForm::Started() const
{
    return window_->SentenceIndex() > 0;
}

void TMenuMondatMForm::btnTovabbClick()
{
    if (!Started()) {
        window_->btnTovabb()->hide();
        window_->btnTovabb()->SetCaption(QStringLiteral("Tovább"));
        timer1_->SetEnabled(true);
        window_->Begin();
        return;
    }
    if (window_->SentenceIndex() <= SentenceGame::Sentences)
        return;
    IModuleController& controller = Controller();
    if (!controller.GetValue(RoundKey))
        Board::PutText(controller, RoundKey, QStringLiteral("OK"));
    const QString name = Board::Text(controller, QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(controller, QStringLiteral("ERTEKEL"),
                   SentenceGame::ResultText(name, ora_->text(), seconds_, errors_));
    NotifyModule();
}

void TMenuMondatMForm::Timer1Timer()
{
    ++seconds_;
    ora_->setText(FormatMinSec(seconds_));
}

void TMenuMondatMForm::GameOver(int errors)
{
    Controller().RemoveValue(RoundKey);
    timer1_->SetEnabled(false);
    errors_ = errors;
}

bool TMenuMondatMForm::Replay() const
{
    return Controller().GetValue(RoundKey) != nullptr;
}

void TMenuMondatMForm::EndGames()
{
    if (!Replay())
        return;
    IModuleController& controller = Controller();
    controller.RemoveValue(RoundKey);
    Board::PutText(controller, QStringLiteral("END_GAME"), QStringLiteral("END_GAME"));
    timer1_->SetEnabled(false);
    NotifyModule();
}

void TMenuMondatMForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    // Only Esc ends the replays: Alt, the arrows and Enter belong to the menu.
    if (key != VirtualKey::Escape || !Replay())
        return;
    key = 0;
    EndGames();
}
