#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

class TCanvas;

// Text with soft edges: the line is rendered at twice the font size into a 24-bit work bitmap and
// reduced by the mean of each 2 x 2 block straight into the target's scan lines. With a clear
// brush the text lies on the target's own pixels, otherwise on the brush colour. Parts of the
// text outside the target are dropped.
void DrawSmoothText(QImage& target, int x, int y, const QString& text, const QFont& font, const QColor& fontColor,
                    const QColor& brushColor, bool brushClear);
// With the canvas's font, font colour and brush, into the canvas's bitmap.
void DrawSmoothText(TCanvas& canvas, int x, int y, const QString& text);
