#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The reflex game's word file, read from its bytes: one word a line, UTF-8 or the old Central
// European single-byte encoding (Windows-1250), CRLF or LF. Blank lines make no word; words past
// the 255th are left out. A file with fewer than ten words cannot fill the game's list, so it is
// refused with an error naming the file.
namespace WordList {

inline constexpr int MaxWords = 255;
inline constexpr int MinWords = 10;

QStringList Read(const QByteArray& bytes, const QString& fileName);
// The word file at path; a file that cannot be opened or read is an error naming it.
QStringList Load(const QString& path);
// Windows-1250 text as Unicode.
QString FromWindows1250(const QByteArray& bytes);

} // namespace WordList
