#pragma once

#include "KeyOnce.h"
#include "WindowFrame.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

class TWindowGroup;

// A window of the course's own desktop, drawn by the course: title bar with icon, caption and
// buttons, a sizing, single or dialog border, a menu-bar slot and the client area. It is a child
// of its host (the page, or the canvas) and behaves as a desktop window does to the learner:
// dragged by its title, sized by its edges, maximised to the 1024 x 768 screen, minimised (hidden,
// remembered for a task bar), closed; activated by a press on it, with keys going to the active one.
//
// Every request the learner makes goes through SystemCommand, which applies the five Allow flags,
// the move rule and the hooks. The program's own Close, Hide, Show and bounds never ask the flags.
class TPracticeWindow : public QWidget {
    Q_OBJECT
public:
    enum class TCommand { Move, Size, Minimize, Maximize, Restore, Close };
    // KeepOnScreen: a move starts only from wholly on screen and the rectangle is held on it.
    enum class TMoveRule { KeepOnScreen, Free };
    enum class TCloseAction { Hide, Free, None };
    using TNotify = std::function<void(TPracticeWindow& sender)>;

    static constexpr int ScreenWidth = 1024;
    static constexpr int ScreenHeight = 768;

    TPracticeWindow(QWidget* host, const QString& name, const QString& caption);
    ~TPracticeWindow() override;

    // Permissions for the learner's requests.
    bool AllowSize = true;
    bool AllowMaximize = true;
    bool AllowMinimize = true;
    bool AllowMove = true;
    bool AllowClose = true;
    TMoveRule MoveRule = TMoveRule::Free;

    TNotify OnMaximized;       // after a permitted maximise
    TNotify OnMinimizeRequest; // after every minimise request, permitted or not
    TNotify OnMoveStart;       // when a permitted move begins
    TNotify OnMoveEnd;         // when a move or size loop ends, moved or not
    TNotify OnRestored;        // after a permitted restore
    TNotify OnActivate;
    TNotify OnShow;
    TNotify OnResize;
    TNotify OnClick;           // a click on the client area's own background
    std::function<void(TPracticeWindow& sender, TCloseAction& action)> OnClose;

    // The learner's requests (title, edges, buttons, double click, Alt+F4); true when carried out.
    // Move and Size only open the loop the following drag runs.
    bool SystemCommand(TCommand command, TWindowFrame::THit edge = TWindowFrame::THit::None);

    // The program's own operations: no flag is asked.
    void Close();
    void Show();
    void Hide();
    void SetBounds(const QRect& outer);
    void SetClientSize(QSize client);

    int Left() const { return geometry().left(); }
    int Top() const { return geometry().top(); }
    int Width() const { return width(); }
    int Height() const { return height(); }

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    void SetIcon(const QImage& icon);
    void SetColour(const QColor& colour);
    void SetBorder(TWindowFrame::TBorder border);
    TWindowFrame::TBorder Border() const { return border_; }
    void SetBorderIcons(TWindowFrame::TBorderIcons icons);
    TWindowFrame::TBorderIcons BorderIcons() const { return icons_; }
    void SetStayOnTop(bool onTop);
    bool StayOnTop() const { return stayOnTop_; }
    // Sizing by the learner stays within these outer sizes.
    void SetSizeLimits(QSize minimum, QSize maximum);
    // A menu bar between the title and the client area; nullptr removes it.
    void SetMenuBar(QWidget* bar, int height);

    QWidget* Client() const { return client_; }
    // Clicks on this control (a label, a picture) count as clicks on the window's body.
    void ClickThrough(QWidget* control);
    TWindowFrame Frame() const;
    bool Maximized() const { return maximized_; }
    bool Minimized() const { return minimized_; }
    // The bounds a restore returns to.
    QRect NormalBounds() const { return maximized_ ? normal_ : geometry(); }
    bool Active() const;
    // Cuts every hook: nothing the window does afterwards reaches its owner.
    void CutHooks();

protected:
    // Key preview: the window's handlers see keys meant for it before its controls; a handler
    // swallows a key by setting it to 0.
    virtual void FormKeyDown(int& key, Qt::KeyboardModifiers shift);
    virtual void FormKeyUp(int& key, Qt::KeyboardModifiers shift);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TLoop { None, Move, Size };
    enum class TGlyph { Minimise, Maximise, Restore, Close };
    friend class TWindowGroup;

    void Notify(const TNotify& hook);
    void Layout();
    void DoMaximize();
    void DoRestore();
    void EndLoop();
    QRect MovedRect(QPoint delta) const;
    QRect SizedRect(QPoint delta) const;
    void DrawTitleButton(class QPainter& painter, const QRect& r, TGlyph glyph, bool enabled, bool down) const;
    void UpdateCursor(QPoint at);

    TWindowGroup* group_;
    QWidget* client_;
    QPointer<QWidget> menuBar_;
    int menuHeight_ = 0;
    QString caption_;
    QImage icon_;
    TWindowFrame::TBorder border_ = TWindowFrame::TBorder::Sizeable;
    TWindowFrame::TBorderIcons icons_;
    bool stayOnTop_ = false;
    QSize minSize_{0, 0};
    QSize maxSize_{ScreenWidth * 4, ScreenHeight * 4};
    bool maximized_ = false;
    bool minimized_ = false;
    QRect normal_;
    TLoop loop_ = TLoop::None;
    TWindowFrame::THit edge_ = TWindowFrame::THit::None;
    QPoint loopStart_; // global position of the press
    QRect loopRect_;   // bounds when the loop began
    TWindowFrame::THit pressedButton_ = TWindowFrame::THit::None;
    QWidget* pressedControl_ = nullptr;
    std::vector<QWidget*> clickControls_;
    TKeyOnce lastKey_;
};
