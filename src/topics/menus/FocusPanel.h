#pragma once

#include <QWidget>

class TImage;

// A see-through panel holding a picture that can take the focus: a thin frame shows while it has
// it, so that the learner sees whose pop-up menu Shift+F10 opens.
class TFocusPanel : public QWidget {
    Q_OBJECT
public:
    TFocusPanel(QWidget* parent, const QRect& geometry);

    TImage* img() const { return img_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TImage* img_;
};
