#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class TImage;

// A memory card: a raised 90 × 90 panel with a title strip " Panel " + number at (2, 1), 86 px
// wide, and its face picture at (0, 10), hidden while the card lies face down. The strip takes
// the clicks that land on it, so only the card's body turns the card.
class TImgPanel : public QWidget {
    Q_OBJECT
public:
    explicit TImgPanel(QWidget* parent);

    QLabel* Title() const { return title_; }
    TImage* Face() const { return face_; }

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* title_;
    TImage* face_;
};
