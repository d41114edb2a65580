#pragma once

#include "framework/ClipPlayer.h"

#include <functional>

// A clip the learner can double-click or press: unlike a plain clip it keeps its mouse events.
class TMyAnim : public TClipPlayer {
    Q_OBJECT
public:
    static constexpr QSize Size = QSize(230, 160);

    // At left, top 490, the clip's size.
    TMyAnim(QWidget* parent, int left);

    std::function<void()> OnDblClick;
    std::function<void(Qt::MouseButton)> OnMouseDown;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
