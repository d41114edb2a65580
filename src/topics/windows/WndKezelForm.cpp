#include "WndKezelForm.h"

#include "KezelPlaces.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/KezelWndForm.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "framework/WindowGroup.h"
#include "platform/PageTimer.h"

#include <QLabel>

namespace {

const QColor Blue(0, 0, 255);
const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor Purple(128, 0, 128);
const QColor Black(0, 0, 0);
constexpr int PageTag = 100;
// Window 1 where the lesson starts it, and puts it back after the corners.
const QRect Window1Start(KezelPlaces::Start, QSize(TKezelWndForm::NormalWidth, TKezelWndForm::NormalHeight));

TSpeedButton* TaskButton(QWidget* bar, const QRect& geometry, int tag, const QString& caption, bool bold = false)
{
    auto* button = new TSpeedButton(bar, geometry, tag);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setText(caption);
    button->setFont(PixelFont(QStringLiteral("Arial"), 13, bold));
    return button;
}

} // namespace

TWndKezelForm::TWndKezelForm() : TWndBaseForm(QStringLiteral("WndKezelForm"))
{
    pnlTalca_ = new QWidget(this);
    pnlTalca_->setGeometry(0, 738, 1024, 30);
    pnlTalca_->setAutoFillBackground(true);
    QPalette face = pnlTalca_->palette();
    face.setColor(QPalette::Window, QColor(212, 208, 200));
    pnlTalca_->setPalette(face);
    pnlTalca_->setVisible(false);
    btnStart_ = TaskButton(pnlTalca_, QRect(2, 3, 60, 25), 0, QStringLiteral("Start"), true);
    btnStart_->setCheckable(false);
    sbtnNora_ = TaskButton(pnlTalca_, QRect(96, 3, 113, 25), 1, QStringLiteral("Nóra ablaka"));
    sbtnNora_->setVisible(false);
    sbtnTivadar_ = TaskButton(pnlTalca_, QRect(216, 3, 113, 25), 2, QStringLiteral("Tivadar ablaka"));
    sbtnTivadar_->setVisible(false);
    connect(sbtnNora_, &QAbstractButton::clicked, this, [this] { sbtnNoraClick(); });
    connect(sbtnTivadar_, &QAbstractButton::clicked, this, [this] { sbtnTivadarClick(); });
    auto* panel2 = new QFrame(pnlTalca_);
    panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel2->setGeometry(1024 - 58 - 2, 3, 58, 25);
    label1_ = Controls::Label(panel2, QRect(0, 0, 58, 25), QStringLiteral("00:00"),
                              PixelFont(QStringLiteral("Arial"), 13), Qt::black, Qt::AlignCenter);
    timer1_ = new TPageTimer(this);
    timer1_->SetInterval(2000);
    timer1_->OnTimer([this] { Timer1Timer(); });

    window1_ = new TKezelWndForm(this, 1);
    window1_->SetBounds(Window1Start);
    window1_->AllowMove = false;
    window1_->img()->SetPng(LoadPng(QStringLiteral("ablakok\\wnd_v_f_m.png")));
    window1_->OnMaximized = [this](TPracticeWindow&) { StepLogic(); };
    window1_->OnRestored = [this](TPracticeWindow&) { StepLogic(); };
    window1_->OnMinimizeRequest = [this](TPracticeWindow&) { MinimizeRequest(); };
    window1_->OnMoveEnd = [this](TPracticeWindow&) {
        if (step_ <= 15)
            StepLogic();
    };
    window1_->OnClose = [this](TPracticeWindow& window, TPracticeWindow::TCloseAction& action) {
        CloseHandler(window, 1, action);
    };
    window1_->OnActivate = [this](TPracticeWindow&) { ActivationHandler(1); };
    window1_->OnClick = [this](TPracticeWindow&) { WindowClick(); };
    window1_->ClickThrough(window1_->txtTask());
    window1_->img()->OnClick = [this] { WindowClick(); };
    window1_->btnNext()->OnClick = [this] { Notify(); };

    window2_ = new TKezelWndForm(this, 2);
    window2_->SetBounds(QRect(120, 160, TKezelWndForm::NormalWidth, TKezelWndForm::NormalHeight));
    window2_->SetBorder(TWindowFrame::TBorder::Single);
    window2_->AllowMove = false;
    window2_->txtTask()->setVisible(false);
    window2_->img()->SetPng(LoadPng(QStringLiteral("ablakok\\tivadar.png")));
    window2_->OnClose = [this](TPracticeWindow& window, TPracticeWindow::TCloseAction& action) {
        CloseHandler(window, 2, action);
    };
    window2_->OnActivate = [this](TPracticeWindow&) { ActivationHandler(2); };

    Windows().OnHostActivate = [this] { ActivationHandler(PageTag); };
    window1_->Show();
}

