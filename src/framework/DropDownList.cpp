#include "DropDownList.h"

#include "platform/ErrorReport.h"

TDropDownList::TDropDownList(QWidget* parent, const QRect& geometry, const QStringList& items, int startIndex)
    : QComboBox(parent)
{
    setGeometry(geometry);
    setEditable(false);
    setMaxVisibleItems(OpenLines);
    addItems(items);
    setCurrentIndex(startIndex);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (OnChange)
            Guarded([this] { OnChange(); });
    });
}
