#pragma once

#include "MessageBoxes.h"

#include <QStringList>
#include <deque>
#include <vector>

// Test double: records every box and answers questions from a script (No when the script is empty).
class TScriptedMessageBoxes : public IMessageBoxes {
public:
    enum class Kind { Question, Error, Information, Warning };
    struct Shown {
        Kind kind;
        QString text;
    };

    void AnswerNext(bool yes) { answers_.push_back(yes); }
    bool Question(const QString& text) override;
    void Error(const QString& text) override { shown_.push_back({Kind::Error, text}); }
    void Information(const QString& text) override { shown_.push_back({Kind::Information, text}); }
    void Warning(const QString& text) override { shown_.push_back({Kind::Warning, text}); }

    const std::vector<Shown>& ShownBoxes() const { return shown_; }
    QStringList Texts() const;
    void Clear() { shown_.clear(); }

private:
    std::deque<bool> answers_;
    std::vector<Shown> shown_;
};
