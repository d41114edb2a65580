#include "ResListing.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace ResListing {

QByteArray Read(const QString& relative)
{
    QFile file(QDir(QStringLiteral(BITLAK_RES_DIR)).filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QString> ListedSizes()
{
    QMap<QString, QString> sizes;
    for (const QString& line : QString::fromUtf8(Read("listing.txt")).split('\n', Qt::SkipEmptyParts))
        sizes.insert(line.section(' ', 0, 0), line.section(' ', 1));
    return sizes;
}

} // namespace ResListing