void TWndKezelForm::ShowPage()
{
    TWndBaseForm::ShowPage();
    Windows().Activate(window1_);
    step_ = 0;
    StepLogic();
}

void TWndKezelForm::Task1(const QString& text, const QColor& colour)
{
    window1_->SetTask(text, colour);
}

bool TWndKezelForm::Count(int limit, const QString& lastTime, const std::function<QString(int)>& stillN)
{
    QString text;
    if (count_.Count(limit, lastTime, stillN, text))
        return true;
    window1_->txtTask()->setText(text);
    return false;
}

void TWndKezelForm::SetTaskDown(int tag)
{
    taskDown_ = tag;
    sbtnNora_->SetDown(tag == 1);
    sbtnTivadar_->SetDown(tag == 2);
}

void TWndKezelForm::SetActiveWindow(int tag)
{
    activeWindow_ = tag;
    SetTaskDown(tag == window1_->Tag() ? 1 : 2);
}

void TWndKezelForm::StepLogic()
{
    switch (step_) {
    case 0:
        window1_->AllowMove = true;
        window1_->SetBorderIcons({false, false, false});
        step_ = 11;
        break;
    case 11:
    case 12:
    case 13:
    case 14: {
        if (!KezelPlaces::Reached(step_, window1_->geometry()))
            break;
        static const char* const next[] = {"Tedd a jobb alsó sarokba!", "Tedd a jobb felső sarokba!",
                                           "Tedd a bal alsó sarokba!", "Tedd vissza a képernyő közepére!"};
        window1_->txtTask()->setText(QString::fromUtf8(next[step_ - 11]));
        ++step_;
        break;
    }
    case 15:
        if (!KezelPlaces::Reached(step_, window1_->geometry()))
            break;
        window1_->SetBounds(Window1Start);
        window1_->AllowMaximize = window1_->AllowMinimize = true;
        window1_->AllowSize = window1_->AllowMove = false;
        Task1(QStringLiteral("Ha duplán kattintasz a címsávra, akkor az ablak mérete megváltozik. Ha nem foglalja "
                             "el a teljes képernyőt, akkor teljes méretű lesz, ha viszont teljes méretű, akkor "
                             "normál méretű lesz. Próbáld ki hatszor!"),
              Blue);
        window1_->SetBorderIcons({false, false, true});
        count_.Restart();
        step_ = 21;
        break;
    case 21:
        if (!Count(6, QStringLiteral("Na még egy utolsót duplázz a címsávra!"),
                   [](int n) { return QStringLiteral("Még %1 alkalommal duplázz a címsávra!").arg(n); }))
            break;
        Task1(QStringLiteral("Az ablak jobb felső sarkában láthatod az ablakkezelő gombokat. A középsővel "
                             "átméretezheted az ablakot úgy, mint az előbb. Próbáld ki 6-szor!"),
              Green);
        window1_->SetBorderIcons({true, false, true});
        window1_->AllowMaximize = true;
        count_.Restart();
        step_ = 22;
        break;
    case 22:
        if (!Count(6, QStringLiteral("Na még egyszer méretezd át az ablakot!"),
                   [](int n) { return QStringLiteral("Még %1 alkalommal méretezd át a gombbal!").arg(n); }))
            break;
        Task1(QStringLiteral("Az X gombbal bezárhatod az ablakot. Ilyenkor a programból is kilépsz, ez ennek a "
                             "legegyszerűbb formája. Próbáld ki háromszor!"),
              Red);
        window1_->AllowMaximize = window1_->AllowSize = false;
        window1_->AllowClose = true;
        window1_->SetBorder(TWindowFrame::TBorder::Single);
        count_.Restart();
        step_ = 23;
        break;
    case 23:
        if (!Count(3, QStringLiteral("Zárd be utoljára is az ablakot!"),
                   [](int n) { return QStringLiteral("Még %1 alkalommal kell bezárnod az ablakot!").arg(n); }))
            break;
        Task1(QStringLiteral("Alul megjelent a TÁLCA. Ide is helyezheted ablakaidat. Ekkor az ablak nem zárul be, "
                             "csak leugrik a TÁLCÁRA, hogy ne foglalja a helyet. A fekvő pálcikát ábrázoló kis "
                             "gombbal ugraszd le Nóra ablakát a TÁLCÁRA! Visszahozni a TÁLCÁN látható gombra "
                             "klikkelve tudod. Próba háromszor!"),
              Purple);
        window1_->Show();
        window1_->SetBorderIcons({true, true, true});
        window1_->AllowMinimize = window1_->AllowClose = false;
        count_.Restart();
        pnlTalca_->setVisible(true);
        sbtnNora_->setVisible(true);
        SetTaskDown(1);
        step_ = 24;
        break;
    case 24:
        window1_->AllowClose = false;
        if (!Count(3, QStringLiteral("Utoljára!"), [](int) { return QStringLiteral("Még kétszer ugyanezt!"); }))
            break;
        Task1(QStringLiteral("Úgy is eltűntetheted és újra visszahozhatod az ablakot, ha a hozzá tartozó, a tálcán "
                             "lévő gombra kattintgatsz. Próbáld ki háromszor!"),
              Black);
        count_.Restart();
        step_ = 25;
        break;
    case 25:
        if (!Count(3, QStringLiteral("Utoljára!"), [](int) { return QStringLiteral("Még kétszer ugyanezt!"); }))
            break;
        Task1(QStringLiteral("Az ablakok kis mérete, tálcára helyezése akkor hasznos, ha több ablakot használsz. "
                             "Ilyenkor aktív ablaknak nevezzük azt, amelyikkel éppen dolgozol, az összes többit "
                             "pedig inaktívnak. Amelyik ablak a tálcán van, az mindig inaktív. Egyszerre csak egy "
                             "ablak lehet aktív, ezt a címsávjának élénk színe is jelzi.\nEngem tegyél a tálcára!"),
              Blue);
        window2_->setEnabled(false);
        window2_->Show();
        Windows().Activate(window1_);
        sbtnTivadar_->setEnabled(true);
        sbtnTivadar_->setVisible(true);
        sbtnTivadar_->SetDown(false);
        step_ = 32;
        break;
    case 32:
        window2_->txtTask()->setVisible(true);
        window2_->SetTask(QStringLiteral("Szia! Nóra nem tűnt el, a tálcán pihen. Az ablakok között kattintással is "
                                         "válthatsz. Nem kell tálcára tenni egyiket sem, egyszerűen kattints az "
                                         "ablak belsejére vagy címsávjára! Most ugraszd fel Nóra ablakát a "
                                         "tálcáról, azután váltogasd az ablakokat hatszor kattintással!"),
                          Blue);
        window2_->setEnabled(true);
        Windows().Activate(window2_);
        step_ = 35;
        break;
    case 35:
        window2_->txtTask()->setText(QStringLiteral("Válts vissza Nórára!"));
        if (!window1_->isVisible())
            break;
        count_.Restart();
        window1_->txtTask()->setText(QStringLiteral("Még 6 váltás van vissza"));
        step_ = 33;
        break;
    case 33:
        if (!Count(6, QStringLiteral("Még egyszer válts ablakot!"),
                   [](int n) { return QStringLiteral("Még %1 váltás van vissza!").arg(n); }))
            break;
        window2_->txtTask()->setText(
            QStringLiteral("Szia, most megyek. Légy szíves, és zárd be az ablakomat az X gombbal!"));
        window2_->AllowClose = true;
        count_.Restart();
        step_ = 34;
        break;
    case 34:
        if (window2_->isVisible())
            break;
        window1_->txtTask()->setText(QStringLiteral("Az én ablakom most inaktív. Kattints, és tedd aktívvá!"));
        step_ = 36;
        break;
    case 36:
        if (activeWindow_ != 1)
            break;
        window1_->txtTask()->setText(
            QStringLiteral("Ügyes vagy, a címsávot és az ablakkezelő gombokat már ismered. Most kattints rám!"));
        step_ = 100;
        break;
    case 100:
        window1_->ShowMenu(true);
        window1_->btnNext()->setVisible(true);
        window1_->txtTask()->setText(QStringLiteral("A címsáv alatt szavak láthatók, ezek a menük. A menük menüsort "
                                                    "alkotnak. A menük használatával a következő témakör "
                                                    "foglalkozik."));
        break;
    default:
        break;
    }
}

