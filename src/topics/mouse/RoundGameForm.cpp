#include "RoundGameForm.h"

#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"
#include "shell/IModule.h"

TRoundGameForm::TRoundGameForm(const QString& pageName, const QRect& startPlace, const QString& startSound)
    : TBaseBlueForm(pageName), timer1_(this), imgStart_(new TImage(this, startPlace)), startSound_(startSound)
{
    imgStart_->hide();
    imgStart_->setEnabled(false);
    imgStart_->setCursor(Qt::PointingHandCursor);
    imgStart_->OnClick = [this] { imgStartClick(); };
    timer1_.OnTimer([this] { Timer1Timer(); });
}

TRoundGameForm::~TRoundGameForm() = default;

void TRoundGameForm::ClosePage()
{
    timer1_.SetEnabled(false);
    TBaseBlueForm::ClosePage();
}

void TRoundGameForm::FlowStep()
{
    switch (round_.Step()) {
    case TGameRound::TStep::Intro: Intro(); break;
    case TGameRound::TStep::Info: Info(); break;
    case TGameRound::TStep::GameStart: GameStart(); break;
    case TGameRound::TStep::RoundEnd: RoundEnd(); break;
    case TGameRound::TStep::None: break;
    }
}

void TRoundGameForm::StartIntro()
{
    introTime_ = 0;
    round_.Enter(TGameRound::IntroPhase);
    timer1_.SetEnabled(true);
}

void TRoundGameForm::StartIntro(const QString& pictureFile)
{
    const QImage image = LoadPng(pictureFile);
    delete introPicture_;
    const QRect panel = InfoPanel()->geometry();
    introPicture_ = new TImage(this, QRect(panel.x() + (panel.width() - image.width()) / 2,
                                           panel.y() + (panel.height() - image.height()) / 2, image.width(),
                                           image.height()));
    introPicture_->SetPng(image);
    introPicture_->raise();
    introPicture_->show();
    StartIntro();
}

void TRoundGameForm::TakeRound()
{
    IModuleController& board = Controller();
    round_ = TGameRound::FromRound(Board::Number(board, QStringLiteral("ROUND")));
    board.RemoveValue(QStringLiteral("ROUND"));
}

void TRoundGameForm::LeaveRound(bool passed)
{
    if (const auto next = round_.NextRound(passed))
        Board::PutNumber(Controller(), QStringLiteral("ROUND"), *next);
}

bool TRoundGameForm::Playing() const
{
    return timer1_.Enabled() && round_.InPhase(TGameRound::GamePhase);
}

void TRoundGameForm::Timer1Timer()
{
    if (round_.InPhase(TGameRound::GamePhase)) {
        GameTick();
        return;
    }
    if (!round_.InPhase(TGameRound::IntroPhase))
        return;
    // Each tick counts its interval, so the intro lasts as long on any clock.
    introTime_ += timer1_.Interval();
    if (introTime_ <= introLength_)
        return;
    timer1_.SetEnabled(false);
    if (introPicture_) {
        introPicture_->hide();
        introPicture_->setEnabled(false);
    }
    FinishPhase();
}

void TRoundGameForm::FinishPhase()
{
    round_.Finish();
    FlowStep();
}

void TRoundGameForm::ShowStart(const QImage& image)
{
    imgStart_->SetPng(image);
    imgStart_->resize(image.size());
    imgStart_->raise();
    imgStart_->setEnabled(true);
    imgStart_->show();
    round_.Enter(TGameRound::InfoPhase);
}

void TRoundGameForm::imgStartClick()
{
    if (!round_.InPhase(TGameRound::InfoPhase))
        return;
    PlaySoundFile(startSound_);
    imgStart_->hide();
    imgStart_->setEnabled(false);
    FinishPhase();
}

void TRoundGameForm::Report(const QString& result)
{
    timer1_.SetEnabled(false);
    auto module = Module(); // the page is replaced during the module's Notify
    Board::PutText(Controller(), QStringLiteral("ERTEKEL"), result);
    module->Notify();
}

QString TRoundGameForm::UserName() const
{
    return Board::Text(Controller(), QStringLiteral("USERNAME")).value_or(QString());
}

void TRoundGameForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key != VirtualKey::Escape)
        return;
    key = 0;
    if (!round_.InPhase(TGameRound::IntroPhase))
        imgEndGameClick();
}

void TRoundGameForm::imgEndGameClick()
{
    timer1_.SetEnabled(false);
    auto module = Module();
    Board::PutText(Controller(), QStringLiteral("ACTION"), QStringLiteral("NEXTFORM"));
    module->Notify();
}
