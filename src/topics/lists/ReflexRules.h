#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class IRandomSource;

// The reflex game's rules, apart from its page: the draw of the ten words, the targets of a task,
// whether a drop is right, and the evaluation.
namespace ReflexRules {

inline constexpr int ListSize = 10;
inline constexpr int Tasks = 9;

// Ten different word numbers (1-based) among wordCount words, in the order drawn; each is
// Random(wordCount) + 1, drawn again while an earlier place has it (after MaxRedraws the next
// free number is taken). wordCount must be >= 10.
inline constexpr int MaxRedraws = 1000;
QList<int> DrawWords(int wordCount, IRandomSource& random);

// The positions (1-10) of the words to move at task `step` (1-9) for the drawn p (1-10): one word
// in tasks 1-4, three neighbours in 5-7, three with a word between each in 8 and 9.
QList<int> Targets(int step, int p);

// A drop at task `step`: in the single-word tasks the current item is what moves; in the others
// the selected items, which must be exactly the three targets' words (in any order).
bool RightMove(int step, const QString& current, const QStringList& selected, const QStringList& targets);

QString TimeWord(int seconds);
QString ErrorWord(int errors);
// clock: the "mm:ss" the page shows.
QString EvaluationText(const QString& name, const QString& clock, int seconds, int errors);

} // namespace ReflexRules
