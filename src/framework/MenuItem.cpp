#include "MenuItem.h"

TMenuItem::TMenuItem(const QString& caption, int tag, const QString& name, const QKeySequence& shortCut)
    : Caption(caption), Tag(tag), Name(name), ShortCut(shortCut)
{
}

QString TMenuItem::Text() const
{
    QString text;
    text.reserve(Caption.size());
    for (qsizetype i = 0; i < Caption.size(); ++i) {
        if (Caption.at(i) == u'&') {
            // "&x" shows x underlined, "&&" shows one "&", a last lone "&" shows nothing.
            if (i + 1 < Caption.size())
                text += Caption.at(++i);
            continue;
        }
        text += Caption.at(i);
    }
    return text;
}

QChar TMenuItem::AccessKey() const
{
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption.at(i) != u'&')
            continue;
        if (Caption.at(i + 1) != u'&')
            return Caption.at(i + 1);
        ++i;
    }
    return {};
}

TMenuItem& TMenuItem::Add(const QString& caption, int tag, const QString& name, const QKeySequence& shortCut)
{
    return Add(std::make_unique<TMenuItem>(caption, tag, name, shortCut));
}

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> item)
{
    item->parent_ = this;
    items_.push_back(std::move(item));
    return *items_.back();
}

QStringList TMenuItem::Path() const
{
    QStringList path;
    for (const TMenuItem* at = this; at->parent_; at = at->parent_)
        path.prepend(at->Text());
    return path;
}

TMenuItem* TMenuItem::FindIf(const std::function<bool(const TMenuItem&)>& match)
{
    if (match(*this))
        return this;
    for (const auto& item : items_)
        if (TMenuItem* found = item->FindIf(match))
            return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindByName(const QString& name)
{
    return FindIf([&](const TMenuItem& item) { return item.Name == name; });
}

TMenuItem* TMenuItem::FindByTag(int tag)
{
    return FindIf([&](const TMenuItem& item) { return item.Tag == tag; });
}

TMenuItem* TMenuItem::FindByText(const QString& text)
{
    return FindIf([&](const TMenuItem& item) { return item.Text() == text; });
}

bool TMenuItem::EnabledOnPath() const
{
    for (const TMenuItem* at = this; at; at = at->parent_)
        if (!at->Enabled)
            return false;
    return true;
}
