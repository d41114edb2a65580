#include "JelAgyuzasForm.h"

#include "SelectionRatings.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/TrackBar.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "platform/VirtualKey.h"
#include "shell/Board.h"
#include "shell/IModule.h"

#include <QLabel>
#include <QPainter>

namespace {

const QString Instruction = QStringLiteral(
    "Ezzel a játékkal begyakorolhatod a csúszkák használatát. A feladat, hogy az ágyúval eltaláld az esőfelhőt.\n"
    "A függőleges csúszkával az ágyúcső irányát, a vízszintessel a golyó sebességét állíthatod be.\n"
    "Az Enter vagy a Szóköz billentyűvel tüzelhetsz.\n"
    "Összesen 10-szer próbálkozhatsz!\n"
    "Jó szórakozást!");
const QColor Blue(0, 0, 255);

// A caption written upwards, as beside a vertical bar.
QImage UpwardsCaption(const QString& text, const QFont& font, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Blue);
    painter.translate(0, size.height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, size.height(), size.width()), Qt::AlignCenter, text);
    return image;
}

} // namespace

TJelAgyuzasForm::TJelAgyuzasForm()
    : TBaseBlueForm(QStringLiteral("JelAgyuzasForm")), game_(std::make_unique<TCannonGame>(Services::Random())),
      timer1_(this)
{
    LoadBackground(QStringLiteral("Jelolesek\\") + GetPageName() + QStringLiteral(".jpg"));
    const QString name = QStringLiteral("jelolesek\\") + GetPageName();
    const QFont font = PixelFont(QStringLiteral("Arial"), 24, true);

    imgCanon_ = new TImage(this, TCannonGame::Cannon);
    for (int n = 1; n <= 10; ++n)
        canons_[static_cast<std::size_t>(n - 1)] = LoadPng(name + QStringLiteral("_a%1.png").arg(n));
    ShowCanon(1);

    auto* degreePanel = new QWidget(this);
    degreePanel->setGeometry(32, 448, 56, 180);
    tbDegree_ = new TTrackBar(degreePanel, QRect(0, 0, 36, 180), Qt::Vertical, 10, 80, 80, 10);
    auto* irany = new TImage(degreePanel, QRect(36, 0, 20, 180));
    irany->SetPng(UpwardsCaption(QStringLiteral("IRÁNY"), PixelFont(QStringLiteral("Arial"), 14, true), irany->size()));
    auto* speedPanel = new QWidget(this);
    speedPanel->setGeometry(32, 664, 300, 62);
    tbSpeed_ = new TTrackBar(speedPanel, QRect(0, 0, 300, 40), Qt::Horizontal, 20, 120, 20, 10);
    Controls::Label(speedPanel, QRect(0, 40, 300, 20), QStringLiteral("SEBESSÉG"),
                    PixelFont(QStringLiteral("Arial"), 14, true), Blue, Qt::AlignHCenter | Qt::AlignTop);
    for (TTrackBar* bar : {tbDegree_, tbSpeed_}) {
        bar->setTickPosition(QSlider::TicksBothSides);
        bar->setTickInterval(10);
        bar->setEnabled(false);
    }
    tbDegree_->OnChange = [this] { tbDegreeChange(); };
    tbSpeed_->OnChange = [this] { game_->SetSpeed(tbSpeed_->Position()); };

    imgFelho_ = new TImage(this, game_->Cloud());
    imgFelho_->SetPng(LoadPng(name + QStringLiteral("_felho.png")));
    imgFelho_->hide();
    const QImage ball = LoadPng(name + QStringLiteral("_agyugolyo.png"));
    imgAmmo_ = new TImage(this, game_->Ball());
    imgAmmo_->SetPng(ball);
    imgAmmo_->hide();
    for (int n = 1; n <= TCannonGame::Shots; ++n) {
        auto* shot = new TImage(this, QRect(32 * n, 730, 30, 30));
        shot->SetPng(ball);
        shots_[static_cast<std::size_t>(n - 1)] = shot;
    }
    Controls::Label(this, QRect(640, 712, 140, 34), QStringLiteral("Találatok:"), font, Blue,
                    Qt::AlignRight | Qt::AlignVCenter);
    lblTalalatok_ = Controls::Label(this, QRect(784, 712, 80, 34), QStringLiteral("0"), font, Blue,
                                    Qt::AlignLeft | Qt::AlignVCenter);

    lblText_ = Controls::Label(this, QRect(166, 128, 715, 185), Instruction, PixelFont(QStringLiteral("Arial"), 22),
                               Blue, Qt::AlignLeft | Qt::AlignTop, true);
    imgStart_ = new TImage(this, QRect(368, 320, 285, 80));
    imgStart_->SetPng(LoadPng(QStringLiteral("jelolesek\\START.png")));
    imgStart_->setCursor(Qt::PointingHandCursor);
    imgStart_->OnClick = [this] { imgStartClick(); };

    timer1_.SetInterval(50);
    timer1_.OnTimer([this] { Timer1Timer(); });
}

