#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class TMenu;
class TMenuItem;

// A classic drop-down or pop-up menu column (and, below it, its open submenu columns) drawn inside
// the course's canvas: check marks, the submenu arrow, the shortcut column, disabled items in grey,
// the access letters underlined. It opens where it is asked, kept on the 1024 x 768 canvas:
// a column that the right edge would cut opens to the left of its parent instead, one the bottom
// would cut moves up. While it is open it takes every key and click of the canvas: arrows move,
// Right/Left open and close submenus, Enter chooses, Esc closes one level, a letter picks the item
// with that access letter, a press outside every column closes them all. A submenu opens on hover
// (after a short rest) or on a click.
class TPopupMenu : public QWidget {
    Q_OBJECT
public:
    // Opens the items of `items` (a top menu of a bar, or a pop-up's root) with the column's top-left
    // corner at `at` in canvas coordinates. The columns are children of the canvas.
    static TPopupMenu* Open(TMenu* menu, TMenuItem& items, QPoint at, bool selectFirst = false);
    // Opens a pop-up menu at the pointer position `at` (canvas coordinates), as a right click does.
    static TPopupMenu* PopupAt(TMenu* menu, QPoint at);
    // The menu open now anywhere on the canvas, nullptr when none.
    static TPopupMenu* Current();
    // Gives a control (a picture, a button, an edit or a list box) its pop-up menu: a right press on
    // it opens the menu at the pointer; Shift+F10 or the menu key while it has the focus open it at
    // the control. The control never shows Qt's own context menu.
    static void Attach(QWidget* control, TMenu* menu);

    ~TPopupMenu() override;

    TMenu* Menu() const { return menu_; }
    TMenuItem& Items() const { return *items_; }
    // Depth of open columns (1 = only this column).
    int Depth() const;
    // The open column at depth n (0 = this one).
    TPopupMenu* Column(int depth);
    // The row rectangle of item index in this column's coordinates.
    QRect RowRect(int index) const;
    int Selected() const { return selected_; }

    // Closes every column; the choice (if any) has been reported already.
    void CloseAll();

    // Called when the menus close (chosen, Esc at the top, a click outside); the bar re-arms or
    // forgets itself. `chosen` is true when an item was chosen.
    std::function<void(bool chosen)> OnClosed;
    // Left/Right at the top column: the bar opens its neighbour.
    std::function<void(int direction)> OnLeaveSideways;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TPopupMenu(TMenu* menu, TMenuItem& items, TPopupMenu* parentColumn);

    TMenu* menu_;
    TMenuItem* items_;
    TPopupMenu* parentColumn_;
    QPointer<TPopupMenu> child_;
    int selected_ = -1;
};
