#pragma once

#include "BoardValue.h"

#include <QString>
#include <memory>

// One board entry; destroying it destroys its value.
class TEntry {
public:
    TEntry(QString key, std::unique_ptr<TBoardValue> value) : key_(std::move(key)), value_(std::move(value)) {}

    const QString& Key() const { return key_; }
    const TBoardValue* Value() const { return value_.get(); }
    void SetValue(std::unique_ptr<TBoardValue> value) { value_ = std::move(value); }

private:
    QString key_;
    std::unique_ptr<TBoardValue> value_;
};
