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

void TDropDownList::hidePopup()
{
    QComboBox::hidePopup();
    // The open list is a window of its own: while it had the keys, the stage gave the canvas focus
    // to the page, and the next Tab would start from there.
    if (isVisible() && isEnabled())
        setFocus(Qt::PopupFocusReason);
}
