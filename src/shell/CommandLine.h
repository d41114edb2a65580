#pragma once

#include <QString>
#include <QStringList>

// What the program's arguments ask for. Read before the application object exists, so that
// --help and --version answer in a terminal without any display, and a mistyped option never
// starts the full-screen course by surprise.
class TCommandLine {
public:
    // arguments without the program name.
    static TCommandLine Parse(const QStringList& arguments, const QString& version);

    // False: print Text() (on standard output when the exit code is 0, else on standard error)
    // and exit with ExitCode().
    bool StartsCourse() const { return startsCourse_; }
    bool Windowed() const { return windowed_; }
    const QString& Text() const { return text_; }
    int ExitCode() const { return exitCode_; }

    // Prints Text() where it belongs and returns ExitCode().
    int Answer() const;

private:
    bool startsCourse_ = true;
    bool windowed_ = false;
    QString text_;
    int exitCode_ = 0;
};
