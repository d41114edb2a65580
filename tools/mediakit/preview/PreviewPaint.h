#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

// Small drawing steps the preview programs share when they put pictures where the pages show them.
namespace PreviewPaint {

// The page with the picture drawn over it at the point.
QImage Over(const QImage& page, const QImage& picture, QPoint at);

// A clip frame as the player shows it see-through: the colour of its top-left pixel lets the page
// show.
QImage SeeThrough(const QImage& frame);

// The pages' Arial (Liberation Sans, same metrics) at a pixel size.
QFont Arial(int pixelSize, bool bold = false);

// The face colour of classic windows and buttons.
inline const QColor Face(0xd4, 0xd0, 0xc8);

struct TTitleButtons {
    bool minimise = false;
    bool maximise = false;
    bool close = false;
};

// A classic window: raised frame, a title bar in the active or inactive colours, its buttons;
// returns the client rectangle, filled with the client colour.
QRect Window(QPainter& p, QRect outer, const QString& title, bool active, TTitleButtons buttons, bool resizable,
             QColor client = Qt::white);

// Text in the pages' font, centred across the rectangle from its top unless told; "<BR>" breaks
// the line, as in the pages' own texts.
void Text(QPainter& p, QRect rect, const QString& text, int pixelSize = 16, QColor colour = Qt::black,
          int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);

// A classic push button with its caption.
void PushButton(QPainter& p, QRect rect, const QString& caption);

// A picture centred in a control's rectangle and cut to it, as a centred picture control shows it.
void Centred(QPainter& p, QRect control, const QImage& picture);

} // namespace PreviewPaint
