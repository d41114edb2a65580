#pragma once

#include <QString>

// The result texts the keyboard exercises hand to the evaluation page, and their ratings.
namespace KeyboardResults {

inline const QString ReadHint = QStringLiteral("Ha elolvastad, akkor nyomd meg az L billentyűt!");

// Rating of the wrong characters or wrong words of ten.
QString ErrorRating(int errors);
// Rating of a letter hunt's time.
QString TimeRating(int seconds);
// "10/" and what is left of ten after the errors; more than ten errors still read "10/0".
QString Performance(int errors);

// The letter hunt's result for its step word ("R1", "R2", "R3"; another word has no task line).
QString HuntResult(const QString& step, const QString& name, const QString& grade, int errors, int seconds);
// The words exercise's result.
QString WordsResult(const QString& name, const QString& grade, int wrongEntries);

} // namespace KeyboardResults
