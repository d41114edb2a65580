#include "ColourBox.h"

#include <QAbstractItemView>
#include <QPixmap>
#include <QStyle>
#include <algorithm>

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
        {"kék", QColor(0, 0, 255)},        {"bíbor", QColor(255, 0, 255)},
        {"türkiz", QColor(0, 255, 255)},   {"fehér", QColor(255, 255, 255)},
    };
    for (const auto& [name, colour] : colours) {
        QPixmap swatch(24, 12);
        swatch.fill(colour);
        addItem(QIcon(swatch), QString::fromUtf8(name), colour);
    }
    setIconSize(QSize(24, 12));
    setCurrentIndex(0);
}

void TColourBox::showPopup()
{
    // The box is narrower than its longest name: the opened list takes the width its items need,
    // measured now that the list has its font and style, or "gesztenyebarna" would be cut short.
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = std::max(widest, view()->sizeHintForIndex(model()->index(row, 0)).width());
    view()->setMinimumWidth(widest + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * view()->frameWidth());
    QComboBox::showPopup();
}

QColor TColourBox::Colour() const
{
    return currentData().value<QColor>();
}

int TColourBox::IndexOf(const QColor& colour) const
{
    return findData(colour);
}
