#include "EgervadaszatForm.h"

#include "GameTitles.h"
#include "MouseResults.h"
#include "framework/Canvas.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"

#include <QLabel>

TEgervadaszatForm::TEgervadaszatForm() : TRoundGameForm(QStringLiteral("EgervadaszatForm"), QRect(376, 312, 337, 65), QStringLiteral("2_ev.wav"))
{
    LoadBackground(QStringLiteral("egerezes\\game\\beckgrnd.jpg"));
    hatter()->OnClick = [this] { hatterClick(); };
    imgNyilacska_ = new TImage(this, QRect(320, 88, 162, 215));
    imgNyilacska_->hide();
    imgNyilacska_->setEnabled(false);
    imgNyilacska_->OnMouseDown = [this](Qt::MouseButton button, QPoint) { imgNyilacskaMouseDown(button); };
    eredmeny_ = Controls::Label(this, QRect(20, 630, 220, 130), QString(), PixelFont(QStringLiteral("Arial"), 24),
                                QColor(0, 0, 255), Qt::AlignCenter, true);
    timer1_.SetInterval(200);
}

TEgervadaszatForm::~TEgervadaszatForm() = default;

void TEgervadaszatForm::InitPage()
{
    TRoundGameForm::InitPage();
    const QString name = QStringLiteral("egerezes\\") + GetPageName();
    pointsRight_ = LoadPng(name + QStringLiteral("_nyilacska_jobb.png"));
    pointsLeft_ = LoadPng(name + QStringLiteral("_nyilacska_bal.png"));
}

void TEgervadaszatForm::ShowPage()
{
    TRoundGameForm::ShowPage();
    TakeRound();
    game_ = THuntGame(round_.Level());
    FlowStep();
}

void TEgervadaszatForm::Intro()
{
    ShowEndGame();
    ShowToMenu();
    ShowInfoPanel();
    const QImage title = LoadPng(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral("_jobbra_balra_felirat.png"));
    TImage& panel = *InfoPanel();
    panel.Canvas().Draw((panel.width() - title.width()) / 2, (panel.height() - title.height()) / 2, title);
    panel.NoteText(GameTitles::LeftRight);
    StartIntro();
}

void TEgervadaszatForm::Info()
{
    ShowEndGame();
    ShowToMenu();
    ShowSmallPanel();
    UpdateScore();
    ShowInfoPanel();
    TTextImgWriter& writer = InfoWriter();
    writer.SetMargins(0, 0, 100, 0);
    writer.SetAlignment(QStringLiteral("wlfCenter"));
    SetInfoFontSize(24);
    SetInfoText(StartText());
    ShowStart(LoadPng(QStringLiteral("egerezes\\START.png")));
}

void TEgervadaszatForm::GameStart()
{
    UpdateScore();
    HideInfoPanel();
    round_.Enter(TGameRound::GamePhase);
    game_.Start();
    Services::Random().Randomize();
    imgNyilacska_->setEnabled(true);
    timer1_.SetEnabled(true);
}

void TEgervadaszatForm::GameTick()
{
    switch (game_.Tick(timer1_.Interval())) {
    case THuntGame::TTick::Waiting: break;
    case THuntGame::TTick::NewTarget: {
        UpdateScore();
        imgNyilacska_->hide();
        const QPoint place = game_.PlaceTarget(Services::Random(), imgNyilacska_->size());
        imgNyilacska_->move(place);
        imgNyilacska_->SetPng(game_.PointsRight() ? pointsRight_ : pointsLeft_);
        imgNyilacska_->show();
        imgNyilacska_->raise();
        break;
    }
    case THuntGame::TTick::Over:
        timer1_.SetEnabled(false);
        FinishPhase();
        break;
    }
}

void TEgervadaszatForm::imgNyilacskaMouseDown(Qt::MouseButton button)
{
    if (!round_.InPhase(TGameRound::GamePhase))
        return;
    switch (game_.Press(button)) {
    case THuntGame::TPress::Hit:
        UpdateScore();
        PlaySoundFile(QStringLiteral("2_ev.wav"));
        break;
    case THuntGame::TPress::Miss: PlaySoundFile(QStringLiteral("2_ev2.wav")); break;
    case THuntGame::TPress::Ignored: break;
    }
}

void TEgervadaszatForm::hatterClick()
{
    // Only a click while the targets jump counts as one beside them.
    if (round_.InPhase(TGameRound::GamePhase))
        game_.Miss();
}

QString TEgervadaszatForm::StartText()
{
    return QStringLiteral("Ha felkészültél a játékra, <BR>az indításhoz kattints a bal egérgombbal a START-ra!");
}

QString TEgervadaszatForm::ScoreText(int level, int shown, int hits)
{
    return MouseResults::LevelLine(level) + QLatin1Char('\n') + QString::number(shown) + QLatin1Char(':') +
           QString::number(hits);
}

void TEgervadaszatForm::UpdateScore()
{
    eredmeny_->setText(Playing() ? ScoreText(round_.Level(), game_.Shown(), game_.Hits())
                                 : MouseResults::LevelLine(round_.Level()) + QStringLiteral("\n--:--"));
    eredmeny_->raise();
}

void TEgervadaszatForm::RoundEnd()
{
    imgNyilacska_->setEnabled(false);
    imgNyilacska_->hide();
    LeaveRound(game_.Passed());
    Report(MouseResults::HuntResult(round_.Level(), UserName(), game_.Hits(), game_.Misses()));
}
