#pragma once

#include <QString>

// Hungarian casing and sorting, in one place.
namespace HungarianText {

QString Upper(const QString& text);
QString Lower(const QString& text);
// The first character upper-cased, the rest unchanged ("ádám" -> "Ádám").
QString UpperFirst(const QString& text);
// Negative, zero or positive, by Hungarian collation.
int Compare(const QString& a, const QString& b);

} // namespace HungarianText
