#include "Stage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QScreen>
#include <QTimer>

namespace {
const char* const WindowMark = "bitlakWindow";
TStage* current = nullptr;
const QColor PageColour(221, 221, 221);
} // namespace

TStage::TStage(bool windowed) : windowed_(windowed), canvas_(new QWidget), proxy_(nullptr)
{
    current = this;
    setWindowTitle(QStringLiteral("Bitlak"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(PageColour);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);

    auto* scene = new QGraphicsScene(this);
    scene->setBackgroundBrush(PageColour);
    canvas_->setFixedSize(CanvasWidth, CanvasHeight);
    canvas_->setAutoFillBackground(true);
    QPalette palette = canvas_->palette();
    palette.setColor(QPalette::Window, PageColour);
    canvas_->setPalette(palette);
    proxy_ = scene->addWidget(canvas_);
    scene->setSceneRect(0, 0, CanvasWidth, CanvasHeight);
    setScene(scene);
    scene->setFocusItem(proxy_);
    // A click on the scene's empty bands must not clear the focus of the canvas.
    scene->setStickyFocus(true);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* now) { RememberFocus(now); });
    setAlignment(Qt::AlignCenter);
    if (windowed_)
        setFixedSize(CanvasWidth, CanvasHeight);
    else
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
}

TStage::~TStage()
{
    // The widget base still moves the focus while it is destroyed; this part is gone by then.
    disconnect(focusWatch_);
    if (current == this)
        current = nullptr;
}

TStage* TStage::Current()
{
    return current;
}

void TStage::Present()
{
    if (windowed_) {
        show();
    } else {
        // Without a window manager nothing else would size the window to the screen.
        if (const QScreen* screen = this->screen())
            setGeometry(screen->geometry());
        showFullScreen();
    }
    FitCanvas();
    activateWindow();
    // A window that is not mapped yet cannot take the focus; ask again once it is on screen.
    QTimer::singleShot(150, this, [this] {
        activateWindow();
        raise();
        proxy_->setFocus();
    });
}

void TStage::Withdraw()
{
    hide();
}

void TStage::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    FitCanvas();
}

void TStage::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closeRequested();
}

void TStage::RememberFocus(QWidget* now)
{
    if (now && canvas_->isAncestorOf(now))
        lastFocus_ = now;
}

void TStage::MarkAsWindow(QWidget* window)
{
    window->setProperty(WindowMark, true);
}

QWidget* TStage::ActiveCanvasWindow() const
{
    QWidget* topmost = nullptr;
    for (QObject* child : canvas_->children()) {
        auto* window = qobject_cast<QWidget*>(child);
        if (!window || !window->isVisible())
            continue;
        if (QWidget* focus = canvas_->focusWidget(); focus && (focus == window || window->isAncestorOf(focus))) {
            // The innermost window around the focus is the one the learner works in.
            for (QWidget* at = focus; at && at != window; at = at->parentWidget())
                if (at->property(WindowMark).toBool())
                    return at;
            return window;
        }
        topmost = window; // children are kept in stacking order, the topmost last
    }
    return topmost;
}

void TStage::EnsureCanvasFocus()
{
    if (scene()->focusItem() != proxy_)
        scene()->setFocusItem(proxy_, Qt::OtherFocusReason);
    const QWidget* focus = canvas_->focusWidget();
    if (focus && focus->isVisible() && focus->isEnabled() && focus->hasFocus())
        return;
    if (lastFocus_ && lastFocus_->isVisible() && lastFocus_->isEnabled()) {
        lastFocus_->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (QWidget* window = ActiveCanvasWindow())
        window->setFocus(Qt::OtherFocusReason);
}

void TStage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        event->accept();
        if (!event->isAutoRepeat())
            if (QWidget* window = ActiveCanvasWindow())
                window->close();
        return;
    }
    EnsureCanvasFocus();
    QGraphicsView::keyPressEvent(event);
}

void TStage::keyReleaseEvent(QKeyEvent* event)
{
    EnsureCanvasFocus();
    QGraphicsView::keyReleaseEvent(event);
}

void TStage::inputMethodEvent(QInputMethodEvent* event)
{
    EnsureCanvasFocus();
    QGraphicsView::inputMethodEvent(event);
}

void TStage::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
}

void TStage::FitCanvas()
{
    const qreal scale = std::min(width() / qreal(CanvasWidth), height() / qreal(CanvasHeight));
    setTransform(QTransform::fromScale(scale, scale));
    centerOn(CanvasWidth / 2.0, CanvasHeight / 2.0);
}
