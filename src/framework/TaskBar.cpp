#include "TaskBar.h"

#include "Controls.h"
#include "Fonts.h"
#include "Image.h"
#include "PracticeWindow.h"
#include "RaisedFrame.h"
#include "SpeedButton.h"
#include "WindowGroup.h"
#include "platform/ErrorReport.h"
#include "platform/PageTimer.h"
#include "platform/Services.h"
#include "platform/TimeSource.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>

namespace {

constexpr int ButtonTop = 3;
constexpr int ButtonHeight = 25;
constexpr int WindowButtonWidth = 113;
constexpr int WindowButtonStep = 120;
constexpr int ClockWidth = 58;
constexpr int TraySlot = 30;
constexpr int IconSize = 16;
constexpr int ClockRefreshMs = 10000;

TSpeedButton* BarButton(QWidget* bar, const QRect& geometry, int tag, const QString& caption, bool bold = false)
{
    auto* button = new TSpeedButton(bar, geometry, tag);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setText(caption);
    button->setFont(PixelFont(QStringLiteral("Arial"), 13, bold));
    return button;
}

} // namespace

TTaskBar::TTaskBar(QWidget* page, TMode mode) : QWidget(page), mode_(mode)
{
    setGeometry(0, TPracticeWindow::ScreenHeight - BarHeight, TPracticeWindow::ScreenWidth, BarHeight);
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, RaisedFrame::Face);
    setPalette(face);
    setVisible(false);
    btnStart_ = BarButton(this, QRect(2, ButtonTop, 60, ButtonHeight), 0, QStringLiteral("Start"), true);
    btnStart_->setCheckable(false);
    tray_ = new QFrame(this);
    tray_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    clock_ = Controls::Label(tray_, QRect(0, 0, ClockWidth, ButtonHeight), QStringLiteral("00:00"),
                             PixelFont(QStringLiteral("Arial"), 13), Qt::black, Qt::AlignCenter);
    LayOutTray();
    if (mode_ == TMode::Desktop) {
        TWindowGroup& windows = TWindowGroup::Of(page);
        windows.PassPresses(this);
        connect(&windows, &TWindowGroup::ActiveChanged, this, &TTaskBar::Follow);
    }
}

void TTaskBar::SetButtonsLeft(int left)
{
    buttonsLeft_ = left;
    LayOut();
}

TSpeedButton* TTaskBar::AddWindow(TPracticeWindow* window, const QString& caption, const QImage& icon)
{
    const int index = static_cast<int>(entries_.size());
    auto* button = BarButton(this, QRect(buttonsLeft_ + index * WindowButtonStep, ButtonTop, WindowButtonWidth,
                                         ButtonHeight),
                             index + 1, caption);
    if (!icon.isNull()) {
        button->SetGlyph(icon);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    button->setVisible(false);
    entries_.push_back({window, button});
    button->installEventFilter(this);
    if (mode_ == TMode::Desktop)
        window->installEventFilter(this);
    connect(button, &QAbstractButton::clicked, this, [this, target = QPointer<TPracticeWindow>(window)] {
        if (target)
            Guarded([&] { WindowClicked(*target); });
    });
    connect(window, &QObject::destroyed, button, [button] { button->setVisible(false); });
    Follow();
    return button;
}

TSpeedButton* TTaskBar::Button(const TPracticeWindow* window) const
{
    for (const TEntry& entry : entries_)
        if (entry.window == window)
            return entry.button;
    return nullptr;
}

void TTaskBar::SetDown(TPracticeWindow* window)
{
    down_ = window;
    ShowDown();
}

void TTaskBar::ShowDown()
{
    for (const TEntry& entry : entries_)
        entry.button->SetDown(entry.window && entry.window == down_);
}

void TTaskBar::Follow()
{
    if (mode_ != TMode::Desktop)
        return;
    down_ = nullptr;
    for (const TEntry& entry : entries_) {
        TPracticeWindow* window = entry.window;
        const bool open = window && !window->isHidden();
        entry.button->setVisible(open || (window && window->Minimized()));
        if (open && window->Active())
            down_ = window;
    }
    ShowDown();
}

void TTaskBar::WindowClicked(TPracticeWindow& window)
{
    // The click has toggled its button; which button is down is the bar's, or the lesson's, to say.
    ShowDown();
    if (mode_ == TMode::Lesson) {
        if (OnWindowClick)
            OnWindowClick(window);
        return;
    }
    using TCommand = TPracticeWindow::TCommand;
    if (window.isHidden()) {
        // A desktop brings a minimised window back whatever its title buttons allow.
        if (!window.SystemCommand(TCommand::Restore))
            window.Show();
    } else if (window.Active()) {
        window.SystemCommand(TCommand::Minimize);
    } else {
        TWindowGroup::Of(window.parentWidget()).Activate(&window);
    }
}

void TTaskBar::LayOut()
{
    int left = buttonsLeft_;
    for (const TEntry& entry : entries_) {
        if (entry.button->isHidden())
            continue;
        entry.button->move(left, ButtonTop);
        left += WindowButtonStep;
    }
}

TImage* TTaskBar::AddTrayIcon(const QImage& icon)
{
    auto* image = new TImage(tray_, QRect(0, 0, IconSize, IconSize));
    image->SetPng(icon);
    image->setVisible(true);
    trayIcons_.push_back(image);
    LayOutTray();
    return image;
}

void TTaskBar::LayOutTray()
{
    const int icons = static_cast<int>(trayIcons_.size());
    const int width = ClockWidth + icons * TraySlot;
    tray_->setGeometry(this->width() - width - 2, ButtonTop, width, ButtonHeight);
    for (int i = 0; i < icons; ++i)
        trayIcons_[static_cast<std::size_t>(i)]->move(i * TraySlot + (TraySlot - IconSize) / 2,
                                                      (ButtonHeight - IconSize) / 2);
    clock_->move(icons * TraySlot, 0);
}

void TTaskBar::RunClock()
{
    if (!clockTimer_) {
        clockTimer_ = new TPageTimer(this);
        clockTimer_->SetInterval(ClockRefreshMs);
        clockTimer_->OnTimer([this] { ShowTime(); });
    }
    clockTimer_->SetEnabled(true);
    ShowTime();
}

void TTaskBar::ShowTime()
{
    const QTime now = Services::Time().TimeOfDay();
    clock_->setText(QStringLiteral("%1:%2").arg(now.hour()).arg(now.minute(), 2, 10, QChar(u'0')));
}

void TTaskBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOutTray();
}

bool TTaskBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShowToParent && event->type() != QEvent::HideToParent)
        return false;
    // A button shown or hidden closes the row up; a window opened, minimised or closed moves its button.
    if (qobject_cast<TSpeedButton*>(watched))
        LayOut();
    else
        Guarded([this] { Follow(); });
    return false;
}
