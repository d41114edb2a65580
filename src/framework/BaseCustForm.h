#pragma once

#include "PracticeWindow.h"

class TMenu;
class TMenuBar;

// The practice window with a menu: a course window whose permissions all start on, moved freely
// (no screen-edge rule), 798 x 598 in the button face colour, hidden until shown. SetMenu builds its
// menu bar from a menu description; the window's keys go to the bar first (Alt, Alt + letter, the
// open menu's keys, shortcuts) and only then to the window's own handlers (FormKeyDown, FormKeyUp,
// which subclasses override) and the page's.
class TBaseCustForm : public TPracticeWindow {
    Q_OBJECT
public:
    static constexpr int DefaultWidth = 798;
    static constexpr int DefaultHeight = 598;

    TBaseCustForm(QWidget* host, const QString& name, const QString& caption);

    // The window's menu; the window owns it (and every menu set before). Setting a menu builds its
    // bar (the window keeps its outer size, the client area gives the bar its height); a null menu
    // removes the bar.
    TMenu* Menu() const { return menu_; }
    TMenuBar* MenuBar() const { return bar_; }
    void SetMenu(TMenu* menu);

private:
    TMenu* menu_ = nullptr;
    TMenuBar* bar_ = nullptr;
};
