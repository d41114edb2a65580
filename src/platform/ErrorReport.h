#pragma once

#include <QString>
#include <exception>
#include <utility>

// The application's standard error box: shows the text, and the course goes on.
void ReportError(const QString& text);

// Runs an event handler; an error that escapes it is reported and the handler's rest is skipped.
template <class Handler> void Guarded(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ReportError(QString::fromUtf8(error.what()));
    }
}
