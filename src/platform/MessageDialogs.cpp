#include "MessageDialogs.h"

TDialogRequest TDialogRequest::Standard(TDialogIcon icon, const QString& title, const QString& text,
                                                TDialogButtons buttons)
{
    TDialogRequest request;
    request.icon = icon;
    request.title = title;
    request.text = text;
    request.buttons = buttons;
    request.closeButton = true;
    switch (buttons) {
    case TDialogButtons::Ok: request.escape = TDialogResult::Ok; break;
    case TDialogButtons::YesNo: request.escape = TDialogResult::No; break;
    case TDialogButtons::YesNoCancel: request.escape = TDialogResult::Cancel; break;
    }
    return request;
}
