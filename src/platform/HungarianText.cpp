#include "HungarianText.h"

#include <QCollator>
#include <QLocale>

namespace {
const QLocale& Hungarian()
{
    static const QLocale locale(QLocale::Hungarian, QLocale::Hungary);
    return locale;
}
} // namespace

namespace HungarianText {

QString Upper(const QString& text)
{
    return Hungarian().toUpper(text);
}

QString Lower(const QString& text)
{
    return Hungarian().toLower(text);
}

QString UpperFirst(const QString& text)
{
    if (text.isEmpty())
        return text;
    return Upper(text.left(1)) + text.mid(1);
}

int Compare(const QString& a, const QString& b)
{
    static const QCollator collator(Hungarian());
    return collator.compare(a, b);
}

} // namespace HungarianText
