#include "SmoothText.h"

#include "Canvas.h"
#include "Fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// Pixel access on raw scan lines for the two layouts bitmaps have: 3 bytes R, G, B (RGB888) or
// one 32-bit word 0xAARRGGBB.
struct Rgb {
    int r, g, b;
};

inline Rgb ReadPixel(const uchar* line, int x, bool packed24)
{
    if (packed24) {
        const uchar* p = line + 3 * x;
        return {p[0], p[1], p[2]};
    }
    const QRgb value = reinterpret_cast<const QRgb*>(line)[x];
    return {qRed(value), qGreen(value), qBlue(value)};
}

inline void WritePixel(uchar* line, int x, bool packed24, Rgb colour)
{
    if (packed24) {
        uchar* p = line + 3 * x;
        p[0] = uchar(colour.r);
        p[1] = uchar(colour.g);
        p[2] = uchar(colour.b);
    } else {
        reinterpret_cast<QRgb*>(line)[x] = qRgb(colour.r, colour.g, colour.b);
    }
}

bool RawLayout(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB888:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

void SmoothInto(QImage& target, int x, int y, const QString& text, const QFont& font, const QColor& fontColor,
                const QColor& brushColor, bool brushClear)
{
    QFont doubled = InPixels(font);
    doubled.setPixelSize(doubled.pixelSize() * 2);
    doubled.setStyleStrategy(QFont::NoSubpixelAntialias);
    const QFontMetrics metrics(doubled);
    int workWidth = metrics.horizontalAdvance(text);
    int workHeight = metrics.height();
    if (target.width() * 2 < x * 2 + workWidth)
        workWidth = (target.width() - x) * 2;
    if (target.height() * 2 < y * 2 + workHeight)
        workHeight = (target.height() - y) * 2;
    if (workWidth <= 0 || workHeight <= 0)
        return;

    QImage work(workWidth, workHeight, QImage::Format_RGB888);
    if (work.isNull())
        return;
    work.fill(brushColor);
    const bool target24 = target.format() == QImage::Format_RGB888;
    if (brushClear) {
        // The target's pixels under the text, magnified twice, are the text's background.
        for (int v = 0; v < workHeight; ++v) {
            const int ty = y + v / 2;
            if (ty < 0 || ty >= target.height())
                continue;
            const uchar* from = target.constScanLine(ty);
            uchar* to = work.scanLine(v);
            for (int u = 0; u < workWidth; ++u) {
                const int tx = x + u / 2;
                if (tx >= 0 && tx < target.width())
                    WritePixel(to, u, true, ReadPixel(from, tx, target24));
            }
        }
    }
    QPainter painter(&work);
    painter.setFont(doubled);
    painter.setPen(fontColor);
    painter.drawText(0, metrics.ascent(), text);
    painter.end();

    for (int j = 0; j < workHeight / 2; ++j) {
        const int ty = y + j;
        if (ty < 0)
            continue;
        if (ty >= target.height())
            break;
        const uchar* upper = work.constScanLine(2 * j);
        const uchar* lower = work.constScanLine(2 * j + 1);
        uchar* to = target.scanLine(ty);
        for (int i = 0; i < workWidth / 2; ++i) {
            const int tx = x + i;
            if (tx < 0)
                continue;
            if (tx >= target.width())
                break;
            const uchar* a = upper + 6 * i;
            const uchar* b = lower + 6 * i;
            WritePixel(to, tx, target24,
                       {(a[0] + a[3] + b[0] + b[3]) / 4, (a[1] + a[4] + b[1] + b[4]) / 4,
                        (a[2] + a[5] + b[2] + b[5]) / 4});
        }
    }
}

} // namespace

void DrawSmoothText(QImage& target, int x, int y, const QString& text, const QFont& font, const QColor& fontColor,
                    const QColor& brushColor, bool brushClear)
{
    if (target.isNull() || text.isEmpty())
        return;
    if (RawLayout(target)) {
        SmoothInto(target, x, y, text, font, fontColor, brushColor, brushClear);
        return;
    }
    QImage converted = target.convertToFormat(QImage::Format_RGB888);
    SmoothInto(converted, x, y, text, font, fontColor, brushColor, brushClear);
    target = converted.convertToFormat(target.format());
}

void DrawSmoothText(TCanvas& canvas, int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    canvas.NoteText(text);
    QImage& target = canvas.Target();
    DrawSmoothText(target, x, y, text, canvas.Font(), canvas.FontColor, canvas.BrushColor, canvas.BrushClear);
}
