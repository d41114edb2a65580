#pragma once

#include "ClipStream.h"

#include <QImage>
#include <vector>

// One clip's frames as the players show them: each frame is decoded the first time it is asked
// for and then kept. The first frame is decoded when the clip is opened, so a clip that opens has
// a picture, a size and a key colour.
class TClipFrames {
public:
    // Throws TCourseError when the bytes are not a clip whose first frame decodes.
    TClipFrames(const QByteArray& bytes, const QString& name);

    int Count() const { return static_cast<int>(frames_.size()); }
    QSize Size() const { return stream_.FrameSize(); }
    int FramesPerSecond() const { return stream_.FramesPerSecond(); }
    // The top-left pixel of the first frame: the clip's background.
    QRgb Key() const { return frames_.front().pixel(0, 0); }

    // Frame index (from 0); nullptr when its data is damaged, which is found out once.
    const QImage* Frame(int index);

    // What the clip takes with every frame decoded; the bound its cache counts with.
    qint64 Bytes() const;
    int DecodedFrames() const;

private:
    TClipStream stream_;
    std::vector<QImage> frames_; // null until decoded
    std::vector<bool> damaged_;
};
