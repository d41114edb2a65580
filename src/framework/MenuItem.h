#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// One item of a menu description: what a classic menu item carries. Captions are shown as written
// ("&" marks the access letter, trailing blanks kept); Text() is the caption without the marker.
// An item with children opens a submenu. Pages change Checked and Enabled at any time; an open
// menu shows the change when it is drawn next.
class TMenuItem {
public:
    TMenuItem() = default;
    explicit TMenuItem(const QString& caption, int tag = 0, const QString& name = {},
                       const QKeySequence& shortCut = {});

    QString Caption;
    int Tag = 0;
    QString Name;
    QKeySequence ShortCut;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;

    // The caption without the "&" marker ("&&" stays one "&").
    QString Text() const;
    // The access letter (the one after a single "&"), or a null QChar.
    QChar AccessKey() const;

    // Adds a child (a submenu item) and returns it.
    TMenuItem& Add(const QString& caption, int tag = 0, const QString& name = {}, const QKeySequence& shortCut = {});
    TMenuItem& Add(std::unique_ptr<TMenuItem> item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    bool HasSubmenu() const { return !items_.empty(); }
    TMenuItem* Parent() const { return parent_; }
    // Enabled, and so is every menu above it: what the learner can reach.
    bool EnabledOnPath() const;

    // The texts of the items from the top of the menu down to this one (the invisible root, which
    // holds a bar's top menus or a pop-up's items, not included).
    QStringList Path() const;
    // Depth-first search in this item's subtree (this item included); nullptr when absent.
    TMenuItem* FindByName(const QString& name);
    TMenuItem* FindByTag(int tag);
    TMenuItem* FindByText(const QString& text);

private:
    TMenuItem* FindIf(const std::function<bool(const TMenuItem&)>& match);

    TMenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};
