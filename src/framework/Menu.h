#pragma once

#include "MenuItem.h"

#include <QObject>
#include <functional>

// One menu description that serves a window's menu bar (its root's children are the top menus) and
// a pop-up menu (its root's children are the items). Whichever way the learner makes a choice
// (mouse, arrows and Enter, Alt + letter, a shortcut), OnChoose reports it once with the item.
class TMenu : public QObject {
    Q_OBJECT
public:
    explicit TMenu(QObject* parent = nullptr);

    TMenuItem& Root() { return root_; }
    const TMenuItem& Root() const { return root_; }
    // Adds a top item (a bar's menu, or a pop-up's item).
    TMenuItem& Add(const QString& caption, int tag = 0, const QString& name = {}, const QKeySequence& shortCut = {});

    // A leaf was chosen (never a disabled or a submenu item).
    std::function<void(TMenuItem& item)> OnChoose;
    // A top menu of a bar was opened, by any means (a click, Alt + letter, arrows).
    std::function<void(TMenuItem& top)> OnOpen;
    // A pop-up attached to a control was opened on it (a right press, Shift+F10, the menu key).
    std::function<void()> OnPopup;

    // Reports a choice: OnChoose when the item is an enabled leaf; true then. The bar, the pop-up
    // and the shortcuts all report through here.
    bool Choose(TMenuItem& item);
    void Opened(TMenuItem& top);

    // The enabled leaf whose shortcut is this key with these modifiers; nullptr when none.
    TMenuItem* FindShortCut(int qtKey, Qt::KeyboardModifiers modifiers);

private:
    TMenuItem root_;
};
