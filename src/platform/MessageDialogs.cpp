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
    request.escape = LastButton(buttons);
    return request;
}

TDialogResult LastButton(TDialogButtons buttons)
{
    switch (buttons) {
    case TDialogButtons::Ok: return TDialogResult::Ok;
    case TDialogButtons::YesNo: return TDialogResult::No;
    case TDialogButtons::YesNoCancel: return TDialogResult::Cancel;
    }
    return TDialogResult::None;
}
