#include "Canvas.h"

#include "Colours.h"
#include "Fonts.h"
#include "Image.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstring>
#include <utility>

TCanvas::TCanvas(QImage* target) : image_(target), font_(PointFont("Arial", 8)) {}

TCanvas::TCanvas(TImage* owner) : owner_(owner), font_(PointFont("Arial", 8)) {}

void TCanvas::SetFont(const QFont& font, QColor color)
{
    font_ = font;
    FontColor = color;
}

QFont TCanvas::DrawingFont() const
{
    return InPixels(font_);
}

int TCanvas::TextWidth(const QString& text) const
{
    return QFontMetrics(DrawingFont()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const
{
    return QFontMetrics(DrawingFont()).height();
}

QImage& TCanvas::Surface()
{
    if (owner_)
        return owner_->DrawingSurface();
    return *image_;
}

const QImage* TCanvas::ReadSurface() const
{
    if (!owner_)
        return image_;
    const TPicture& picture = std::as_const(*owner_).Picture();
    return picture.Empty() ? nullptr : &picture.image;
}

QImage& TCanvas::Target()
{
    QImage& surface = Surface();
    Changed(surface.rect());
    return surface;
}

void TCanvas::Changed(const QRect& area)
{
    if (owner_)
        owner_->PictureChanged(area);
}

void TCanvas::DrawText(int x, int y, const QString& text, bool fillBackground)
{
    QImage& surface = Surface();
    if (surface.isNull() || text.isEmpty())
        return;
    NoteText(text);
    const QFont font = DrawingFont();
    const QFontMetrics metrics(font);
    const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
    QPainter painter(&surface);
    if (fillBackground)
        painter.fillRect(cell, BrushColor);
    painter.setFont(font);
    painter.setPen(FontColor);
    painter.drawText(x, y + metrics.ascent(), text);
    painter.end();
    // Overhanging glyphs may reach a little beyond the cell.
    Changed(cell.adjusted(-metrics.height() / 4 - 1, -1, metrics.height() / 4 + 1, 1));
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    DrawText(x, y, text, !BrushClear);
}

void TCanvas::TextOutTransparent(int x, int y, const QString& text)
{
    DrawText(x, y, text, false);
}

void TCanvas::NoteText(const QString& text)
{
    if (owner_)
        owner_->NoteText(text);
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    QImage& surface = Surface();
    if (surface.isNull() || image.isNull())
        return;
    QPainter painter(&surface);
    painter.drawImage(x, y, image);
    painter.end();
    Changed(QRect(QPoint(x, y), image.size()));
}

void TCanvas::Restore(int x, int y, const QImage& pixels)
{
    QImage& surface = Surface();
    if (surface.isNull() || pixels.isNull())
        return;
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, pixels);
    painter.end();
    Changed(QRect(QPoint(x, y), pixels.size()));
}

void TCanvas::StretchDraw(const QRect& target, const QImage& image)
{
    QImage& surface = Surface();
    if (surface.isNull() || image.isNull() || target.isEmpty())
        return;
    QPainter painter(&surface);
    painter.drawImage(target, image);
    painter.end();
    Changed(target);
}

void TCanvas::FillRect(const QRect& r)
{
    if (BrushClear)
        return;
    QImage& surface = Surface();
    if (surface.isNull())
        return;
    QPainter painter(&surface);
    painter.fillRect(r, BrushColor);
    painter.end();
    Changed(r);
}

QImage TCanvas::CopyRect(const QRect& source) const
{
    const QImage* surface = ReadSurface();
    QImage converted;
    if (surface && (surface->depth() < 24 || surface->colorCount() > 0)) {
        converted = surface->convertToFormat(QImage::Format_RGB888);
        surface = &converted;
    }
    const QImage::Format format = surface ? surface->format() : QImage::Format_RGB888;
    QImage copy(source.size(), format);
    if (copy.isNull())
        return copy;
    copy.fill(DelphiColor(PageColour));
    if (!surface)
        return copy;
    const QRect inside = source & surface->rect();
    if (inside.isEmpty())
        return copy;
    // Byte copy, so that alpha and colour come over exactly as they are.
    const int bytesPerPixel = surface->depth() / 8;
    for (int row = inside.top(); row <= inside.bottom(); ++row) {
        const uchar* from = surface->constScanLine(row) + inside.left() * bytesPerPixel;
        uchar* to = copy.scanLine(row - source.top()) + (inside.left() - source.left()) * bytesPerPixel;
        std::memcpy(to, from, size_t(inside.width() * bytesPerPixel));
    }
    return copy;
}
