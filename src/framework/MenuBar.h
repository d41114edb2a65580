#pragma once

#include <QPointer>
#include <QWidget>

class TMenu;
class TMenuItem;
class TPopupMenu;
class TPracticeWindow;

// A classic menu bar in a practice window's menu-bar slot, built from a menu description. Titles
// show their access letters underlined. A click on a title opens its menu; while one is open,
// hovering over another title opens that one. Keys, while its window is active: Alt alone arms the
// bar (the first title highlighted; Left/Right move, Down or Enter open, Esc or Alt disarm);
// Alt + letter opens that menu; with a menu open the arrows move, Left/Right open and close
// submenus or pass to the next title, Enter chooses, Esc closes one level; a click elsewhere
// closes all. Shortcuts of enabled leaves work with the menus closed. Every choice goes through
// TMenu::Choose, every top menu opened through TMenu::Opened.
class TMenuBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarHeight = 20;

    // Builds the bar in the window's menu-bar slot; the bar belongs to the window.
    TMenuBar(TPracticeWindow* window, TMenu* menu);
    ~TMenuBar() override;

    TMenu* Menu() const { return menu_; }
    // The title rectangle of a top menu, in the bar's coordinates.
    QRect TitleRect(int index) const;
    // The top menu whose drop-down is open, -1 when none.
    int OpenIndex() const;
    // Armed by Alt (a title highlighted, no menu open) or a menu open.
    bool Active() const;
    TPopupMenu* OpenPopup() const { return popup_; }

    // Opens a top menu as a click on its title does; the program's way for tests and pages.
    void OpenMenu(int index, bool selectFirst = false);
    void CloseAll();

    // Key handling for the window (the window's key preview calls it first); true when the bar
    // took the key.
    bool HandleKey(int qtKey, Qt::KeyboardModifiers modifiers, bool press);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int TitleAt(QPoint at) const;
    void Arm(int index);

    TPracticeWindow* window_;
    TMenu* menu_;
    QPointer<TPopupMenu> popup_;
    int hot_ = -1;       // highlighted title
    int open_ = -1;      // title whose menu is open
    bool armed_ = false; // Alt pressed: keys move over the titles
    bool altAlone_ = false;
};
