#include "EgerBasketBallForm.h"

#include "Ball.h"
#include "GameTitles.h"
#include "MouseResults.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "shell/Board.h"

#include <QLabel>
#include <algorithm>

namespace {
const QString NoTime = QStringLiteral("--:--");
const QPoint PanelPlace(110, 180);
} // namespace

TEgerBasketBallForm::TEgerBasketBallForm() : TRoundGameForm(QStringLiteral("EgerBasketBallForm"), QRect(368, 200, 89, 65), QStringLiteral("1_katt2.wav"))
{
    LoadBackground(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral(".jpg"));
    eredmeny_ = Controls::Label(this, QRect(415, 20, 220, 130), QString(), PixelFont(QStringLiteral("Arial"), 24),
                                QColor(0, 0, 255), Qt::AlignCenter, true);
    eredmeny_->hide();
    timer1_.SetInterval(70);
}

TEgerBasketBallForm::~TEgerBasketBallForm() = default;

void TEgerBasketBallForm::InitPage()
{
    TRoundGameForm::InitPage();
    baskets_ = 0;
    gameTime_ = 0;
    IRandomSource& random = Services::Random();
    random.Randomize();
    ballImage_ = LoadPng(QStringLiteral("egerezes/") + GetPageName() + QStringLiteral("_ball.png"));
    for (TBall*& ball : balls_) {
        delete ball;
        ball = new TBall(this);
        ball->move(TBall::DrawPlace(random));
        ball->setEnabled(false);
        ball->hide();
        ball->SetPng(ballImage_);
        ball->setCursor(Qt::OpenHandCursor);
        TBall* self = ball;
        ball->OnMouseDown = [self](Qt::MouseButton, QPoint at) {
            self->raise();
            self->Press(at);
        };
        ball->OnMouseMove = [self](QPoint at) { self->Drag(at); };
        ball->OnMouseUp = [this, self](Qt::MouseButton, QPoint) { Released(*self); };
    }
}

void TEgerBasketBallForm::ShowPage()
{
    TRoundGameForm::ShowPage();
    IModuleController& board = Controller();
    const auto record = Board::Number(board, QStringLiteral("TIMERECORD"));
    first_ = !record;
    record_ = record.value_or(0);
    recordText_ = record ? MouseResults::TimeText(record_) : NoTime;
    round_ = TGameRound(first_);
    board.RemoveValue(QStringLiteral("TIMERECORD"));
    FlowStep();
}

void TEgerBasketBallForm::Intro()
{
    MoveInfoPanel(PanelPlace);
    ShowInfoPanel();
    StartIntro(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral("_intro.png"));
    InfoPanel()->NoteText(GameTitles::Basketball);
}

void TEgerBasketBallForm::Info()
{
    ShowEndGame();
    ShowToMenu();
    MoveSmallPanel(QPoint(415, 20));
    ShowSmallPanel();
    UpdateScore();
    MoveInfoPanel(PanelPlace);
    ShowInfoPanel();
    SetInfoFontSize(17);
    InfoWriter().SetMargins(0, 0, 30, 0);
    InfoWriter().SetAlignment(QStringLiteral("wlfCenter"));
    SetInfoText(QStringLiteral(
        "Jöhet a játék, méghozzá kosárlabda!<BR>A 10 darab labdát a bal gomb segítségével vidd a palánkra, és ott "
        "engedd el!<BR>A labda alja legyen a gyűrű belsejében, oldalról sem lóghat ki!<BR>A játékban az idő is "
        "számít, próbáld megdönteni a rekordot!<BR>Az óra akkor indul, ha a kosárlabdára kattintasz! Kilépés: ESC"));
    // The ball to click lies centred on the panel, 15 pixels above its bottom.
    const QRect panel = InfoPanel()->geometry();
    imgStart()->move(panel.x() + (panel.width() - ballImage_.width()) / 2,
                     panel.y() + panel.height() - 15 - ballImage_.height());
    ShowStart(ballImage_);
}

void TEgerBasketBallForm::GameStart()
{
    HideInfoPanel();
    round_.Enter(TGameRound::GamePhase);
    for (TBall* ball : balls_) {
        ball->show();
        ball->setEnabled(true);
    }
    timer1_.SetEnabled(true);
}

void TEgerBasketBallForm::Released(TBall& ball)
{
    switch (ball.Release()) {
    case TBall::TRelease::Basket:
        PlaySoundFile(QStringLiteral("2_taps.wav"));
        ball.hide();
        ball.setEnabled(false);
        ++baskets_;
        break;
    case TBall::TRelease::Miss: PlaySoundFile(QStringLiteral("2_le.wav")); break;
    case TBall::TRelease::NotCarried: break;
    }
}

int TEgerBasketBallForm::FallingBalls() const
{
    return static_cast<int>(std::count_if(balls_.begin(), balls_.end(), [](TBall* ball) { return ball && ball->Falling(); }));
}

void TEgerBasketBallForm::GameTick()
{
    if (baskets_ >= Balls) {
        timer1_.SetEnabled(false);
        FinishPhase();
        return;
    }
    gameTime_ += timer1_.Interval();
    if (gameTime_ % 1000 == 0)
        UpdateScore();
    for (TBall* ball : balls_)
        ball->Fall();
}

QString TEgerBasketBallForm::ScoreText(const QString& recordText, int milliseconds)
{
    return QStringLiteral("Rekord: ") + recordText + QStringLiteral("\nJátékidő: ") +
           MouseResults::TimeText(milliseconds);
}

void TEgerBasketBallForm::UpdateScore()
{
    eredmeny_->setText(Playing() ? ScoreText(recordText_, gameTime_)
                                 : QStringLiteral("Rekord : ") + recordText_ + QStringLiteral("\nJátékidő : ") +
                                       NoTime);
    eredmeny_->show();
    eredmeny_->raise();
}

void TEgerBasketBallForm::RoundEnd()
{
    if (first_ || gameTime_ < record_)
        record_ = gameTime_;
    Board::PutNumber(Controller(), QStringLiteral("TIMERECORD"), record_);
    Report(MouseResults::BasketResult(UserName(), recordText_, gameTime_));
}
