#include "ClipDecoder.h"

#include "ClipStream.h"

namespace ClipDecoder {

TClip Decode(const QByteArray& bytes, const QString& name)
{
    TClipStream stream(bytes, name);
    TClip clip;
    clip.framesPerSecond = stream.FramesPerSecond();
    clip.frames.reserve(static_cast<size_t>(stream.FrameCount()));
    for (int index = 0; index < stream.FrameCount(); ++index)
        clip.frames.push_back(stream.Frame(index));
    return clip;
}

} // namespace ClipDecoder
