#pragma once

#include "MessageDialogs.h"

#include <deque>
#include <functional>
#include <vector>

// Test double: records every dialog and answers from a script. Without a scripted answer it
// answers as Esc would, and where Esc does nothing, with the last button (No on a Yes/No question).
class TScriptedMessageDialogs : public IMessageDialogs {
public:
    void AnswerNext(TDialogResult result) { answers_.push_back(result); }
    TDialogResult Show(const TDialogRequest& dialog) override;

    const std::vector<TDialogRequest>& Shown() const { return shown_; }
    void Clear() { shown_.clear(); }

    // Runs while a dialog is open, before it is answered (what the page looks like under it).
    std::function<void(const TDialogRequest&)> OnShow;

private:
    std::deque<TDialogResult> answers_;
    std::vector<TDialogRequest> shown_;
};
