#pragma once

#include <QRect>
#include <QWidget>
#include <functional>

class QLabel;
class TPushButton;

// The panel the lessons speak through: a raised grey frame with a title strip (white bold
// caption, which may be empty) and a close button "X" at its right end that does what the page
// says. The bounds it was made with are kept: it cannot be moved or resized.
class TMessagePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int StripHeight = 20;

    TMessagePanel(QWidget* parent, const QRect& bounds, const QString& title);

    const QString& Title() const { return title_; }
    TPushButton* CloseButton() const { return close_; }
    // A multi-line label in Arial 16 px inside the panel.
    QLabel* AddText(const QRect& geometry, const QString& text);
    // An "Ok" button 89 × 25 at the point.
    TPushButton* AddOk(QPoint at);

    std::function<void()> OnClose;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void KeepBounds();

    QRect bounds_;
    QString title_;
    TPushButton* close_;
};
