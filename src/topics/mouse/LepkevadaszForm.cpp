#include "LepkevadaszForm.h"

#include "GameTitles.h"
#include "MouseResults.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"
#include "shell/IModule.h"

#include <QLabel>
#include <algorithm>

namespace {

const QString ModeStart = QStringLiteral("START");
const QString IntroTime = QStringLiteral("INTRO");
const QStringList Colours = {QStringLiteral("lila"), QStringLiteral("piros"), QStringLiteral("kek"),
                             QStringLiteral("sarga"), QStringLiteral("zold")};
constexpr int IntroLength = 2000;

struct TCloudRow {
    QPoint place;
    const char* caption;
};
const TCloudRow CloudRows[] = {{{8, 17}, "Lassú"}, {{189, 29}, "Normál"}, {{380, 3}, "Fürge"},
                               {{580, 10}, "Gyors"}, {{830, 5}, "Villám"}};

} // namespace

QString TLepkevadaszForm::LevelCaption(int level)
{
    return QString::fromUtf8(CloudRows[std::clamp(level, 1, 5) - 1].caption);
}

QString TLepkevadaszForm::ScoreText(int level, int shown, int caught)
{
    return MouseResults::LevelLine(level) + QLatin1Char('\n') + QString::number(shown) + QLatin1Char(':') +
           QString::number(caught);
}

TLepkevadaszForm::TLepkevadaszForm()
    : TBaseBlueForm(QStringLiteral("LepkevadaszForm")), butterfly_(Services::Random()), timer1_(this)
{
    LoadBackground(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral(".jpg"));
    lblText_ = Controls::Label(this, QRect(158, 144, 715, 169), QString(), PixelFont(QStringLiteral("Arial"), 24),
                               Controls::HotLight, Qt::AlignLeft | Qt::AlignTop, true);
    lblText_->hide();
    imgStart_ = new TImage(this, QRect(368, 320, 285, 80));
    imgStart_->hide();
    imgStart_->setCursor(Qt::PointingHandCursor);
    imgStart_->OnClick = [this] { imgStartClick(); };
    imgIntro_ = new TImage(this, QRect(160, 176, 713, 105));
    imgIntro_->hide();
    eredmeny_ = Controls::Label(this, QRect(20, 630, 220, 130), QString(), PixelFont(QStringLiteral("Arial"), 24),
                                QColor(0, 0, 255), Qt::AlignCenter, true);
    eredmeny_->hide();
    imgButterfly_ = new TImage(this, QRect(0, 768, 1, 1));
    imgButterfly_->hide();
    imgButterfly_->OnMouseDown = [this](Qt::MouseButton button, QPoint) { ButterflyPressed(button); };
    timer1_.SetInterval(70);
    timer1_.OnTimer([this] { Timer1Timer(); });
}

TLepkevadaszForm::~TLepkevadaszForm() = default;

void TLepkevadaszForm::ShowPage()
{
    TBaseBlueForm::ShowPage();
    MoveInfoPanel(QPoint(110, 130));
    IModuleController& board = Controller();
    gameWord_ = Board::Text(board, QStringLiteral("STEP")).value_or(QStringLiteral("LEPKEVADASZ"));
    board.RemoveValue(QStringLiteral("STEP"));
    mode_ = Board::Text(board, QStringLiteral("ACTION")).value_or(QString());
    board.RemoveValue(QStringLiteral("ACTION"));
    phase_.clear();
    const QString name = QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral("_felho");
    for (std::size_t n = 0; n < clouds_.size(); ++n) {
        const TCloudRow& row = CloudRows[n];
        clouds_[n] = std::make_unique<TGraphElement>(this, name + QString::number(n + 1) + QStringLiteral(".png"),
                                                     row.place, QString::number(n + 1), QString::fromUtf8(row.caption));
        TGraphElement* cloud = clouds_[n].get();
        cloud->OnSelect = [this, cloud] { SelectCloud(*cloud); };
        cloud->Place();
    }
    FlowStep();
}

void TLepkevadaszForm::ClosePage()
{
    timer1_.SetEnabled(false);
    TBaseBlueForm::ClosePage();
}

