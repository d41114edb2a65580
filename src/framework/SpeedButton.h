#pragma once

#include <QToolButton>

// A tool-bar button: a picture on a face that stays down once pressed, as long as its group
// keeps it down (TSpeedButtonGroup). It never takes the focus.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    TSpeedButton(QWidget* parent, const QRect& geometry, int tag);

    int Tag() const { return tag_; }
    void SetGlyph(const QImage& glyph);
    bool Down() const { return isChecked(); }
    void SetDown(bool down) { setChecked(down); }

private:
    int tag_;
};
