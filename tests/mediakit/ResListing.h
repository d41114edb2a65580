#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The media the build wrote: a file's bytes and the listing's sizes.
namespace ResListing {

// The bytes of a file below the res/ folder, empty when it is missing.
QByteArray Read(const QString& relative);
// The listing's pixel sizes by path ("images/x.png" → "30x20").
QMap<QString, QString> ListedSizes();

} // namespace ResListing
