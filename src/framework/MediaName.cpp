#include "MediaName.h"

#include <QStringList>

namespace MediaName {

QString Canonical(const QString& name)
{
    QString path = name;
    path.replace('\\', '/');
    QStringList parts;
    for (const QString& part : path.split('/', Qt::SkipEmptyParts))
        if (part != QLatin1String(".") && part != QLatin1String(".."))
            parts << part.toLower();
    return parts.join('/');
}

} // namespace MediaName
