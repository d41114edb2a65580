#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class TImage;

// Drawing state over a bitmap, like a classic VCL canvas: a font with its colour, a brush and a
// pen that the drawing operations use. A canvas either belongs to a picture control (it then draws
// on the control's picture and makes the control repaint what changed) or stands over an image the
// caller owns.
class TCanvas {
public:
    explicit TCanvas(QImage* target);
    explicit TCanvas(TImage* owner);

    QFont& Font() { return font_; }
    const QFont& Font() const { return font_; }
    QColor FontColor = Qt::black;
    void SetFont(const QFont& font, QColor color);

    QColor BrushColor = Qt::white;
    bool BrushClear = false; // text drawn with a transparent background, FillRect draws nothing
    QColor PenColor = Qt::black;

    // Pixels of the current font; the height is the font's ascent + descent.
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // (x, y) is the top-left of the text cell; the cell is filled with the brush unless it is clear.
    void TextOut(int x, int y, const QString& text);
    // The same without any background, whatever the brush.
    void TextOutTransparent(int x, int y, const QString& text);
    // Tells the picture control a text was written on it (see TImage::Texts).
    void NoteText(const QString& text);
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const QRect& target, const QImage& image);
    void FillRect(const QRect& r);
    // Pixels of the picture in the target's format; parts outside the picture are page colour.
    QImage CopyRect(const QRect& source) const;
    // Puts pixels back exactly (alpha included), as CopyRect gave them.
    void Restore(int x, int y, const QImage& pixels);

    // The bitmap being drawn on. Whoever writes into it directly has changed all of it.
    QImage& Target();
    // The font used for drawing and measuring (a point size becomes pixels at 96 per inch).
    QFont DrawingFont() const;

private:
    QImage& Surface();
    const QImage* ReadSurface() const;
    void Changed(const QRect& area);
    void DrawText(int x, int y, const QString& text, bool fillBackground);

    TImage* owner_ = nullptr;
    QImage* image_ = nullptr;
    QFont font_;
};
