#include "JelProgressBarForm.h"

#include "framework/BackAreas.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/ProgressBar.h"
#include "framework/PushButton.h"

#include <QLabel>

namespace {
const QString Instruction = QStringLiteral(
    "A gépnek olyan feladatot is adhatsz, amit nem tud másodpercek alatt elvégezni. Vannak műveletek, amelyek "
    "percekig is eltartanak; ilyenkor folyamatjelzők mutatják, hogy hol tart a munka.\n"
    "Klikkelj a START gombra, és figyeld a folyamatjelzők változását!");
constexpr int TivadarStep = 4;
constexpr int NyilacskaStep = 6;
constexpr int Turn = 84;
} // namespace

TJelProgressBarForm::TJelProgressBarForm()
    : TJelBaseForm(QStringLiteral("JelProgressBarForm"), QStringLiteral("jelolesek\\JelProgressBarForm.jpg"),
                   BackAreas::Usual),
      timer1_(this)
{
    TextLabel(QRect(60, 44, 900, 190), Instruction, 24)->setObjectName(QStringLiteral("lblText"));
    const QString name = QStringLiteral("jelolesek\\") + GetPageName();
    tivadar_ = LoadPng(name + QStringLiteral("_tivadar.png"));
    tivadarBack_ = LoadPng(name + QStringLiteral("_tivadar_vissza.png"));
    eger_ = LoadPng(name + QStringLiteral("_eger.png"));
    egerBack_ = LoadPng(name + QStringLiteral("_eger_vissza.png"));
    imgNyilacska_ = new TImage(this, QRect(32, 320, 84, 118));
    imgNyilacska_->SetPng(eger_);
    imgTivadar_ = new TImage(this, QRect(32, 520, 104, 113));
    imgTivadar_->SetPng(tivadar_);
    pbNyilacska_ = new TProgressBar(this, QRect(112, 448, 600, 25), TProgressBar::TLook::Blocks);
    pbTivadar_ = new TProgressBar(this, QRect(112, 640, 600, 25), TProgressBar::TLook::Continuous);
    pbTivadar_->setFont(PixelFont(QStringLiteral("Arial"), 16, true));
    const QFont font = PixelFont(QStringLiteral("Arial"), 20, true);
    // The names under the bars' start: past their end stands the finish pole.
    Controls::Label(this, QRect(112, 476, 200, 28), QStringLiteral("Nyilacska"), font, Blue);
    Controls::Label(this, QRect(112, 668, 200, 28), QStringLiteral("Pixeles Tivadar"), font, Blue);
    btnStart_ = Button(QRect(384, 258, 121, 33), QStringLiteral("START"), true);
    btnStart_->OnClick = [this] { btnStartClick(); };
    btnFinish_ = Button(QRect(760, 720, 121, 33), QStringLiteral("Tovább"), false);
    btnFinish_->OnClick = [this] {
        timer1_.SetEnabled(false);
        Notify();
    };
    timer1_.SetInterval(40);
    timer1_.OnTimer([this] { Timer1Timer(); });
}

void TJelProgressBarForm::ClosePage()
{
    timer1_.SetEnabled(false);
    TJelBaseForm::ClosePage();
}

void TJelProgressBarForm::Image1Click()
{
    timer1_.SetEnabled(false);
    TJelBaseForm::Image1Click();
}

void TJelProgressBarForm::btnStartClick()
{
    timer1_.SetEnabled(true);
    btnStart_->setEnabled(false);
    btnFinish_->setEnabled(true);
}

void TJelProgressBarForm::Timer1Timer()
{
    if (tivadarRun_ < Track) {
        imgTivadar_->move(imgTivadar_->x() + TivadarStep * direction_, imgTivadar_->y());
        tivadarRun_ += TivadarStep;
        pbTivadar_->SetPosition(tivadarRun_ / 6);
    }
    if (nyilacskaRun_ < Track) {
        imgNyilacska_->move(imgNyilacska_->x() + NyilacskaStep * direction_, imgNyilacska_->y());
        nyilacskaRun_ += NyilacskaStep;
        pbNyilacska_->SetPosition(nyilacskaRun_ / 6);
    }
    if (tivadarRun_ >= Track && nyilacskaRun_ >= Track)
        TurnBack();
}

void TJelProgressBarForm::TurnBack()
{
    btnStart_->setEnabled(true);
    timer1_.SetEnabled(false);
    tivadarRun_ = 0;
    nyilacskaRun_ = 0;
    const bool wasRight = direction_ > 0;
    imgTivadar_->SetPng(wasRight ? tivadarBack_ : tivadar_);
    imgNyilacska_->SetPng(wasRight ? egerBack_ : eger_);
    const int shift = wasRight ? Turn : -Turn;
    imgTivadar_->move(imgTivadar_->x() + shift, imgTivadar_->y());
    imgNyilacska_->move(imgNyilacska_->x() + shift, imgNyilacska_->y());
    for (TProgressBar* bar : {pbTivadar_, pbNyilacska_}) {
        bar->SetPosition(0);
        bar->SetFillsFromRight(wasRight);
    }
    direction_ = wasRight ? -1 : 1;
}
