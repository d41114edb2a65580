#include "ClipPlayer.h"

#include "ClipDecoder.h"
#include "MediaName.h"
#include "platform/CourseError.h"

#include <QFile>
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
    const QString diskPath = DiskPath(path);
    QByteArray bytes;
    {
        // The whole file is read at once, so no handle stays open while the clip plays.
        QFile file(diskPath);
        if (!file.open(QIODevice::ReadOnly))
            throw TCourseError(QString("Cannot open file \"%1\". %2").arg(path, file.errorString()));
        if (file.size() > ClipDecoder::MaxFileBytes)
            throw TCourseError(QString("Cannot open AVI \"%1\".").arg(path));
        bytes = file.readAll();
    }
    ClipDecoder::TClip clip = ClipDecoder::Decode(bytes, path);
    fileName_ = path;
    frames_ = std::move(clip.frames);
    framesPerSecond_ = clip.framesPerSecond;
    timer_.SetInterval(std::max(1, 1000 / framesPerSecond_));
    Show(0);
}

void TClipPlayer::Close()
{
    Stop();
    frames_.clear();
    fileName_.clear();
    current_ = -1;
    display_ = QImage();
    displayIndex_ = -1;
    update();
}

QSize TClipPlayer::FrameSize() const
{
    return frames_.empty() ? QSize() : frames_.front().size();
}

QColor TClipPlayer::KeyColour() const
{
    return frames_.empty() ? QColor() : QColor::fromRgb(frames_.front().pixel(0, 0));
}

void TClipPlayer::Play(int from, int to, int count)
{
    if (frames_.empty())
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
    if (frames_.empty())
        return;
    Stop();
    Show(std::clamp(frame - 1, 0, FrameCount() - 1));
}

void TClipPlayer::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    displayIndex_ = -1;
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
    const QImage& frame = frames_[static_cast<size_t>(current_)];
    if (!transparent_)
        return frame;
    if (displayIndex_ != current_) {
        const QRgb key = frames_.front().pixel(0, 0);
        display_ = frame.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < display_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(display_.scanLine(y));
            for (int x = 0; x < display_.width(); ++x)
                if (line[x] == key)
                    line[x] = 0;
        }
        displayIndex_ = current_;
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
    if (frames_.empty() || current_ < 0)
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
