#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The media the build wrote under res/, as the kit's file tests read it.
namespace ResFiles {

// A file's bytes by its path below res/ ("avis/lista/listkajakform.avi"); empty when missing.
QByteArray Read(const QString& relative);
// The listing's sizes by path: "images/lista/listtvform.jpg" → "1024x768".
QMap<QString, QString> ListedSizes();
// The clip decodes to frames frames, every one with the page grey in its top-left corner (the
// player's see-through colour) and a figure drawn on it, and not all alike.
void ExpectLoopOnPageGrey(const char* path, int frames);

} // namespace ResFiles
