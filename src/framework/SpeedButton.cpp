#include "SpeedButton.h"

#include <QPixmap>

TSpeedButton::TSpeedButton(QWidget* parent, const QRect& geometry, int tag) : QToolButton(parent), tag_(tag)
{
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
    setCheckable(true);
    setAutoRaise(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void TSpeedButton::SetGlyph(const QImage& glyph)
{
    setIcon(QIcon(QPixmap::fromImage(glyph)));
    setIconSize(glyph.size());
}