void TWndKezelForm::MinimizeRequest()
{
    if (step_ == 24) {
        timer1_->SetEnabled(false);
        window1_->Hide();
        SetTaskDown(0);
    } else if (step_ == 32) {
        window1_->Hide();
        window2_->setEnabled(true);
        SetActiveWindow(2);
        StepLogic();
    }
}

void TWndKezelForm::CloseHandler(TPracticeWindow& window, int tag, TPracticeWindow::TCloseAction& action)
{
    // In these steps the close only hides the window, and the step may show it again at once.
    const bool tivadarLeaves = step_ == 34 && tag == 2;
    if (step_ != 23 && !tivadarLeaves)
        return;
    action = TPracticeWindow::TCloseAction::None;
    window.Hide();
    if (tivadarLeaves) {
        sbtnTivadar_->setVisible(false);
        SetActiveWindow(1);
    } else {
        timer1_->SetEnabled(true);
    }
    StepLogic();
}

void TWndKezelForm::Timer1Timer()
{
    if (window1_->isVisible())
        return;
    window1_->Show();
    timer1_->SetEnabled(false);
}

void TWndKezelForm::sbtnNoraClick()
{
    switch (step_) {
    case 24:
        if (!window1_->isVisible()) {
            window1_->Show();
            SetTaskDown(1);
            StepLogic();
            return;
        }
        break;
    case 25:
        if (taskDown_ == 1) {
            SetTaskDown(0);
            window1_->Hide();
        } else {
            SetTaskDown(1);
            window1_->Show();
            StepLogic();
        }
        return;
    case 35: {
        const bool down = taskDown_ != 1;
        SetTaskDown(down ? 1 : 0);
        window1_->setVisible(down);
        if (down) {
            SetActiveWindow(1);
            StepLogic();
        }
        return;
    }
    default:
        break;
    }
    // A click the step does not use leaves the task bar as it was.
    SetTaskDown(taskDown_);
}

void TWndKezelForm::sbtnTivadarClick()
{
    // Tivadar's button shows and hides his window for as long as it stands on the task bar, so a
    // window hidden by it can always be fetched back.
    if (step_ != 33 && step_ != 34 && step_ != 35) {
        SetTaskDown(taskDown_);
        return;
    }
    const bool down = taskDown_ != 2;
    SetTaskDown(down ? 2 : 0);
    if (down)
        window2_->Show();
    else
        window2_->Hide();
    if (down && window1_->isVisible())
        SetActiveWindow(2);
}

void TWndKezelForm::ActivationHandler(int tag)
{
    if (step_ != 33)
        return;
    if (tag == PageTag) {
        // The desktop takes no activation: the focus goes back to the active window.
        TKezelWndForm* active = activeWindow_ == 1 ? window1_ : window2_;
        if (active->isVisible())
            Windows().Activate(active);
        return;
    }
    if (tag == activeWindow_)
        return;
    SetActiveWindow(tag);
    StepLogic();
}

void TWndKezelForm::WindowClick()
{
    if (step_ == 36) {
        SetActiveWindow(1);
        StepLogic();
    } else if (step_ == 100) {
        StepLogic();
    }
}
