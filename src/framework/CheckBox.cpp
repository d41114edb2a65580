#include "CheckBox.h"

#include "platform/ErrorReport.h"

TCheckBox::TCheckBox(QWidget* parent, const QRect& geometry, const QString& caption, int tag)
    : QCheckBox(caption, parent), tag_(tag)
{
    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QCheckBox::clicked, this, [this] {
        if (OnClick)
            Guarded(OnClick);
    });
}
