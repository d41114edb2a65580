#pragma once

#include <QPoint>
#include <QString>
#include <vector>

// The English words buttons carry, as the English page explains them and places their buttons.
namespace EnglishWords {

struct TWord {
    int top;           // the explanation's first line
    int rightMargin;
    QString text;      // the explanation
    QString caption;   // its button's caption; "&" marks the accelerator
    QPoint button;
};

const std::vector<TWord>& Words();
// The quiz's help panel: the same words, a few explanations shorter, one per line.
QString HelpText();

} // namespace EnglishWords
