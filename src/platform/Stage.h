#pragma once

#include <QGraphicsView>

class QGraphicsProxyWidget;

// The one window the learner sees. It carries a 1024 x 768 canvas, scaled by the largest factor
// that fits the screen and centred, with bars in the page colour. Pages and practice windows are
// children of the canvas.
class TStage : public QGraphicsView {
    Q_OBJECT
public:
    static constexpr int CanvasWidth = 1024;
    static constexpr int CanvasHeight = 768;

    explicit TStage(bool windowed);
    ~TStage() override;

    QWidget* Canvas() const { return canvas_; }
    // The stage of this run; nullptr before one exists.
    static TStage* Current();

    void Present();
    void Withdraw();
    bool Windowed() const { return windowed_; }

signals:
    // The window system asked the whole course to close.
    void closeRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FitCanvas();

    bool windowed_;
    QWidget* canvas_;
    QGraphicsProxyWidget* proxy_;
};
