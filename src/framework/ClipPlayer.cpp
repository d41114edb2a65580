#include "ClipPlayer.h"

#include "ClipCache.h"
#include "MediaName.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>

namespace {

// "..\res\avis\Kabel_Odon.AVI" is stored as "../res/avis/kabel_odon.avi": the part after the media
// folder has one spelling on disk. A path outside the media folder keeps its folders as they are.
QString DiskPath(const QString& path)
{
    QString slashed = path;
    slashed.replace('\\', '/');
    if (QFileInfo::exists(slashed))
        return slashed;
    const QString marker = QStringLiteral("avis/");
    const int at = slashed.toLower().lastIndexOf(marker);
    if (at >= 0 && (at == 0 || slashed[at - 1] == '/'))
        return slashed.left(at + marker.size()) + MediaName::Canonical(slashed.mid(at + marker.size()));
    const int slash = slashed.lastIndexOf('/');
    return slashed.left(slash + 1) + MediaName::Canonical(slashed.mid(slash + 1));
}

} // namespace

TClipPlayer::TClipPlayer(QWidget* parent) : QWidget(parent)
{
    timer_.OnTimer([this] { Tick(); });
}

TClipPlayer::~TClipPlayer()
{
    // No handler runs while the control dies.
    onStop_ = nullptr;
    timer_.SetEnabled(false);
}

void TClipPlayer::Open(const QString& path)
{
    Close();
    clip_ = TClipCache::Course().Open(DiskPath(path), path);
    fileName_ = path;
    framesPerSecond_ = clip_->FramesPerSecond();
    timer_.SetInterval(std::max(1, 1000 / framesPerSecond_));
    Show(0);
}

void TClipPlayer::Close()
{
    Stop();
    clip_.reset();
    fileName_.clear();
    current_ = -1;
    shown_ = QImage();
    shownIndex_ = -1;
    display_ = QImage();
    update();
}

int TClipPlayer::FrameCount() const
{
    return clip_ ? clip_->Count() : 0;
}

QSize TClipPlayer::FrameSize() const
{
    return clip_ ? clip_->Size() : QSize();
}

QColor TClipPlayer::KeyColour() const
{
    return clip_ ? QColor::fromRgb(clip_->Key()) : QColor();
}

void TClipPlayer::Play(int from, int to, int count)
{
    if (!clip_)
        return;
    const int last = FrameCount() - 1;
    from_ = std::clamp(from - 1, 0, last);
    to_ = std::clamp(to - 1, from_, last);
    forever_ = count <= 0;
    repetitionsLeft_ = forever_ ? 0 : count - 1;
    active_ = true;
    Show(from_);
    timer_.SetEnabled(true);
}

void TClipPlayer::Stop()
{
    if (!active_)
        return;
    Halt();
    if (onStop_)
        onStop_();
}

void TClipPlayer::Seek(int frame)
{
    if (!clip_)
        return;
    Stop();
    Show(std::clamp(frame - 1, 0, FrameCount() - 1));
}

void TClipPlayer::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    display_ = QImage();
    update();
}

void TClipPlayer::SetStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void TClipPlayer::Tick()
{
    if (!active_)
        return;
    if (current_ < to_) {
        Show(current_ + 1);
        return;
    }
    // The last frame of a pass has had its time on screen.
    if (forever_ || repetitionsLeft_ > 0) {
        if (!forever_)
            --repetitionsLeft_;
        Show(from_);
        return;
    }
    Stop();
}

void TClipPlayer::Show(int index)
{
    current_ = index;
    update();
}

void TClipPlayer::Halt()
{
    active_ = false;
    timer_.SetEnabled(false);
}

const QImage& TClipPlayer::DisplayImage()
{
    // Frames are decoded when painted, so frames nobody sees cost nothing.
    if (shownIndex_ != current_) {
        if (const QImage* frame = clip_->Frame(current_)) {
            shown_ = *frame;
            display_ = QImage();
        }
        shownIndex_ = current_;
    }
    if (!transparent_)
        return shown_;
    if (display_.isNull()) {
        const QRgb key = clip_->Key();
        display_ = shown_.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < display_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(display_.scanLine(y));
            for (int x = 0; x < display_.width(); ++x)
                if (line[x] == key)
                    line[x] = 0;
        }
    }
    return display_;
}

QRect TClipPlayer::PictureRect() const
{
    if (stretch_)
        return rect();
    QSize size = FrameSize();
    if (size.width() > width() || size.height() > height())
        size = size.scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void TClipPlayer::paintEvent(QPaintEvent*)
{
    if (!clip_ || current_ < 0)
        return;
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), KeyColour());
    const QRect target = PictureRect();
    if (target.size() != FrameSize())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, DisplayImage());
}

QImage TClipPlayer::Rendered()
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}
