#pragma once

#include <QString>

// Modal message boxes. Question answers true for Yes.
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual bool Question(const QString& text) = 0;
    virtual void Error(const QString& text) = 0;
    virtual void Information(const QString& text) = 0;
    virtual void Warning(const QString& text) = 0;
};
