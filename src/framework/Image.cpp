#include "Image.h"

#include "Colours.h"
#include "SpokenText.h"
#include "platform/ErrorReport.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include <type_traits>

namespace {

template <class... Args>
void Fire(const std::function<void(Args...)>& handler, std::type_identity_t<Args>... args)
{
    if (!handler)
        return;
    // A copy, so that a handler that replaces itself does not pull the ground from under its feet.
    const std::function<void(Args...)> call = handler;
    Guarded([&] { call(args...); });
}

QImage AsBitmap(QImage image)
{
    if (image.format() == QImage::Format_RGB888 || image.format() == QImage::Format_RGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

TImage::TImage(QWidget* parent, const QRect& geometry) : QWidget(parent), canvas_(this)
{
    setGeometry(geometry);
    setMouseTracking(true);
    if (parent)
        show();
}

TImage::~TImage() = default;

TPicture& TImage::Picture()
{
    AllChanged();
    return picture_;
}

void TImage::SetBitmap(QImage image)
{
    texts_.clear();
    SpokenText::ForgetParagraphs(*this);
    picture_ = TPicture();
    picture_.kind = TPictureKind::Bitmap;
    picture_.image = AsBitmap(std::move(image));
    AllChanged();
}

void TImage::SetJpeg(QImage image)
{
    texts_.clear();
    SpokenText::ForgetParagraphs(*this);
    picture_ = TPicture();
    picture_.kind = TPictureKind::Jpeg;
    picture_.image = image.convertToFormat(QImage::Format_RGB32);
    AllChanged();
}

void TImage::SetPng(QImage image)
{
    texts_.clear();
    SpokenText::ForgetParagraphs(*this);
    picture_ = TPicture();
    picture_.kind = TPictureKind::Png;
    picture_.image = image.convertToFormat(QImage::Format_ARGB32);
    AllChanged();
}

void TImage::SetPicture(const TPicture& picture)
{
    switch (picture.kind) {
    case TPictureKind::None:
        Clear();
        return;
    case TPictureKind::Bitmap:
        SetBitmap(picture.image);
        break;
    case TPictureKind::Jpeg:
        SetJpeg(picture.image);
        break;
    case TPictureKind::Png:
        SetPng(picture.image);
        break;
    }
    picture_.transparent = picture.transparent;
    picture_.transparentColor = picture.transparentColor;
}

void TImage::Clear()
{
    texts_.clear();
    SpokenText::ForgetParagraphs(*this);
    picture_ = TPicture();
    keyed_ = QImage();
    AllChanged();
}

void TImage::SetTransparent(bool transparent)
{
    picture_.transparent = transparent;
    if (transparent && !picture_.transparentColor.isValid())
        picture_.transparentColor = picture_.AutoTransparentColor();
    AllChanged();
}

QImage& TImage::DrawingSurface()
{
    if (picture_.Empty()) {
        QImage bitmap(size().expandedTo(QSize(1, 1)), QImage::Format_RGB888);
        bitmap.fill(DelphiColor(PageColour));
        SetBitmap(bitmap);
    } else if (picture_.kind == TPictureKind::Jpeg) {
        picture_.kind = TPictureKind::Bitmap;
    }
    return picture_.image;
}

TCanvas& TImage::Canvas()
{
    DrawingSurface();
    return canvas_;
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void TImage::Refresh()
{
    AllChanged();
}

void TImage::AllChanged()
{
    keyedStale_ = QRect(QPoint(0, 0), picture_.image.size());
    update();
}

void TImage::PictureChanged(const QRect& area)
{
    const QRect inside = area & picture_.image.rect();
    if (inside.isEmpty())
        return;
    keyedStale_ |= inside;
    if (stretch_ || center_)
        update();
    else
        update(inside);
}

const QImage& TImage::KeyedImage()
{
    const QImage& source = picture_.image;
    if (keyed_.size() != source.size()) {
        keyed_ = QImage(source.size(), QImage::Format_ARGB32_Premultiplied);
        keyedStale_ = keyed_.rect();
    }
    const QRect stale = keyedStale_ & keyed_.rect();
    keyedStale_ = QRect();
    if (stale.isEmpty())
        return keyed_;
    const QRgb key = picture_.transparentColor.rgb() & 0xFFFFFF;
    const bool packed24 = source.format() == QImage::Format_RGB888;
    for (int y = stale.top(); y <= stale.bottom(); ++y) {
        QRgb* to = reinterpret_cast<QRgb*>(keyed_.scanLine(y));
        if (packed24) {
            const uchar* from = source.constScanLine(y);
            for (int x = stale.left(); x <= stale.right(); ++x) {
                const uchar* p = from + 3 * x;
                const QRgb rgb = (QRgb(p[0]) << 16) | (QRgb(p[1]) << 8) | QRgb(p[2]);
                to[x] = rgb == key ? 0 : (0xFF000000 | rgb);
            }
        } else if (source.depth() != 32) {
            for (int x = stale.left(); x <= stale.right(); ++x) {
                const QRgb rgb = source.pixel(x, y) & 0xFFFFFF;
                to[x] = rgb == key ? 0 : (0xFF000000 | rgb);
            }
        } else {
            const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            for (int x = stale.left(); x <= stale.right(); ++x) {
                const QRgb rgb = from[x] & 0xFFFFFF;
                to[x] = rgb == key ? 0 : (0xFF000000 | rgb);
            }
        }
    }
    return keyed_;
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.Empty())
        return;
    const QImage& shown = picture_.KeysColour() ? KeyedImage() : picture_.image;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), shown);
    } else if (center_) {
        painter.drawImage((width() - shown.width()) / 2, (height() - shown.height()) / 2, shown);
    } else {
        painter.drawImage(0, 0, shown);
    }
}

void TImage::SetCenter(bool center)
{
    center_ = center;
    update();
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    pressed_.setFlag(event->button());
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    Fire(OnMouseDown, event->button(), event->position().toPoint());
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    pressed_.setFlag(event->button(), false);
    // As in the VCL: the click comes before the mouse-up.
    if (event->button() == Qt::LeftButton && leftPressed_) {
        leftPressed_ = false;
        if (rect().contains(at)) {
            // A click handler may get rid of the control at once.
            const QPointer<TImage> alive(this);
            Fire(OnClick);
            if (!alive)
                return;
        }
    }
    Fire(OnMouseUp, event->button(), at);
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    // Qt delivers the second press before the double click; a double click without that press
    // (synthesised) still counts as a press. Either way the release that follows makes no click.
    const bool pressSeen = pressed_.testFlag(event->button());
    pressed_.setFlag(event->button());
    leftPressed_ = false;
    if (event->button() == Qt::LeftButton) {
        const QPointer<TImage> alive(this);
        Fire(OnDblClick);
        if (!alive)
            return;
    }
    if (!pressSeen)
        Fire(OnMouseDown, event->button(), event->position().toPoint());
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    Fire(OnMouseMove, event->position().toPoint());
}
