#include "PnlMemJatekForm.h"

#include "ImgPanel.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "platform/PageTimer.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"

#include <QLabel>
#include <QPointer>

namespace {
TDialogRequest Introduction()
{
    TDialogRequest request;
    request.icon = TDialogIcon::Information;
    request.title = QStringLiteral("Információs panel");
    request.text = QStringLiteral("Kattintással találd meg a párokat!\nAz is számít, hogy milyen gyorsan találod meg "
                               "a párokat.\nKezdés: OK gomb.\n\n");
    request.buttons = TDialogButtons::Ok;
    request.closeButton = false;
    request.escape = TDialogResult::Ok;
    return request;
}

TDialogRequest EndQuestion()
{
    TDialogRequest request;
    request.icon = TDialogIcon::Question;
    request.title = QStringLiteral("Megerősítést váró panel");
    request.text = QStringLiteral("Szeretnél még játszani?");
    request.buttons = TDialogButtons::YesNo;
    request.closeButton = false;
    request.escape = TDialogResult::None;
    request.placement = TButtonPlacement::AroundCentre;
    return request;
}
} // namespace

TPnlMemJatekForm::TPnlMemJatekForm()
    : TPnlBaseForm(QStringLiteral("PnlMemJatekForm"), QStringLiteral("PnlMemJatekForm"))
{
    lblIdo_ = Controls::Label(this, QRect(432, 112, 130, 60), QStringLiteral("00:00"),
                              PixelFont(QStringLiteral("Arial"), 51), Qt::blue);
    imgEndGame_ = new TImage(this, QRect(888, 576, 104, 61));
    imgEndGame_->SetPng(LoadPng(QStringLiteral("egerezes\\game\\button_exitgame.png")));
    imgEndGame_->setCursor(Qt::PointingHandCursor);
    imgEndGame_->hide();
    imgEndGame_->OnClick = [this] { imgEndGameClick(); };
    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(TMemoryGame::Interval);
    timer1_->OnTimer([this] { Timer1Timer(); });
    // Both cards of a pair show the same picture: each is read once.
    std::array<QImage, TMemoryGame::Pairs> faces;
    for (int picture = 1; picture <= TMemoryGame::Pairs; ++picture)
        faces[static_cast<std::size_t>(picture - 1)] = LoadPng(QStringLiteral("panel\\%1.png").arg(picture));
    for (int card = 1; card <= TMemoryGame::Cards; ++card) {
        const int picture = game_.Tag(card);
        auto* panel = new TImgPanel(this);
        panel->hide();
        panel->Face()->SetPng(faces[static_cast<std::size_t>(picture - 1)]);
        panel->OnClick = [this, card] { CardClick(card); };
        cards_[static_cast<std::size_t>(card - 1)] = panel;
    }
}

void TPnlMemJatekForm::ShowPage()
{
    TPnlBaseForm::ShowPage();
    Services::Random().Randomize();
    games_ = 0;
    Introduce();
}

void TPnlMemJatekForm::Introduce()
{
    QPointer<TPnlMemJatekForm> self(this);
    const TDialogResult answer = Services::Dialogs().Show(Introduction());
    if (!self)
        return;
    imgEndGame_->show();
    imgEndGame_->setEnabled(true);
    AfterAnswer(answer);
}

void TPnlMemJatekForm::AskForMore()
{
    QPointer<TPnlMemJatekForm> self(this);
    timer1_->SetEnabled(false);
    const TDialogResult answer = Services::Dialogs().Show(EndQuestion());
    if (self)
        AfterAnswer(answer);
}

void TPnlMemJatekForm::AfterAnswer(TDialogResult answer)
{
    if (PageState() != TPageState::Shown)
        return;
    if (answer == TDialogResult::Ok || answer == TDialogResult::Yes) {
        StartGame();
        return;
    }
    Notify();
}

QString TPnlMemJatekForm::CardTitle(int place)
{
    return QStringLiteral(" Panel %1").arg(place);
}

void TPnlMemJatekForm::StartGame()
{
    ++games_;
    game_.Shuffle(Services::Random());
    for (int card = 1; card <= TMemoryGame::Cards; ++card) {
        TImgPanel* panel = Card(card);
        const int place = game_.Place(card);
        panel->move(TMemoryGame::PlaceLeft(place), TMemoryGame::PlaceTop(place));
        panel->Title()->setText(CardTitle(place));
        panel->Title()->resize(86, panel->Title()->height());
        panel->Face()->hide();
        panel->setEnabled(true);
        panel->show();
    }
    timer1_->SetEnabled(true);
}

void TPnlMemJatekForm::CardClick(int card)
{
    if (game_.Click(card) != TMemoryGame::TClick::Ignored)
        Card(card)->Face()->show();
}

void TPnlMemJatekForm::Timer1Timer()
{
    const TMemoryGame::TTick tick = game_.Tick();
    if (tick == TMemoryGame::TTick::PairRemoved) {
        for (int card : {game_.LastFirst(), game_.LastSecond()}) {
            Card(card)->hide();
            Card(card)->setEnabled(false);
        }
        if (game_.Finished()) {
            AskForMore(); // the answer may close the page: nothing more is done here
            return;
        }
    } else if (tick == TMemoryGame::TTick::TurnedBack) {
        Card(game_.LastFirst())->Face()->hide();
        Card(game_.LastSecond())->Face()->hide();
    }
    if (game_.WholeSecond())
        lblIdo_->setText(TMemoryGame::TimeText(game_.ElapsedMs()));
}

void TPnlMemJatekForm::imgEndGameClick()
{
    timer1_->SetEnabled(false);
    Board::PutText(Controller(), QStringLiteral("STEP_READY"), QStringLiteral("STEP"));
    Notify();
}

void TPnlMemJatekForm::FormKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    TPnlBaseForm::FormKeyDown(key, shift);
    if (key == VirtualKey::Escape) {
        key = 0;
        Notify();
    }
}
