#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

// An edit box with an up/down control beside it. The arrows step from the number the field holds
// (0 when it holds none) within the range, and repeat at an even pace while held, each step a
// change of its own. The field holds digits only: no wheel, no context menu, no paste, no drop.
// What may be typed is the page's to filter.
class TSpinEdit : public QWidget {
    Q_OBJECT
public:
    TSpinEdit(QWidget* parent, const QRect& editGeometry, int minimum, int maximum, int increment);

    QLineEdit* Edit() const { return edit_; }
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }
    QString Text() const;
    // The field's number, 0 when it holds none.
    int Value() const;
    void SetText(const QString& text);
    // One step up (+1) or down (-1), as a press of an arrow does.
    void Step(int direction);

    // Every change of the field's text, typed or stepped.
    std::function<void()> OnChange;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int increment_;
};
