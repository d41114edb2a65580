#include "Stage.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QScreen>
#include <QTimer>

namespace {
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
    setAlignment(Qt::AlignCenter);
    if (windowed_)
        setFixedSize(CanvasWidth, CanvasHeight);
    else
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
}

TStage::~TStage()
{
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

void TStage::FitCanvas()
{
    const qreal scale = std::min(width() / qreal(CanvasWidth), height() / qreal(CanvasHeight));
    setTransform(QTransform::fromScale(scale, scale));
    centerOn(CanvasWidth / 2.0, CanvasHeight / 2.0);
}