void TLepkevadaszForm::FlowStep()
{
    ShowGrass();
    if (mode_ == ModeStart) {
        if (phase_.isEmpty())
            Intro();
        else if (phase_ == QStringLiteral("INTRO_OK"))
            Info();
        else if (phase_ == QStringLiteral("INFO_OK"))
            GameStart();
    } else {
        if (phase_.isEmpty())
            Info();
        else if (phase_ == QStringLiteral("INFO_OK"))
            GameStart();
    }
    if (phase_ != QStringLiteral("GAME_OK"))
        return;
    auto module = Module(); // the page is replaced during the module's Notify
    IModuleController& board = Controller();
    const QString name = Board::Text(board, QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(board, QStringLiteral("STEP_READY"), QStringLiteral("RESULT"));
    Board::PutText(board, QStringLiteral("ERTEKEL"), MouseResults::ButterflyResult(level_, name, caught_));
    Board::PutText(board, QStringLiteral("ACTION"), QStringLiteral("LEPKEVADASZ_CONTINUE"));
    module->Notify();
}

void TLepkevadaszForm::Intro()
{
    ShowInfoPanel();
    imgIntro_->SetPng(LoadPng(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral("_lepkvad_txt.png")));
    imgIntro_->NoteText(GameTitles::Butterflies);
    imgIntro_->raise();
    imgIntro_->show();
    phase_ = IntroTime;
    timer1_.SetEnabled(true);
}

void TLepkevadaszForm::Info()
{
    ShowEndGame();
    ShowToMenu();
    ShowInfoPanel();
    ShowSmallPanel();
    imgIntro_->hide();
    imgIntro_->setEnabled(false);
    const QString opening =
        mode_ == ModeStart
            ? QStringLiteral("Lepkevadászat következik!\n10 lepke száll fel, és neked el kell fognod őket úgy,\nhogy "
                             "rájuk kattintasz!")
            : QStringLiteral("A lepkevadászat folytatódik!\nIsmét 10 lepke száll fel, kattintással fogd el mindet!");
    lblText_->setText(opening +
                      QStringLiteral("\nA lepkék gyorsaságát úgy állíthatod be, hogy a játék előtt rákattintasz "
                                     "valamelyik felhőre.\nIndítás: klikk a START-on. Kilépés: ESC billentyű!"));
    lblText_->raise();
    lblText_->show();
    imgStart_->SetPng(LoadPng(QStringLiteral("jelolesek\\START.png")));
    imgStart_->raise();
    imgStart_->setEnabled(true);
    imgStart_->show();
    phase_ = QStringLiteral("INFO");
    for (auto& cloud : clouds_)
        cloud->ShowCaption(true);
}

void TLepkevadaszForm::SelectCloud(TGraphElement& cloud)
{
    if (phase_ != QStringLiteral("INFO"))
        return;
    if (selected_)
        selected_->SetSelected(false);
    selected_ = &cloud;
    if (butterfly_.State() == TGameObject::TState::Waiting) {
        level_ = cloud.Value().toInt();
        eredmeny_->setText(MouseResults::LevelLine(level_) + QStringLiteral("\n--:--"));
        eredmeny_->show();
        eredmeny_->raise();
    }
    cloud.SetSelected(true);
}

void TLepkevadaszForm::imgStartClick()
{
    lblText_->hide();
    lblText_->setEnabled(false);
    imgStart_->hide();
    imgStart_->setEnabled(false);
    HideInfoPanel();
    phase_ = QStringLiteral("INFO_OK");
    FlowStep();
}

void TLepkevadaszForm::GameStart()
{
    for (auto& cloud : clouds_)
        cloud->ShowCaption(false);
    ShowEndGame();
    ShowToMenu();
    HideInfoPanel();
    ShowSmallPanel();
    phase_ = QStringLiteral("GAME");
    Services::Random().Randomize();
    number_ = 1;
    caught_ = 0;
    butterfly_.SetLevel(level_);
    NewColour();
    butterfly_.NewFlight();
    ShowButterfly();
    UpdateScore();
    timer1_.SetEnabled(true);
}

void TLepkevadaszForm::NewColour()
{
    const int index = Services::Random().Random(static_cast<int>(Colours.size()));
    colour_ = Colours.at(index);
    QImage& image = butterflyImages_.at(static_cast<std::size_t>(index));
    if (image.isNull())
        image = LoadPng(QStringLiteral("egerezes\\") + GetPageName() + QStringLiteral("_pillango_") + colour_ +
                        QStringLiteral(".png"));
    imgButterfly_->SetPng(image);
    imgButterfly_->resize(image.size());
    butterfly_.SetSize(image.size());
}

void TLepkevadaszForm::ShowButterfly()
{
    imgButterfly_->move(butterfly_.Place().topLeft());
    imgButterfly_->show();
    ShowGrass();
}

void TLepkevadaszForm::UpdateScore()
{
    eredmeny_->setText(ScoreText(level_, number_, caught_));
    eredmeny_->show();
    eredmeny_->raise();
}

void TLepkevadaszForm::Timer1Timer()
{
    if (phase_ == IntroTime) {
        introTime_ += timer1_.Interval();
        if (introTime_ > IntroLength) {
            timer1_.SetEnabled(false);
            phase_ = QStringLiteral("INTRO_OK");
            FlowStep();
        }
        return;
    }
    if (phase_ != QStringLiteral("GAME"))
        return;
    if (butterfly_.OnTheWing()) {
        butterfly_.Move();
        imgButterfly_->move(butterfly_.Place().topLeft());
        imgButterfly_->show();
        return;
    }
    NextButterfly();
}

void TLepkevadaszForm::NextButterfly()
{
    if (number_ >= Butterflies) {
        timer1_.SetEnabled(false);
        phase_ = QStringLiteral("GAME_OK");
        FlowStep();
        return;
    }
    timer1_.SetEnabled(false);
    ++number_;
    UpdateScore();
    imgButterfly_->hide();
    butterfly_.Restart();
    NewColour();
    ShowButterfly();
    eredmeny_->raise();
    timer1_.SetEnabled(true);
}

void TLepkevadaszForm::ButterflyPressed(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || phase_ != QStringLiteral("GAME") || !butterfly_.Catch())
        return;
    ++caught_;
    PlaySoundFile(QStringLiteral("2_plunk.wav"));
}

void TLepkevadaszForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key != VirtualKey::Escape)
        return;
    key = 0;
    if (phase_ != IntroTime)
        Leave();
}

void TLepkevadaszForm::imgEndGameClick()
{
    Leave();
}

void TLepkevadaszForm::Leave()
{
    timer1_.SetEnabled(false);
    auto module = Module();
    Board::PutText(Controller(), QStringLiteral("STEP_READY"), gameWord_);
    module->Notify();
}
