#pragma once

#include <QAbstractButton>
#include <QImage>

// A box that looks like a radio button, drawn with a round picture for on and for off beside its
// caption. It toggles as a check box does (a left click released on it, or Space): the page
// decides what a toggle means.
class TOptionBox : public QAbstractButton {
    Q_OBJECT
public:
    TOptionBox(QWidget* parent, const QRect& geometry, int tag, const QImage& on, const QImage& off);

    int Tag() const { return tag_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int tag_;
    QImage on_;
    QImage off_;
};
