#include "ColourBox.h"

#include <QPixmap>

TColourBox::TColourBox(QWidget* parent, const QRect& geometry) : QComboBox(parent)
{
    setGeometry(geometry);
    const std::pair<const char*, QColor> colours[] = {
        {"fekete", QColor(0, 0, 0)},       {"gesztenyebarna", QColor(128, 0, 0)},
        {"zöld", QColor(0, 128, 0)},       {"olajzöld", QColor(128, 128, 0)},
        {"sötétkék", QColor(0, 0, 128)},   {"lila", QColor(128, 0, 128)},
        {"kékeszöld", QColor(0, 128, 128)}, {"szürke", QColor(128, 128, 128)},
        {"ezüst", QColor(192, 192, 192)},  {"piros", QColor(255, 0, 0)},
        {"citromzöld", QColor(0, 255, 0)}, {"sárga", QColor(255, 255, 0)},
        {"kék", QColor(0, 0, 255)},        {"rózsaszín", QColor(255, 0, 255)},
        {"világoskék", QColor(0, 255, 255)}, {"fehér", QColor(255, 255, 255)},
    };
    for (const auto& [name, colour] : colours) {
        QPixmap swatch(24, 12);
        swatch.fill(colour);
        addItem(QIcon(swatch), QString::fromUtf8(name), colour);
    }
    setIconSize(QSize(24, 12));
    setCurrentIndex(0);
}

QColor TColourBox::Colour() const
{
    return currentData().value<QColor>();
}

int TColourBox::IndexOf(const QColor& colour) const
{
    return findData(colour);
}
