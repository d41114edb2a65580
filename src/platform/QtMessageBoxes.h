#pragma once

#include "MessageBoxes.h"

class QWidget;

// Message boxes over the stage, with Qt's Hungarian button texts.
class TQtMessageBoxes : public IMessageBoxes {
public:
    explicit TQtMessageBoxes(QWidget* parent) : parent_(parent) {}
    bool Question(const QString& text) override;
    void Error(const QString& text) override;
    void Information(const QString& text) override;
    void Warning(const QString& text) override;

private:
    QWidget* parent_;
};
