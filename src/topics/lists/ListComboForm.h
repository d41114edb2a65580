#pragma once

#include "ListBaseForm.h"

class TClipPlayer;
class TEditCombo;

// The combo box page: the learner types favourite names into two editable combo boxes (Enter adds
// or replaces the chosen item, Delete or Backspace removes it) until each holds five.
class TListComboForm : public TListBaseForm {
    Q_OBJECT
public:
    static constexpr int Enough = 5;

    TListComboForm();

    // The instruction, and what the two boxes' edit fields say until something is typed.
    static QString Instruction();
    static QString Prompt();

    void ShowPage() override;

    // More than two characters, no digit first, and no item of the box the same in Hungarian casing.
    static bool ValidNewName(const QString& text, const QStringList& items);

    TEditCombo* cbLany() const { return cbLany_; }
    TEditCombo* cbFiu() const { return cbFiu_; }
    TClipPlayer* anim() const { return anim_; }

private:
    void Handle(TEditCombo& box, int& key);
    void Check();

    TEditCombo* cbLany_;
    TEditCombo* cbFiu_;
    TClipPlayer* anim_;
};
