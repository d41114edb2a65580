#pragma once

#include "platform/MessageDialogs.h"

class QWidget;

// The course's message dialogs, drawn inside the stage's canvas.
class TCanvasMessageDialogs : public IMessageDialogs {
public:
    explicit TCanvasMessageDialogs(QWidget* canvas) : canvas_(canvas) {}
    TDialogResult Show(const TDialogRequest& dialog) override;

private:
    QWidget* canvas_;
};
