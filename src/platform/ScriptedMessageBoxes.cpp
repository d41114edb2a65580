#include "ScriptedMessageBoxes.h"

bool TScriptedMessageBoxes::Question(const QString& text)
{
    shown_.push_back({Kind::Question, text});
    if (answers_.empty())
        return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

QStringList TScriptedMessageBoxes::Texts() const
{
    QStringList texts;
    for (const auto& box : shown_)
        texts << box.text;
    return texts;
}
