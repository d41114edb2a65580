#include "WndKezelForm.h"

#include "KezelPlaces.h"
#include "framework/Image.h"
#include "framework/KezelWndForm.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/SpeedButton.h"
#include "framework/WindowGroup.h"
#include "platform/PageTimer.h"

#include <QLabel>
#include <algorithm>
#include <optional>

namespace {

const QColor Blue(0, 0, 255);
const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor Purple(128, 0, 128);
const QColor Black(0, 0, 0);
constexpr int PageTag = 100;
// Window 1 where the lesson starts it, and puts it back after the corners.
const QRect Window1Start(KezelPlaces::Start, QSize(TKezelWndForm::NormalWidth, TKezelWndForm::NormalHeight));

// How a step ends.
enum class TDone {
    AtOnce,      // the next time the step logic runs
    Place,       // window 1 was dragged to the step's place
    Count,       // the watched event came as many times as the step asks
    NoraShown,   // window 1 is on the screen again
    TivadarGone, // window 2 is hidden
    NoraActive,  // window 1 is the active window
};

// A window permission a step turns on or off.
struct TPermit {
    bool TPracticeWindow::*flag;
    bool on;
};
constexpr bool TPracticeWindow::*Size = &TPracticeWindow::AllowSize;
constexpr bool TPracticeWindow::*Maximize = &TPracticeWindow::AllowMaximize;
constexpr bool TPracticeWindow::*Minimize = &TPracticeWindow::AllowMinimize;
constexpr bool TPracticeWindow::*Move = &TPracticeWindow::AllowMove;
constexpr bool TPracticeWindow::*Close = &TPracticeWindow::AllowClose;

// A window's task text; without a colour the colour stays.
struct TTask {
    const char* text = nullptr;
    QColor colour;
};

void Apply(TKezelWndForm& window, const std::vector<TPermit>& permits)
{
    for (const TPermit& permit : permits)
        window.*permit.flag = permit.on;
}

void Apply(TKezelWndForm& window, const TTask& task)
{
    if (!task.text)
        return;
    if (task.colour.isValid())
        window.SetTask(QString::fromUtf8(task.text), task.colour);
    else
        window.txtTask()->setText(QString::fromUtf8(task.text));
}

} // namespace

// One step of the lesson: how it ends, and what the page does then: the windows' permissions and
// task texts, window 1's title-bar buttons and whatever else comes on. The next row is the next
// step; the last step stays.
struct TWndKezelForm::TStepRow {
    TStepRow(TStep step, TDone done) : step(step), done(done) {}

    // A counting step's limit, its last-time text and its still-N text (N in place of %1).
    TStepRow& Counting(int limit, const char* lastTime, const char* stillN)
    {
        this->limit = limit;
        this->lastTime = lastTime;
        this->stillN = stillN;
        return *this;
    }
    TStepRow& Nora(std::vector<TPermit> permits)
    {
        nora = std::move(permits);
        return *this;
    }
    TStepRow& Tivadar(std::vector<TPermit> permits)
    {
        tivadar = std::move(permits);
        return *this;
    }
    TStepRow& NoraTask(const char* text, const QColor& colour = {})
    {
        noraTask = {text, colour};
        return *this;
    }
    TStepRow& TivadarTask(const char* text, const QColor& colour = {})
    {
        tivadarTask = {text, colour};
        return *this;
    }
    TStepRow& NoraIcons(TWindowFrame::TBorderIcons icons)
    {
        noraIcons = icons;
        return *this;
    }
    TStepRow& More(void (*then)(TWndKezelForm& page))
    {
        more = then;
        return *this;
    }

    TStep step;
    TDone done;
    int limit = 0;
    const char* lastTime = nullptr;
    const char* stillN = nullptr;
    std::vector<TPermit> nora;
    std::vector<TPermit> tivadar;
    TTask noraTask;
    TTask tivadarTask;
    std::optional<TWindowFrame::TBorderIcons> noraIcons;
    void (*more)(TWndKezelForm& page) = nullptr;
};

