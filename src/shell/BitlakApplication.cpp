#include "BitlakApplication.h"

#include "platform/ErrorReport.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

TBitlakApplication::TBitlakApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Bitlak"));
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
}

bool TBitlakApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    Guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void TBitlakApplication::LoadHungarianTranslation()
{
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}
