#pragma once

#include <QString>

// A complete installation: the four media folders one level above the working directory.
namespace Installation {

bool MediaFoldersPresent(const QString& workingDirectory);
// Started by its full path from elsewhere, the program moves to its own folder when the media
// sit beside it there. Returns whether the installation is complete afterwards.
bool PrepareWorkingDirectory(const QString& executableDirectory);

inline const QString MissingText = QStringLiteral(
    "A Bitlak program egyes összetevői hiányoznak.\n"
    "Kérem, telepítse újra a Bitlak programot a probléma megoldásához.");

} // namespace Installation
