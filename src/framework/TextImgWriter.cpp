#include "TextImgWriter.h"

#include "Colours.h"
#include "Fonts.h"
#include "Image.h"
#include "SmoothText.h"
#include "SpokenText.h"

#include <QFontMetrics>
#include <cmath>

namespace {

constexpr quint32 White = 0xFFFFFF;

// Delphi's Copy: 1-based start, a start below 1 counts as 1, counts run out at the end.
QString Copy(const QString& text, int start, int count)
{
    if (start < 1)
        start = 1;
    if (start > text.size() || count <= 0)
        return QString();
    return text.mid(start - 1, count);
}

QString CopyToEnd(const QString& text, int start)
{
    return Copy(text, start, int(text.size()));
}

QFont Doubled(const QFont& font)
{
    QFont doubled = InPixels(font);
    doubled.setPixelSize(doubled.pixelSize() * 2);
    return doubled;
}

} // namespace

void TTextImgWriter::SetImage(TImage* image)
{
    image_ = image;
    const TPictureKind kind = image ? std::as_const(*image).Picture().kind : TPictureKind::None;
    pngMode_ = !(kind == TPictureKind::Bitmap || kind == TPictureKind::Jpeg);
    measuringFont_ = font_ ? *font_ : QFont();
}

void TTextImgWriter::SetFont(const QFont& font, const QColor& color)
{
    font_ = font;
    fontColor_ = color;
}

void TTextImgWriter::SetAlignment(const QString& alignment)
{
    alignment_ = alignment;
}

void TTextImgWriter::SetLineSpacing(int pixels)
{
    lineSpacing_ = pixels;
}

void TTextImgWriter::SetMargins(int left, int right, int top, int bottom)
{
    leftMargin_ = left;
    rightMargin_ = right;
    top_ = top;
    bottomMargin_ = bottom;
}

void TTextImgWriter::SetText(const QString& text)
{
    text_ = text;
}

int TTextImgWriter::MeasuredWidth(const QString& text) const
{
    return QFontMetrics(InPixels(measuringFont_)).horizontalAdvance(text);
}

void TTextImgWriter::WriteText()
{
    if (image_ && font_) {
        if (pngMode_) {
            measuringFont_ = *font_;
            lineHeight_ = QFontMetrics(InPixels(measuringFont_)).height();
        } else {
            TCanvas& canvas = image_->Canvas();
            canvas.SetFont(*font_, fontColor_);
            lineHeight_ = canvas.TextHeight("ÁŰÚŐÓÖQy");
        }
    }
    paragraphPos_ = 1;
    if (image_) {
        const QString mark = "<BR>";
        while (paragraphPos_ != -1) {
            const qsizetype at = text_.indexOf(mark, paragraphPos_ - 1, Qt::CaseSensitive);
            if (at < 0) {
                const QString paragraph = CopyToEnd(text_, paragraphPos_);
                paragraphPos_ = -1;
                WriteParagraph(paragraph);
            } else {
                const QString paragraph = text_.mid(paragraphPos_ - 1, at - (paragraphPos_ - 1));
                paragraphPos_ = int(at + mark.size()) + 1;
                WriteParagraph(paragraph);
            }
            // The voice pauses here, not at the lines the paragraph wrapped into.
            SpokenText::NoteParagraphEnd(*image_);
        }
    }
    lineCounter_ = 0;
    paragraphPos_ = 1;
    lineHeight_ = 1;
    text_.clear();
}

