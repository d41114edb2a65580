#pragma once

#include "MenuBaseMForm.h"

class TMenuItem;
class TMenuTornaForm;

// The shortcut lesson: first a menu is opened with Alt and its underlined letter (or the mouse),
// then Tivadar's exercises are given in red, each done by its menu item or shortcut and shown in a
// clip; after the tenth "Tovább !" shows.
class TMenuTornaMForm : public TMenuBaseMForm {
    Q_OBJECT
public:
    TMenuTornaMForm();

    // What the window says before a menu is opened (step 0) and after (1), and the red task of
    // exercise n (from 1).
    static QString Info(int step);
    static QString Exercise(int n);

    void ShowPage() override;

    TMenuTornaForm* TornaWindow() const { return window_; }
    // 0 … 12: the exercise the learner is on (1: open a menu; 2 … 11: the red tasks).
    int Step() const { return step_; }

private:
    void Opened();
    void Choose(TMenuItem& item);
    void Advance();

    TMenuTornaForm* window_;
    int step_ = 0;
};
