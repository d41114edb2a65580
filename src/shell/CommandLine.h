#pragma once

#include "platform/SchoolSettings.h"

#include <QString>
#include <QStringList>

// What the program's arguments ask for. Read before the application object exists, so that
// --help and --version answer in a terminal without any display, and a mistyped option never
// starts the full-screen course by surprise.
class TCommandLine {
public:
    // arguments without the program name; settingsPath is the school's settings file that
    // --check-config reads.
    static TCommandLine Parse(const QStringList& arguments, const QString& version,
                              const QString& settingsPath = TSchoolSettings::InstalledPath);

    // False: print Text() (on standard output when the exit code is 0 or the settings were checked,
    // else on standard error), Problems() on standard error, and exit with ExitCode().
    bool StartsCourse() const { return startsCourse_; }
    bool Windowed() const { return windowed_; }
    const QString& Text() const { return text_; }
    // Lines for standard error besides Text() (the settings' problems).
    const QString& Problems() const { return problems_; }
    int ExitCode() const { return exitCode_; }

    // Prints Text() where it belongs and returns ExitCode().
    int Answer() const;

private:
    bool startsCourse_ = true;
    bool windowed_ = false;
    bool checked_ = false;
    QString text_;
    QString problems_;
    int exitCode_ = 0;
};