const std::vector<TWndKezelForm::TStepRow>& TWndKezelForm::Steps()
{
    using TIcons = TWindowFrame::TBorderIcons;
    static const std::vector<TStepRow> steps = {
        TStepRow(TStep::Start, TDone::AtOnce).Nora({{Move, true}}).NoraIcons(TIcons{false, false, false}),
        TStepRow(TStep::TopLeft, TDone::Place).NoraTask("Tedd a jobb alsó sarokba!"),
        TStepRow(TStep::BottomRight, TDone::Place).NoraTask("Tedd a jobb felső sarokba!"),
        TStepRow(TStep::TopRight, TDone::Place).NoraTask("Tedd a bal alsó sarokba!"),
        TStepRow(TStep::BottomLeft, TDone::Place).NoraTask("Tedd vissza a képernyő közepére!"),
        TStepRow(TStep::Middle, TDone::Place)
            .More([](TWndKezelForm& page) { page.window1_->SetBounds(Window1Start); })
            .Nora({{Maximize, true}, {Minimize, true}, {Size, false}, {Move, false}})
            // Without the system menu no button is drawn, yet the title's double click works.
            .NoraIcons(TIcons{false, false, true})
            .NoraTask("Ha duplán kattintasz a címsávra, akkor az ablak mérete megváltozik. Ha nem foglalja el a "
                      "teljes képernyőt, akkor teljes méretű lesz, ha viszont teljes méretű, akkor normál méretű "
                      "lesz. Próbáld ki hatszor!",
                      Blue),
        TStepRow(TStep::TitleDoubleClicks, TDone::Count)
            .Counting(6, "Na még egy utolsót duplázz a címsávra!", "Még %1 alkalommal duplázz a címsávra!")
            .Nora({{Maximize, true}})
            .NoraIcons(TIcons{true, false, true})
            .NoraTask("Az ablak jobb felső sarkában láthatod az ablakkezelő gombokat. A középsővel "
                      "átméretezheted az ablakot úgy, mint az előbb. Próbáld ki 6-szor!",
                      Green),
        TStepRow(TStep::SizeButton, TDone::Count)
            .Counting(6, "Na még egyszer méretezd át az ablakot!", "Még %1 alkalommal méretezd át a gombbal!")
            .More([](TWndKezelForm& page) { page.window1_->SetBorder(TWindowFrame::TBorder::Single); })
            .Nora({{Maximize, false}, {Size, false}, {Close, true}})
            .NoraTask("Az X gombbal bezárhatod az ablakot. Ilyenkor a programból is kilépsz, ez ennek a "
                      "legegyszerűbb formája. Próbáld ki háromszor!",
                      Red),
        TStepRow(TStep::CloseButton, TDone::Count)
            .Counting(3, "Zárd be utoljára is az ablakot!", "Még %1 alkalommal kell bezárnod az ablakot!")
            .More([](TWndKezelForm& page) {
                page.window1_->Show();
                page.pnlTalca_->setVisible(true);
                page.sbtnNora_->setVisible(true);
                page.SetTaskDown(1);
            })
            .Nora({{Minimize, false}, {Close, false}})
            .NoraIcons(TIcons{true, true, true})
            .NoraTask("Alul megjelent a TÁLCA. Ide is helyezheted ablakaidat. Ekkor az ablak nem zárul be, csak "
                      "leugrik a TÁLCÁRA, hogy ne foglalja a helyet. A fekvő pálcikát ábrázoló kis gombbal "
                      "ugraszd le Nóra ablakát a TÁLCÁRA! Visszahozni a TÁLCÁN látható gombra klikkelve tudod. "
                      "Próba háromszor!",
                      Purple),
        TStepRow(TStep::MinimiseButton, TDone::Count)
            .Counting(3, "Utoljára!", "Még kétszer ugyanezt!")
            .NoraTask("Úgy is eltűntetheted és újra visszahozhatod az ablakot, ha a hozzá tartozó, a tálcán lévő "
                      "gombra kattintgatsz. Próbáld ki háromszor!",
                      Black),
        TStepRow(TStep::TaskButton, TDone::Count)
            .Counting(3, "Utoljára!", "Még kétszer ugyanezt!")
            .More([](TWndKezelForm& page) {
                page.window2_->setEnabled(false);
                page.window2_->Show();
                page.Windows().Activate(page.window1_);
                page.sbtnTivadar_->setVisible(true);
            })
            .NoraTask("Az ablakok kis mérete, tálcára helyezése akkor hasznos, ha több ablakot használsz. "
                      "Ilyenkor aktív ablaknak nevezzük azt, amelyikkel éppen dolgozol, az összes többit pedig "
                      "inaktívnak. Amelyik ablak a tálcán van, az mindig inaktív. Egyszerre csak egy ablak lehet "
                      "aktív, ezt a címsávjának élénk színe is jelzi.\nEngem tegyél a tálcára!",
                      Blue),
        TStepRow(TStep::NoraToTaskBar, TDone::AtOnce)
            .More([](TWndKezelForm& page) {
                page.window2_->txtTask()->setVisible(true);
                page.window2_->setEnabled(true);
                page.Windows().Activate(page.window2_);
            })
            .TivadarTask("Szia! Nóra nem tűnt el, a tálcán pihen. Az ablakok között kattintással is válthatsz. "
                         "Nem kell tálcára tenni egyiket sem, egyszerűen kattints az ablak belsejére vagy "
                         "címsávjára! Most ugraszd fel Nóra ablakát a tálcáról, azután váltogasd az ablakokat "
                         "hatszor kattintással!",
                         Blue),
        TStepRow(TStep::NoraBack, TDone::NoraShown)
            .TivadarTask("Válts vissza Nórára!")
            .NoraTask("Még 6 váltás van vissza"),
        TStepRow(TStep::Switching, TDone::Count)
            .Counting(6, "Még egyszer válts ablakot!", "Még %1 váltás van vissza!")
            .Tivadar({{Close, true}})
            .TivadarTask("Szia, most megyek. Légy szíves, és zárd be az ablakomat az X gombbal!"),
        TStepRow(TStep::TivadarLeaves, TDone::TivadarGone)
            .NoraTask("Az én ablakom most inaktív. Kattints, és tedd aktívvá!"),
        TStepRow(TStep::ActivateNora, TDone::NoraActive)
            .NoraTask("Ügyes vagy, a címsávot és az ablakkezelő gombokat már ismered. Most kattints rám!"),
        TStepRow(TStep::Menus, TDone::AtOnce)
            .More([](TWndKezelForm& page) {
                page.window1_->ShowMenu(true);
                page.window1_->btnNext()->setVisible(true);
            })
            .NoraTask("A címsáv alatt szavak láthatók, ezek a menük. A menük menüsort alkotnak. A menük "
                      "használatával a következő témakör foglalkozik."),
    };
    return steps;
}

