#pragma once

#include "PrgProgramWindow.h"

class QPlainTextEdit;
class TMenuItem;

// "Gépelő", program 3 of the desktop: a text box whose font the learner formats from the menu.
// Every item of the three format menus toggles its own check mark; a style follows its mark, a
// size or a colour is taken whatever the mark. The formatting applies to the whole box. The
// window can only be closed.
class TPrgEditorForm : public TPrgProgramWindow {
    Q_OBJECT
public:
    static constexpr int Top = 170;

    explicit TPrgEditorForm(QWidget* host);

    QPlainTextEdit* memo() const { return memo_; }

private:
    void Choose(TMenuItem& item);
    void ApplyStyle(int tag, bool on);
    void ApplyColour(int tag);

    QPlainTextEdit* memo_;
    TMenuItem* styles_;
    TMenuItem* sizes_;
    TMenuItem* colours_;
};