void TTextImgWriter::WriteParagraph(const QString& p)
{
    const int available = image_->width() - leftMargin_ - rightMargin_;
    // s: the line so far ends at position s; the space at p is the last possible break.
    int s = 0;
    int p1 = 1;
    for (;;) {
        const qsizetype found = p.indexOf(' ', p1); // from position p1 + 1
        if (found < 0)
            break;
        const int q = int(found) + 1;
        // A word wider than the line cannot be broken before its first space has been passed:
        // it then stays whole on its own line.
        if (MeasuredWidth(Copy(p, std::max(s, 1), q - s)) > available && p1 > 1) {
            WriteLine(Copy(p, s + 1, p1 - s));
            s = p1;
        }
        p1 = q;
    }
    if (MeasuredWidth(CopyToEnd(p, std::max(s, 1))) > available && p1 > 1) {
        WriteLine(Copy(p, s + 1, p1 - s));
        WriteLine(CopyToEnd(p, p1 + 1));
    } else {
        WriteLine(CopyToEnd(p, s + 1));
    }
}

void TTextImgWriter::WriteLine(const QString& line)
{
    const int y = top_ + lineCounter_ * (lineHeight_ + lineSpacing_);
    const int width = image_->width();
    const int t = pngMode_ ? MeasuredWidth(line) : image_->Canvas().TextWidth(line);
    std::optional<int> x;
    if (alignment_ == "wlfLeft")
        x = leftMargin_;
    else if (alignment_ == "wlfCenter")
        x = (width - t - rightMargin_ - leftMargin_) / 2;
    else if (alignment_ == "wlfRight")
        x = width - t - rightMargin_;
    if (x)
        DrawLine(line, *x, y);
    image_->Refresh();
    ++lineCounter_;
}

void TTextImgWriter::DrawLine(const QString& line, int x, int y)
{
    if (pngMode_) {
        WritePngLine(line, x, y);
        return;
    }
    TCanvas& canvas = image_->Canvas();
    if (alignment_ == "wlfLeft")
        canvas.TextOutTransparent(x, y, line);
    else
        DrawSmoothText(canvas, x, y, line);
}

int TTextImgWriter::InkLevel(quint32 pixel, quint32 fontColour)
{
    const quint32 paper = std::min(pixel, White);
    if (fontColour >= White)
        return paper == White ? 0 : 255; // white letters: every pixel that is not white is ink
    // std::nearbyint rounds half to even under the default rounding mode.
    const double level = double(White - paper) / (double(White - fontColour) * 1.1) * 255.0;
    return int(std::min(255.0, std::nearbyint(level)));
}

void TTextImgWriter::WritePngLine(const QString& line, int x, int y)
{
    if (line.isEmpty() || !font_)
        return;
    image_->NoteText(line);
    measuringFont_ = *font_;
    const QFontMetrics doubled(Doubled(measuringFont_));
    int width = doubled.horizontalAdvance(line) / 2;
    int height = doubled.height() / 2;
    if (width <= 0 || height <= 0)
        return;
    QImage smoothed(width, height, QImage::Format_RGB888);
    smoothed.fill(Qt::white);
    DrawSmoothText(smoothed, 0, 0, line, measuringFont_, fontColor_, Qt::white, false);

    if (y + height > image_->height())
        height = image_->height() - y;
    if (x + width > image_->width())
        width = image_->width() - x;
    if (std::as_const(*image_).Picture().kind != TPictureKind::Png)
        return;
    QImage& png = image_->Picture().image;
    if (png.format() != QImage::Format_ARGB32)
        png = png.convertToFormat(QImage::Format_ARGB32);

    const quint32 font = PackedColor(fontColor_);
    for (int j = 0; j < height; ++j) {
        const int py = y + j;
        if (py < 0 || py >= png.height())
            continue;
        const uchar* from = smoothed.constScanLine(j);
        QRgb* to = reinterpret_cast<QRgb*>(png.scanLine(py));
        for (int i = 0; i < width; ++i) {
            const int px = x + i;
            if (px < 0 || px >= png.width())
                continue;
            const uchar* c = from + 3 * i;
            const int ink = InkLevel(quint32(c[0]) | (quint32(c[1]) << 8) | (quint32(c[2]) << 16), font);
            if (ink == 0)
                continue;
            const int alpha = ink == 255 ? 255 : (ink + qAlpha(to[px])) / 2;
            to[px] = qRgba(c[0], c[1], c[2], alpha);
        }
    }
}