const TWndKezelForm::TStepRow* TWndKezelForm::RowOf(TStep step)
{
    const std::vector<TStepRow>& steps = Steps();
    const auto row = std::find_if(steps.begin(), steps.end(), [step](const TStepRow& at) { return at.step == step; });
    return row == steps.end() ? nullptr : &*row;
}

QString TWndKezelForm::NoraTask(TStep step)
{
    const TStepRow* row = RowOf(step);
    return row && row->noraTask.text ? QString::fromUtf8(row->noraTask.text) : QString();
}

QString TWndKezelForm::TivadarTask(TStep step)
{
    const TStepRow* row = RowOf(step);
    return row && row->tivadarTask.text ? QString::fromUtf8(row->tivadarTask.text) : QString();
}

QString TWndKezelForm::StillToGo(TStep step, int n)
{
    const TStepRow* row = RowOf(step);
    if (!row || !row->stillN)
        return QString();
    return QString::fromUtf8(row->stillN).replace(QStringLiteral("%1"), QString::number(n));
}

QString TWndKezelForm::WindowName(int tag)
{
    return tag == 1 ? QStringLiteral("Nóra ablaka") : QStringLiteral("Tivadar ablaka");
}

TWndKezelForm::TWndKezelForm() : TWndBaseForm(QStringLiteral("WndKezelForm"))
{
    // The lesson shows the task bar's buttons and presses them itself, step by step.
    pnlTalca_ = new TTaskBar(this, TTaskBar::TMode::Lesson);
    pnlTalca_->OnWindowClick = [this](TPracticeWindow& window) {
        if (&window == window1_)
            sbtnNoraClick();
        else
            sbtnTivadarClick();
    };
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
        if (step_ <= TStep::Middle)
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

    sbtnNora_ = pnlTalca_->AddWindow(window1_, WindowName(1));
    sbtnTivadar_ = pnlTalca_->AddWindow(window2_, WindowName(2));

    Windows().OnHostActivate = [this] { ActivationHandler(PageTag); };
    window1_->Show();
}

void TWndKezelForm::ShowPage()
{
    TWndBaseForm::ShowPage();
    Windows().Activate(window1_);
    step_ = TStep::Start;
    StepLogic();
}

