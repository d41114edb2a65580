#include "ClipFrames.h"

#include "platform/CourseError.h"

#include <algorithm>

TClipFrames::TClipFrames(const QByteArray& bytes, const QString& name)
    : stream_(bytes, name),
      frames_(static_cast<size_t>(stream_.FrameCount())),
      damaged_(frames_.size(), false)
{
    frames_.front() = stream_.Frame(0);
}

const QImage* TClipFrames::Frame(int index)
{
    if (index < 0 || index >= Count())
        return nullptr;
    const auto at = static_cast<size_t>(index);
    if (damaged_[at])
        return nullptr;
    if (frames_[at].isNull()) {
        try {
            frames_[at] = stream_.Frame(index);
        } catch (const TCourseError&) {
            // Called while painting or playing: the player keeps its last good frame instead.
            damaged_[at] = true;
            return nullptr;
        }
    }
    return &frames_[at];
}

qint64 TClipFrames::Bytes() const
{
    return stream_.DataBytes() + static_cast<qint64>(Count()) * frames_.front().sizeInBytes();
}

int TClipFrames::DecodedFrames() const
{
    return static_cast<int>(std::count_if(frames_.begin(), frames_.end(), [](const QImage& frame) {
        return !frame.isNull();
    }));
}
