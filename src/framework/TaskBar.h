#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QFrame;
class QLabel;
class TImage;
class TPageTimer;
class TPracticeWindow;
class TSpeedButton;

// The imitated desktop's task bar along the bottom of a page: the Start button at the left end,
// one button per practice window after it, and at the right end the tray, a lowered box with its
// icons and the clock. It is hidden until the page shows it.
//
// On a desktop (TMode::Desktop) a window's button shows while its window is open or minimised and
// is down while its window is active; a click on it restores a minimised window, activates an
// inactive one and minimises the active one, and a press on the bar leaves the activation alone.
// A lesson that teaches the task bar step by step (TMode::Lesson) shows and presses the buttons
// itself and takes their clicks (OnWindowClick); a press on the bar is a press on its page.
class TTaskBar : public QWidget {
    Q_OBJECT
public:
    enum class TMode { Desktop, Lesson };
    static constexpr int BarHeight = 30;

    explicit TTaskBar(QWidget* page, TMode mode = TMode::Desktop);

    TSpeedButton* btnStart() const { return btnStart_; }
    QLabel* Clock() const { return clock_; }

    // The window buttons stand side by side from here, the shown ones in the order they were added.
    void SetButtonsLeft(int left);
    // The window must be one of the page's practice windows.
    TSpeedButton* AddWindow(TPracticeWindow* window, const QString& caption, const QImage& icon = {});
    TSpeedButton* Button(const TPracticeWindow* window) const;
    // At most one button is down; nullptr: none.
    void SetDown(TPracticeWindow* window);
    TPracticeWindow* DownWindow() const { return down_; }

    // A 16 x 16 icon in the tray, after the ones already there; the tray grows leftwards to hold it.
    TImage* AddTrayIcon(const QImage& icon);
    // The clock shows the time service's time of day from now on, refreshed every ten seconds.
    // Until then it shows "00:00".
    void RunClock();

    // A lesson's window button was clicked; the click itself changes no button.
    std::function<void(TPracticeWindow& window)> OnWindowClick;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TEntry {
        QPointer<TPracticeWindow> window;
        TSpeedButton* button;
    };

    void WindowClicked(TPracticeWindow& window);
    // The buttons as the windows stand: shown while open or minimised, down while active.
    void Follow();
    void ShowDown();
    void LayOut();
    void LayOutTray();
    void ShowTime();

    TMode mode_;
    TSpeedButton* btnStart_;
    QFrame* tray_;
    QLabel* clock_;
    TPageTimer* clockTimer_ = nullptr;
    std::vector<TEntry> entries_;
    std::vector<TImage*> trayIcons_;
    QPointer<TPracticeWindow> down_;
    int buttonsLeft_ = 96;
};
