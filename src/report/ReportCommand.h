#pragma once

#include <QString>
#include <QStringList>

// bitlak-report: reads the results store the school's settings name and writes the class sheet
// (bitlak-eredmenyek.pdf and .html) into a folder.
namespace ReportCommand {

// arguments without the program name. out and err get what belongs on standard output and
// standard error. Returns the exit code: 0 written, 1 the store could not be read or the files
// not written, 2 a wrong option or the store turned off.
int Run(const QStringList& arguments, const QString& settingsPath, QString& out, QString& err);

} // namespace ReportCommand
