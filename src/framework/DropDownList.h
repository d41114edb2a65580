#pragma once

#include <QComboBox>
#include <QStringList>
#include <functional>

// A drop-down list the learner cannot type into: five lines when open; it may start with no item
// chosen.
class TDropDownList : public QComboBox {
    Q_OBJECT
public:
    static constexpr int OpenLines = 5;

    TDropDownList(QWidget* parent, const QRect& geometry, const QStringList& items, int startIndex = -1);

    // The chosen item's text; empty when none is chosen.
    QString Text() const { return currentIndex() < 0 ? QString() : currentText(); }

    // The chosen item changed, by mouse, wheel or keys.
    std::function<void()> OnChange;

    // Closing the open list (Enter, Escape or a click in it) leaves the keys with this list.
    void hidePopup() override;
};
