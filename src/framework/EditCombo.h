#pragma once

#include <QComboBox>
#include <QStringList>
#include <functional>

// An editable combo box as the classic one: Enter never adds the typed text by itself (the page
// decides), typing completes nothing, and the chosen item stays chosen while its text is edited.
class TEditCombo : public QComboBox {
    Q_OBJECT
public:
    TEditCombo(QWidget* parent, const QRect& geometry, const QStringList& items, const QString& text);

    QString Text() const { return currentText(); }
    void SetText(const QString& text);
    // The chosen item, -1 when none is.
    int ItemIndex() const { return currentIndex(); }
    QStringList Items() const;
    // Replaces the chosen item's text, keeping it chosen.
    void ReplaceItem(int index, const QString& text) { setItemText(index, text); }
    // Nothing chosen and nothing typed.
    void ClearText();

    std::function<void()> OnTextChange;
};
