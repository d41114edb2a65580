#pragma once

#include <QString>
#include <QStringList>

class TMenuItem;
class TMenu;

// The sentence game's rules: the words menu, the six target sentences, when a built sentence
// counts, and the result text with its grades.
namespace SentenceGame {

inline constexpr int WordsTag = 999;
inline constexpr int Sentences = 6;

inline constexpr int Levels = 4;

// The six words of a level (0: the subjects … 3: the last words), in menu order.
QStringList Words(int level);
// The one menu's name, "Szavak".
QString WordsMenuName();
// "Szavak" with four levels below it, every item of a level with the same six children.
void BuildWordsMenu(TMenu& menu);
// The target sentences in order, 1 … 6.
QString Target(int index);
// The sentence an item of the last level stands for: the captions from below "Szavak" down to it.
QString SentenceOf(const TMenuItem& item);
// A built sentence counts whatever the letter case (Hungarian letters included).
bool Matches(const QString& built, const QString& target);

QString SpeedGrade(int seconds);
QString AccuracyGrade(int errors);
QString ResultText(const QString& name, const QString& clock, int seconds, int errors);

} // namespace SentenceGame
