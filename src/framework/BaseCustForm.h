#pragma once

#include "PracticeWindow.h"

class TMenu;
class TMenuBar;

// The practice window with a menu: a course window whose permissions all start on, moved freely
// (no screen-edge rule), 798 x 598 in the button face colour, hidden until shown. SetMenu builds its
// menu bar from a menu description; the window's keys go to the bar first (Alt, Alt + letter, the
// open menu's keys, shortcuts) and only then to the window's own handlers.
class TBaseCustForm : public TPracticeWindow {
    Q_OBJECT
public:
    TBaseCustForm(QWidget* host, const QString& name, const QString& caption);

    // The window's menu; the window owns it. Setting a menu builds its bar.
    TMenu* Menu() const { return menu_; }
    TMenuBar* MenuBar() const { return bar_; }
    void SetMenu(TMenu* menu);

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void FormKeyUp(int& key, Qt::KeyboardModifiers shift) override;

private:
    TMenu* menu_ = nullptr;
    TMenuBar* bar_ = nullptr;
};
