#include "Menu.h"

TMenu::TMenu(QObject* parent) : QObject(parent) {}

TMenuItem& TMenu::Add(const QString& caption, int tag, const QString& name, const QKeySequence& shortCut)
{
    return root_.Add(caption, tag, name, shortCut);
}

bool TMenu::Choose(TMenuItem& item)
{
    if (item.HasSubmenu() || !item.EnabledOnPath())
        return false;
    if (OnChoose)
        OnChoose(item);
    return true;
}

void TMenu::Opened(TMenuItem& top)
{
    if (OnOpen)
        OnOpen(top);
}

namespace {
TMenuItem* FindKey(TMenuItem& item, const QKeyCombination& key)
{
    if (!item.HasSubmenu())
        return !item.ShortCut.isEmpty() && item.ShortCut[0] == key && item.EnabledOnPath() ? &item : nullptr;
    for (int i = 0; i < item.Count(); ++i)
        if (TMenuItem* found = FindKey(item.Item(i), key))
            return found;
    return nullptr;
}
} // namespace

TMenuItem* TMenu::FindShortCut(int qtKey, Qt::KeyboardModifiers modifiers)
{
    // The keypad's flag and the like say nothing about which shortcut was meant.
    const Qt::KeyboardModifiers meant =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return FindKey(root_, QKeyCombination(meant, static_cast<Qt::Key>(qtKey)));
}