TJelAgyuzasForm::~TJelAgyuzasForm() = default;

void TJelAgyuzasForm::ShowPage()
{
    TBaseBlueForm::ShowPage();
    Services::Random().Randomize();
    ShowToMenu();
    ShowEndGame();
    ShowInfoPanel();
    lblText_->raise();
    imgStart_->raise();
}

void TJelAgyuzasForm::ClosePage()
{
    timer1_.SetEnabled(false);
    TBaseBlueForm::ClosePage();
}

void TJelAgyuzasForm::ShowCanon(int n)
{
    canonShown_ = n;
    imgCanon_->SetPng(canons_[static_cast<std::size_t>(n - 1)]);
}

void TJelAgyuzasForm::imgStartClick()
{
    ShowEndGame();
    HideInfoPanel();
    lblText_->hide();
    imgStart_->hide();
    imgStart_->setEnabled(false);
    game_->PlaceCloud();
    ShowGame();
    tbDegree_->setEnabled(true);
    tbSpeed_->setEnabled(true);
    timer1_.SetEnabled(true);
}

void TJelAgyuzasForm::tbDegreeChange()
{
    game_->SetAngle(90 - tbDegree_->Position());
    ShowCanon(game_->Angle() / 10 + 1);
}

void TJelAgyuzasForm::FormKeyDown(int& key, Qt::KeyboardModifiers)
{
    if (key == VirtualKey::Space || key == VirtualKey::Return) {
        key = 0;
        Fire();
    } else if (key == VirtualKey::Escape) {
        key = 0;
        imgEndGameClick();
    }
}

void TJelAgyuzasForm::imgEndGameClick()
{
    auto module = Module(); // the page is replaced during the module's Notify
    Board::PutText(Controller(), QStringLiteral("ACTION"), QStringLiteral("NEXTFORM"));
    module->Notify();
}

void TJelAgyuzasForm::Fire()
{
    if (!game_->Fire())
        return;
    ShotPicture(TCannonGame::Shots + 1 - game_->Fired())->hide();
    if (!timer1_.Enabled())
        timer1_.SetEnabled(true);
    ShowGame();
}

void TJelAgyuzasForm::ShowGame()
{
    imgFelho_->move(game_->Cloud().topLeft());
    imgFelho_->setVisible(game_->CloudShown());
    imgAmmo_->move(game_->Ball().topLeft());
    imgAmmo_->setVisible(game_->Flying());
    imgAmmo_->raise();
}

void TJelAgyuzasForm::Timer1Timer()
{
    const TCannonGame::TTick tick = game_->Tick();
    ShowGame();
    lblTalalatok_->setText(QString::number(game_->Hits()));
    if (tick != TCannonGame::TTick::Finished)
        return;
    timer1_.SetEnabled(false);
    auto module = Module();
    const QString name = Board::Text(Controller(), QStringLiteral("USERNAME")).value_or(QString());
    Board::PutText(Controller(), QStringLiteral("ERTEKEL"), SelectionRatings::CannonText(name, game_->Hits()));
    module->Notify();
}
