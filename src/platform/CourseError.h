#pragma once

#include <QString>
#include <stdexcept>

// An error the standard error box reports with its text; the course then goes on.
class TCourseError : public std::runtime_error {
public:
    explicit TCourseError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};
