#pragma once

#include "HashMap.h"
#include "IModuleController.h"
#include "ModuleTable.h"

#include <functional>
#include <memory>

class IModule;

// The module controller: owns the message board and replaces the current module on request.
class TModulVezerlo : public IModuleController, public std::enable_shared_from_this<TModulVezerlo> {
public:
    static inline const QString HomeValue = QStringLiteral("RETURN_TO_MAIN");

    // terminate ends the message loop after the current event.
    TModulVezerlo(TModuleTable table, std::function<void()> terminate);

    void Start() override;
    void Notify() override;
    void Stop() override;
    void RemoveValue(const QString& key) override;
    void SetValue(const QString& key, std::unique_ptr<TBoardValue> value) override;
    const TBoardValue* GetValue(const QString& key) const override;
    QString CurrentModuleName() const override { return currentName_; }

    std::shared_ptr<IModule> CurrentModule() const { return current_; }
    const THashMap& Board() const { return board_; }
    // Drops the current module at program end so that the module-controller cycle is broken.
    void Release();

private:
    void ChangeModule(const QString& value);

    THashMap board_;
    std::shared_ptr<IModule> current_;
    QString currentName_;
    TModuleTable table_;
    std::function<void()> terminate_;
};
