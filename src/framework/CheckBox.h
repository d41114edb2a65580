#pragma once

#include <QCheckBox>
#include <functional>

// A check box with a tag; OnClick runs for the learner's toggles only (a click or Space), never
// for a state set by program.
class TCheckBox : public QCheckBox {
    Q_OBJECT
public:
    TCheckBox(QWidget* parent, const QRect& geometry, const QString& caption, int tag = 0);

    int Tag() const { return tag_; }

    std::function<void()> OnClick;

protected:
    // As on the classic desktop, the whole box takes clicks, not only its square and caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    int tag_;
};
