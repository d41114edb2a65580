#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <initializer_list>

// The media the build wrote under res/, as the kit's file tests read it.
namespace ResFiles {

// A file's bytes by its path below res/ ("avis/lista/listkajakform.avi"); empty when missing.
QByteArray Read(const QString& relative);
// The listing's sizes by path: "images/lista/listtvform.jpg" → "1024x768".
QMap<QString, QString> ListedSizes();
struct TListedSize {
    const char* path;
    const char* size; // "1024x768"
};
// Every path is in the listing at its size.
void ExpectListedSizes(std::initializer_list<TListedSize> expected);
// The clip decodes to frames frames, every one with the page grey in its top-left corner (the
// player's see-through colour) and a figure drawn on it, and not all alike.
void ExpectLoopOnPageGrey(const char* path, int frames);

} // namespace ResFiles
