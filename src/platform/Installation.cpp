#include "Installation.h"

#include <QDir>

namespace Installation {

bool MediaFoldersPresent(const QString& workingDirectory)
{
    const QDir dir(workingDirectory);
    for (const char* folder : {"../res/images", "../res/sound", "../res/avis", "../res/etc"})
        if (!QDir(dir.filePath(QString::fromLatin1(folder))).exists())
            return false;
    return true;
}

bool PrepareWorkingDirectory(const QString& executableDirectory)
{
    if (MediaFoldersPresent(QDir::currentPath()))
        return true;
    if (!QDir(executableDirectory).exists(QStringLiteral("../res")) || !MediaFoldersPresent(executableDirectory))
        return false;
    return QDir::setCurrent(executableDirectory);
}

} // namespace Installation
