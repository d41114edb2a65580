#pragma once

#include "KeyOnce.h"

#include <QPointer>
#include <QWidget>

class TMenu;
class TMenuItem;
class TPopupMenu;
class TPracticeWindow;

// A classic menu bar in a practice window's menu-bar slot, built from a menu description. Titles
// show their access letters underlined. A press on a title opens its menu, a press on the open
// title closes it; while one is open, hovering over another title opens that one. Keys, while its
// window is the active one: Alt alone (pressed and let go with no other key between) arms the bar
// (the first title highlighted; Left/Right move, Down, Up or Enter open, a letter opens its menu,
// Esc or Alt disarm; every other key is swallowed); Alt + letter opens that menu with its first
// item selected; with a menu open the arrows move, Left/Right open and close submenus or pass to
// the next title, Enter chooses, Esc closes one level (at the first level the bar stays armed);
// a click elsewhere closes all. Shortcuts of enabled leaves work with the menus closed. Every
// choice goes through TMenu::Choose, every top menu opened through TMenu::Opened. The keys the bar
// takes (and their releases) reach neither the window's nor the page's key handlers.
class TMenuBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarHeight = 20;

    // Builds the bar in the window's menu-bar slot; the bar belongs to the window.
    TMenuBar(TPracticeWindow* window, TMenu* menu);
    ~TMenuBar() override;

    TMenu* Menu() const { return menu_; }
    // The title rectangle of a top menu, in the bar's coordinates; empty for a hidden one.
    QRect TitleRect(int index) const;
    // The top menu whose drop-down is open, -1 when none.
    int OpenIndex() const;
    // Armed by Alt (a title highlighted, no menu open) or a menu open.
    bool Active() const;
    // The highlighted title (armed, open or under the pointer), -1 when none.
    int HotIndex() const { return hot_; }
    TPopupMenu* OpenPopup() const;

    // Opens a top menu as a click on its title does; the program's way for tests and pages.
    void OpenMenu(int index, bool selectFirst = false);
    void CloseAll();

    // Key handling for the window, ahead of the window's and the page's handlers (the bar watches
    // its window's keys itself); true when the bar took the key.
    bool HandleKey(int qtKey, Qt::KeyboardModifiers modifiers, bool press);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int TitleAt(QPoint at) const;
    void Arm(int index);
    void Disarm();
    // The next shown title from `from` in `direction`, round the ends.
    int Neighbour(int from, int direction) const;
    int TitleWithLetter(QChar letter) const;
    bool ArmedKey(int qtKey, Qt::KeyboardModifiers modifiers);
    void PopupClosed();
    bool Usable() const;

    TPracticeWindow* window_;
    TMenu* menu_;
    QPointer<TPopupMenu> popup_;
    int hot_ = -1;       // highlighted title
    int open_ = -1;      // title whose menu is open
    bool armed_ = false; // Alt pressed: keys move over the titles
    bool altAlone_ = false;
    bool pointerHot_ = false; // hot_ follows the pointer, not the keys
    TKeyOnce lastKey_;
};
