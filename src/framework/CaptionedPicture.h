#pragma once

#include <QImage>
#include <QString>

class TImage;

// A picture that seems to stand on the page: the control gets a copy of the background it covers,
// the PNG drawn at its top-left corner in its own size, and a caption written into it by a writer
// of its own, blue at 10 points in the given family, left-aligned, lines packed tight.
namespace CaptionedPicture {

void Compose(TImage& picture, TImage& background, const QImage& png, const QString& caption, const QString& family,
             int left, int top);

} // namespace CaptionedPicture
