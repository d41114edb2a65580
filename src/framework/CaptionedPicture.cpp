#include "CaptionedPicture.h"

#include "Colours.h"
#include "Fonts.h"
#include "Image.h"
#include "TextImgWriter.h"

namespace CaptionedPicture {

void Compose(TImage& picture, TImage& background, const QImage& png, const QString& caption, const QString& family,
             int left, int top)
{
    picture.SetBitmap(background.Canvas().CopyRect(picture.geometry()));
    picture.Canvas().Draw(0, 0, png);
    TTextImgWriter writer;
    writer.SetFont(PointFont(family, 10), DelphiColor(0xFF0000));
    writer.SetImage(&picture);
    writer.SetLineSpacing(0);
    writer.SetMargins(left, 10, top, 10);
    writer.SetText(caption);
    writer.WriteText();
}

} // namespace CaptionedPicture
