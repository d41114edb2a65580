#pragma once

#include "shell/IModule.h"

#include <QStringList>
#include <memory>

// A module that writes down what is done to it, in one journal shared by all stand-ins of a test.
class TStandInModule : public IModule {
public:
    TStandInModule(QString name, std::shared_ptr<QStringList> journal) : name_(std::move(name)), journal_(std::move(journal))
    {
        journal_->append(name_ + " created");
    }
    ~TStandInModule() override { journal_->append(name_ + " destroyed"); }

    void Start() override { journal_->append(name_ + " Start"); }
    void Notify() override { journal_->append(name_ + " Notify"); }
    void Stop() override { journal_->append(name_ + " Stop"); }
    void SetController(std::shared_ptr<IModuleController> controller) override
    {
        journal_->append(name_ + " SetController");
        controller_ = controller;
    }
    std::shared_ptr<IModuleController> GetController() const override { return controller_.lock(); }

private:
    QString name_;
    std::shared_ptr<QStringList> journal_;
    std::weak_ptr<IModuleController> controller_;
};
