#include "ScriptedMessageDialogs.h"

TDialogResult TScriptedMessageDialogs::Show(const TDialogRequest& dialog)
{
    shown_.push_back(dialog);
    if (OnShow)
        OnShow(dialog);
    if (!answers_.empty()) {
        const TDialogResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if (dialog.escape != TDialogResult::None)
        return dialog.escape;
    switch (dialog.buttons) {
    case TDialogButtons::Ok: return TDialogResult::Ok;
    case TDialogButtons::YesNo: return TDialogResult::No;
    case TDialogButtons::YesNoCancel: return TDialogResult::Cancel;
    }
    return TDialogResult::None;
}
