#pragma once

#include "BoardValue.h"

#include <QString>
#include <memory>

// The one controller: owns the message board and replaces modules.
class IModuleController {
public:
    virtual ~IModuleController() = default;
    virtual void Start() = 0;
    virtual void Notify() = 0;
    virtual void Stop() = 0;
    virtual void RemoveValue(const QString& key) = 0;
    // The board takes the value over.
    virtual void SetValue(const QString& key, std::unique_ptr<TBoardValue> value) = 0;
    // nullptr when the key is not on the board.
    virtual const TBoardValue* GetValue(const QString& key) const = 0;
    // The "CHANGE_MODUL" value of the module on screen (the chooser's word); empty when unknown.
    virtual QString CurrentModuleName() const { return QString(); }
};
