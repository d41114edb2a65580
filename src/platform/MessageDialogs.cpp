#include "MessageDialogs.h"

TMessageDialogSpec TMessageDialogSpec::Standard(TDialogIcon icon, const QString& title, const QString& text,
                                                TDialogButtons buttons)
{
    TMessageDialogSpec spec;
    spec.icon = icon;
    spec.title = title;
    spec.text = text;
    spec.buttons = buttons;
    spec.closeButton = true;
    switch (buttons) {
    case TDialogButtons::Ok: spec.escape = TDialogResult::Ok; break;
    case TDialogButtons::YesNo: spec.escape = TDialogResult::No; break;
    case TDialogButtons::YesNoCancel: spec.escape = TDialogResult::Cancel; break;
    }
    return spec;
}
