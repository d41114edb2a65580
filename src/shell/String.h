#pragma once

#include "BoardValue.h"

#include <QString>

// Boxed text, the usual board value.
class TString : public TBoardValue {
public:
    explicit TString(QString text) : text_(std::move(text)) {}
    const QString& GetText() const { return text_; }

private:
    QString text_;
};
