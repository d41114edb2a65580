#include "EgerLufipukkForm.h"

#include "GameTitles.h"
#include "Lufi.h"
#include "MouseResults.h"
#include "framework/MediaAccess.h"
#include "framework/TextImgWriter.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"

namespace {
const char* const Colours[] = {"lila", "piros", "narancs", "zold", "kek", "vkek"};
} // namespace

TEgerLufipukkForm::TEgerLufipukkForm() : TRoundGameForm(QStringLiteral("EgerLufipukkForm"), QRect(376, 312, 337, 65), QStringLiteral("2_plink.wav"))
{
    LoadBackground(QStringLiteral("egerezes\\game\\gradient_beckgrnd.jpg"));
    timer1_.SetInterval(70);
    introLength_ = 1000;
}

TEgerLufipukkForm::~TEgerLufipukkForm() = default;

void TEgerLufipukkForm::InitPage()
{
    TRoundGameForm::InitPage();
    SetSmallFontSize(20);
    TTextImgWriter& writer = SmallWriter();
    writer.SetMargins(0, 0, 30, 20);
    writer.SetAlignment(QStringLiteral("wlfCenter"));
}

void TEgerLufipukkForm::ShowPage()
{
    TRoundGameForm::ShowPage();
    TakeRound();
    IRandomSource& random = Services::Random();
    random.Randomize();
    const QString name = QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral("_lufi_");
    for (std::size_t n = 0; n < balloons_.size(); ++n) {
        delete balloons_[n];
        auto* balloon = new TLufi(this);
        balloon->hide();
        balloon->setEnabled(false);
        balloon->SetSpeed(TLufi::DrawSpeed(random, round_.Level()));
        balloon->move(TLufi::DrawLeft(random), 768);
        balloon->SetPng(LoadPng(name + QString::fromUtf8(Colours[n]) + QStringLiteral(".png")));
        balloon->setCursor(Qt::PointingHandCursor);
        balloon->OnDblClick = [this, balloon] { Pop(*balloon); };
        balloons_[n] = balloon;
    }
    FlowStep();
}

void TEgerLufipukkForm::Intro()
{
    ShowGrass();
    ShowInfoPanel();
    StartIntro(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral("_lufi_felirat.png"));
    InfoPanel()->NoteText(GameTitles::Balloons);
}

void TEgerLufipukkForm::Info()
{
    ShowEndGame();
    ShowToMenu();
    ShowGrass();
    ShowSmallPanel();
    UpdateScore();
    ShowInfoPanel();
    InfoWriter().SetMargins(30, 30, 30, 30);
    SetInfoText(QStringLiteral("Lődd ki a felfelé szálló lufikat duplakattintással!<BR>A lufik egyre gyorsabban "
                               "követik egymást.<BR>A játék akkor indul, ha a START-ra kattintasz.<BR>Jó "
                               "lövöldözést!<BR>"));
    ShowStart(LoadPng(QStringLiteral("egerezes\\START.png")));
}

void TEgerLufipukkForm::GameStart()
{
    ShowGrass();
    HideInfoPanel();
    round_.Enter(TGameRound::GamePhase);
    popped_ = 0;
    escaped_ = 0;
    for (TLufi* balloon : balloons_) {
        balloon->setEnabled(true);
        balloon->show();
    }
    // The balloons rise from behind the grass; the buttons stay in front.
    ShowGrass();
    timer1_.SetEnabled(true);
    UpdateScore();
}

void TEgerLufipukkForm::GameTick()
{
    if (popped_ + escaped_ >= Balloons) {
        timer1_.SetEnabled(false);
        FinishPhase();
        return;
    }
    for (TLufi* balloon : balloons_) {
        if (!balloon->isEnabled())
            continue;
        if (balloon->Rise()) {
            balloon->hide();
            balloon->setEnabled(false);
            ++escaped_;
        }
    }
}

void TEgerLufipukkForm::Pop(TLufi& balloon)
{
    if (!balloon.isEnabled() || !round_.InPhase(TGameRound::GamePhase))
        return;
    PlaySoundFile(QStringLiteral("2_plink.wav"));
    balloon.hide();
    balloon.setEnabled(false);
    ++popped_;
    UpdateScore();
}

QString TEgerLufipukkForm::ScoreText(int level, int popped)
{
    return MouseResults::LevelLine(level) + QStringLiteral("<BR>%1:%2").arg(Balloons).arg(popped);
}

void TEgerLufipukkForm::UpdateScore()
{
    SetSmallPanelText(Playing() ? ScoreText(round_.Level(), popped_)
                                : MouseResults::LevelLine(round_.Level()) + QStringLiteral("<BR>--:--"));
}

void TEgerLufipukkForm::RoundEnd()
{
    LeaveRound(popped_ == Balloons);
    Report(MouseResults::BalloonResult(round_.Level(), UserName(), popped_));
}
