#pragma once

#include "platform/SchoolSettings.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// The school's settings file written into a test's folder (replacing an earlier one).
inline QString WriteSettingsFile(const QTemporaryDir& folder, const QByteArray& text)
{
    const QString path = folder.filePath(QStringLiteral("bitlak.conf"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text);
    return path;
}

// A results store in an SQLite file of the folder.
inline QByteArray SqliteStoreText(const QTemporaryDir& folder)
{
    return QStringLiteral("[results]\nstore = sqlite\nsqlite_path = %1\n")
        .arg(folder.filePath(QStringLiteral("results.sqlite")))
        .toUtf8();
}
