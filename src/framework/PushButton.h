#pragma once

#include <QPushButton>
#include <functional>

class QKeyEvent;

// A push button that behaves like a classic desktop button wherever it stands: Enter (keypad
// Enter too) and Space on the focused button click it, and the letter after a single "&" in its
// caption clicks it with or without Alt, small or capital. That letter is always underlined and
// follows caption changes; Qt's own Alt-only mnemonic is never registered. The focus frame, a
// dotted rectangle, shows whenever the button has the focus, however the focus came.
class TPushButton : public QPushButton {
    Q_OBJECT
public:
    TPushButton(QWidget* parent, const QRect& geometry, const QString& caption);

    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }
    // The accelerator letter, upper-cased; null when the caption has none.
    QChar Accelerator() const;

    // A tab stop takes the focus by Tab and by click; otherwise by click only.
    void SetTabStop(bool tabStop);
    void SetColours(const QColor& face, const QColor& caption);
    // A long caption breaks into lines at the button's width.
    void SetWordWrap(bool wrap);

    // The enabled, visible button of the window whose accelerator the key is: its letter with at
    // most Shift and Alt held. Without Alt a control that takes typed text keeps its letters.
    static TPushButton* ForAccelerator(QWidget* window, const QKeyEvent& event);

    std::function<void()> OnClick;
    // The focus arrived from another control (not the window getting the focus back).
    std::function<void()> OnEnter;
    std::function<void(Qt::MouseButton, QPoint)> OnMouseDown;
    // Any button; for the left one it runs after the click has been handled.
    std::function<void(Qt::MouseButton, QPoint)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    bool wordWrap_ = false;
    // The button holds the focus it was last given by a move between controls.
    bool entered_ = false;
};
