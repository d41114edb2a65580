#pragma once

#include <QString>
#include <vector>

// Finds the media files the course's source names: string literals such as
// "egerezes\\game\\grass.png" or "..\\res\\avis\\kabel_odon_bologat.avi".
namespace MediaLiterals {

struct TLiteral {
    QString text; // after escapes are resolved
    int line = 0;
};

struct TMention {
    QString path; // as the kit lists it: "images/egerezes/game/grass.png"
    QString where; // "file:line"
};

// The string literals of one C++ source, leaving out comments and character literals; literals
// that stand next to each other are joined as the compiler joins them.
std::vector<TLiteral> StringLiterals(const QString& source);

// The kit's path for a literal that names a whole media file, or an empty text. Names that a page
// builds from parts ("_nyilacska.png" after a page name, a bare ".jpg") are not whole names.
QString MediaPath(const QString& literal);

// Every media name mentioned in the .h and .cpp files under the folder.
std::vector<TMention> Scan(const QString& folder);

} // namespace MediaLiterals
