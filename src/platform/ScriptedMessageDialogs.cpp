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
    return dialog.escape != TDialogResult::None ? dialog.escape : LastButton(dialog.buttons);
}
