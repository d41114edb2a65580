#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

// An AVI clip's frames, decoded one at a time and in any order from the clip's bytes. Opening
// checks what can be checked without decoding: the container, the frame size, the decoder's
// limits (ClipDecoder.h) and that the data of every frame the header counts is there. The
// course's clips are intra-coded (every frame a key frame), so any frame decodes on its own.
class TClipStream {
public:
    // Throws TCourseError when the bytes are not a complete AVI clip. The name only goes into the
    // error text.
    TClipStream(const QByteArray& bytes, const QString& name);
    ~TClipStream();
    TClipStream(const TClipStream&) = delete;
    TClipStream& operator=(const TClipStream&) = delete;

    int FrameCount() const;
    QSize FrameSize() const;
    int FramesPerSecond() const;
    // What the frames take while compressed.
    qint64 DataBytes() const;
    // Frame index (counted from 0) as an opaque Format_RGB32 picture of FrameSize. Throws
    // TCourseError when its data does not decode.
    QImage Frame(int index);

private:
    struct TState;
    std::unique_ptr<TState> state_;
};
