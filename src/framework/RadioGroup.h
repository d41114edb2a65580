#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <vector>

class QRadioButton;

// A framed group of radio buttons in columns, like a classic radio group: nothing is selected at
// first; the group is one tab stop, and the arrows and Space choose inside it. Every choice the
// learner makes (a click, an arrow, Space) runs OnClick; choosing by program does not.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(QWidget* parent, const QRect& geometry, const QString& caption, const QStringList& items,
                int columns = 1);

    int Count() const { return static_cast<int>(items_.size()); }
    QRadioButton* Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    // -1 while nothing is selected.
    int ItemIndex() const;
    QString SelectedText() const;
    // Setting up: runs no OnClick.
    void SetItemIndex(int index);

    std::function<void()> OnClick;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Layout();
    void Choose(int index);
    // The item the keys act on: the selected one, else the first.
    int CurrentItem() const;

    std::vector<QRadioButton*> items_;
    int columns_ = 1;
};
