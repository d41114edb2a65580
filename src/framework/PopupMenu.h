#pragma once

#include "Menu.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <set>
#include <vector>

class QKeyEvent;
class TMenu;
class TMenuItem;
class TPageTimer;

// A classic drop-down or pop-up menu column (and, below it, its open submenu columns) drawn inside
// the course's canvas: check marks, the submenu arrow, the shortcut column, disabled items in grey,
// the access letters underlined. It opens where it is asked, kept on the 1024 x 768 canvas:
// a column that the right edge would cut opens to the left of its parent instead, one the bottom
// would cut moves up. While it is open it takes every key and click of the canvas: arrows move,
// Right/Left open and close submenus, Enter chooses, Esc closes one level, a letter picks the item
// with that access letter (or, when no item has it, the first letter of its text), a press outside
// every column closes them all and does nothing else. A submenu opens on hover (after a short rest,
// timed by the course's time service) or on a click.
class TPopupMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 18;
    // The raised border and one pixel of padding around the rows.
    static constexpr int Edge = 3;
    // How long the pointer rests on an item before its submenu opens (or another one closes).
    static constexpr int SubmenuDelayMs = 400;

    enum class TCloseReason { StillOpen, Chosen, Escape, Alt, Outside, Owner, Program };

    // Opens the items of `items` (a top menu of a bar, or a pop-up's root) with the column's top-left
    // corner at `at` in canvas coordinates. The columns are children of the canvas: the stage's,
    // or the given one (a window's or a control's window()).
    static TPopupMenu* Open(TMenu* menu, TMenuItem& items, QPoint at, bool selectFirst = false);
    static TPopupMenu* Open(QWidget* canvas, TMenu* menu, TMenuItem& items, QPoint at, bool selectFirst = false);
    // Opens a pop-up menu at the pointer position `at` (canvas coordinates), as a right click does:
    // its corner at the pointer, turned to the left or upwards where the canvas ends.
    static TPopupMenu* PopupAt(TMenu* menu, QPoint at);
    static TPopupMenu* PopupAt(QWidget* canvas, TMenu* menu, QPoint at);
    // The menu open now anywhere on the canvas, nullptr when none.
    static TPopupMenu* Current();
    // Gives a control (a picture, a button, an edit or a list box) its pop-up menu: a right press on
    // it opens the menu at the pointer; Shift+F10 or the menu key while it (or a control inside it)
    // has the focus open it at the control's centre. The press activates the control's window or
    // page as any press does, and goes no further. The control never shows Qt's own context menu.
    // A null menu detaches.
    static void Attach(QWidget* control, TMenu* menu);
    static TMenu* Attached(QWidget* control);

    ~TPopupMenu() override;

    TMenu* Menu() const { return menu_; }
    TMenuItem& Items() const { return *items_; }
    // Depth of open columns (1 = only this column).
    int Depth() const;
    // The open column at depth n (0 = this one); nullptr beyond the deepest.
    TPopupMenu* Column(int depth);
    // The row rectangle of item index in this column's coordinates; empty for a hidden item.
    QRect RowRect(int index) const;
    // The item index under a point of this column, -1 when none.
    int RowAt(QPoint at) const;
    int Selected() const { return selected_; }
    // The column opened to the left of its parent (and its own submenus go on that way).
    bool Leftward() const { return leftward_; }

    // Closes every column; the choice (if any) has been reported already.
    void CloseAll();
    // Presses on the owner (a bar) pass to it; the menus close when it hides or dies.
    void SetOwner(QWidget* owner);
    // Why the menus closed, for OnClosed; StillOpen while they are open.
    TCloseReason CloseReason() const { return Root()->reason_; }

    // Called when the menus close (chosen, Esc at the top, a click outside); the bar re-arms or
    // forgets itself. `chosen` is true when an item was chosen.
    std::function<void(bool chosen)> OnClosed;
    // Left/Right at the top column: the bar opens its neighbour.
    std::function<void(int direction)> OnLeaveSideways;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TPopupMenu(QWidget* canvas, TMenu* menu, TMenuItem& items, TPopupMenu* parentColumn);
    static TPopupMenu* Start(QWidget* canvas, TMenu* menu, TMenuItem& items);

    TPopupMenu* Root();
    const TPopupMenu* Root() const;
    TPopupMenu* Deepest();
    QRect Area() const;
    void Select(int index);
    void Step(int direction);
    int FirstRow() const;
    void OpenChild(bool selectFirst);
    void CloseChild();
    void Close(TCloseReason reason);
    void Finish(TMenuItem& item);
    // Enter, Right or the access letter on an item: its submenu opens or the item is chosen.
    void Activate(int index);
    void AccessLetter(QChar letter);
    void LeaveSideways(int direction);
    void HandleKey(const QKeyEvent& event);
    TPopupMenu* ColumnAt(QPoint canvasAt);
    void PointerPress(QPoint canvasAt);
    void PointerMove(QPoint canvasAt);
    void PointerRelease(QPoint canvasAt);
    void Rested();
    bool InChain(const QWidget* widget);

    QWidget* canvas_;
    QPointer<TMenu> menu_;
    TMenuItem* items_;
    TPopupMenu* parentColumn_;
    QPointer<TPopupMenu> child_;
    std::vector<int> rows_; // the visible items, top to bottom
    int textWidth_ = 0;
    int keyWidth_ = 0;
    int selected_ = -1;
    bool leftward_ = false;

    // The top column's: the whole cascade's state.
    QPointer<QWidget> owner_;
    QPointer<QWidget> focusBefore_;
    TPageTimer* rest_ = nullptr;
    QPointer<TPopupMenu> restColumn_;
    std::optional<QPoint> openedAt_;
    bool moved_ = false;
    TCloseReason reason_ = TCloseReason::StillOpen;
    std::set<int> keysDown_;
};