void TWndKezelForm::StepLogic()
{
    const std::vector<TStepRow>& steps = Steps();
    const auto row = std::find_if(steps.begin(), steps.end(), [this](const TStepRow& at) { return at.step == step_; });
    if (row == steps.end() || !Done(*row))
        return;
    Finish(*row);
    const auto next = std::next(row) == steps.end() ? row : std::next(row);
    // A step that counts starts at 1.
    if (next->done == TDone::Count)
        count_.Restart();
    step_ = next->step;
}

bool TWndKezelForm::Done(const TStepRow& row)
{
    switch (row.done) {
    case TDone::AtOnce: return true;
    case TDone::Place: return KezelPlaces::Reached(static_cast<int>(row.step), window1_->geometry());
    case TDone::Count: {
        const auto stillN = [&row](int n) { return StillToGo(row.step, n); };
        QString text;
        if (count_.Count(row.limit, QString::fromUtf8(row.lastTime), stillN, text))
            return true;
        window1_->txtTask()->setText(text);
        return false;
    }
    case TDone::NoraShown: return window1_->isVisible();
    case TDone::TivadarGone: return !window2_->isVisible();
    case TDone::NoraActive: return activeWindow_ == 1;
    }
    return false;
}

void TWndKezelForm::Finish(const TStepRow& row)
{
    if (row.more)
        row.more(*this);
    Apply(*window1_, row.nora);
    Apply(*window2_, row.tivadar);
    if (row.noraIcons)
        window1_->SetBorderIcons(*row.noraIcons);
    Apply(*window1_, row.noraTask);
    Apply(*window2_, row.tivadarTask);
}

void TWndKezelForm::SetTaskDown(int tag)
{
    pnlTalca_->SetDown(tag == 1 ? window1_ : tag == 2 ? window2_ : nullptr);
}

int TWndKezelForm::TaskDown() const
{
    const TPracticeWindow* down = pnlTalca_->DownWindow();
    return down == window1_ ? 1 : down == window2_ ? 2 : 0;
}

void TWndKezelForm::SetActiveWindow(int tag)
{
    activeWindow_ = tag;
    SetTaskDown(tag == window1_->Tag() ? 1 : 2);
}

void TWndKezelForm::MinimizeRequest()
{
    if (step_ == TStep::MinimiseButton) {
        timer1_->SetEnabled(false);
        window1_->Hide();
        SetTaskDown(0);
    } else if (step_ == TStep::NoraToTaskBar) {
        window1_->Hide();
        window2_->setEnabled(true);
        SetActiveWindow(2);
        StepLogic();
    }
}

void TWndKezelForm::CloseHandler(TPracticeWindow& window, int tag, TPracticeWindow::TCloseAction& action)
{
    // In these steps the close only hides the window, and the step may show it again at once.
    const bool tivadarLeaves = step_ == TStep::TivadarLeaves && tag == 2;
    if (step_ != TStep::CloseButton && !tivadarLeaves)
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

// A click the step does not use leaves the task bar as it was (the bar undoes the click's toggle).
void TWndKezelForm::sbtnNoraClick()
{
    switch (step_) {
    case TStep::MinimiseButton:
        // A click while the window is visible does nothing.
        if (!window1_->isVisible()) {
            window1_->Show();
            SetTaskDown(1);
            StepLogic();
        }
        break;
    case TStep::TaskButton:
        if (TaskDown() == 1) {
            SetTaskDown(0);
            window1_->Hide();
        } else {
            SetTaskDown(1);
            window1_->Show();
            StepLogic();
        }
        break;
    case TStep::NoraBack: {
        const bool down = TaskDown() != 1;
        SetTaskDown(down ? 1 : 0);
        window1_->setVisible(down);
        if (down) {
            SetActiveWindow(1);
            StepLogic();
        }
        break;
    }
    default: break;
    }
}

void TWndKezelForm::sbtnTivadarClick()
{
    // Tivadar's button shows and hides his window for as long as it stands on the task bar, so a
    // window hidden by it can always be fetched back.
    if (step_ != TStep::Switching && step_ != TStep::TivadarLeaves && step_ != TStep::NoraBack)
        return;
    const bool down = TaskDown() != 2;
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
    if (step_ != TStep::Switching)
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
    if (step_ == TStep::ActivateNora) {
        SetActiveWindow(1);
        StepLogic();
    } else if (step_ == TStep::Menus) {
        StepLogic();
    }
}
