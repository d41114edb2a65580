#include "ReportCommand.h"
#include "platform/SchoolSettings.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // The sheet is drawn without a window: the report runs in a terminal, over ssh too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QString out;
    QString err;
    const int code = ReportCommand::Run(arguments, TSchoolSettings::InstalledPath, out, err);
    std::fputs(out.toLocal8Bit().constData(), stdout);
    std::fputs(err.toLocal8Bit().constData(), stderr);
    return code;
}
