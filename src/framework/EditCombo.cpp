#include "EditCombo.h"

#include "platform/ErrorReport.h"

#include <QLineEdit>

TEditCombo::TEditCombo(QWidget* parent, const QRect& geometry, const QStringList& items, const QString& text)
    : QComboBox(parent)
{
    setGeometry(geometry);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    addItems(items);
    setCurrentIndex(-1);
    lineEdit()->setText(text);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (OnTextChange)
            Guarded([this] { OnTextChange(); });
    });
}

void TEditCombo::SetText(const QString& text)
{
    lineEdit()->setText(text);
    if (OnTextChange)
        OnTextChange();
}

QStringList TEditCombo::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TEditCombo::ClearText()
{
    setCurrentIndex(-1);
    lineEdit()->clear();
}
