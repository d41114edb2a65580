#include "ModulVezerlo.h"

#include "Board.h"
#include "platform/CourseError.h"
#include "IModule.h"

TModulVezerlo::TModulVezerlo(TModuleTable table, std::function<void()> terminate)
    : table_(std::move(table)), terminate_(std::move(terminate))
{
}

void TModulVezerlo::Start()
{
    auto home = table_.Find(HomeValue);
    if (!home)
        return; // a course without its home module has nothing to show
    current_ = home();
    currentName_ = HomeValue;
    current_->SetController(shared_from_this());
    current_->Start();
}

void TModulVezerlo::Notify()
{
    if (GetValue("EXIT")) {
        if (terminate_)
            terminate_();
        return;
    }
    const auto change = Board::Text(*this, "CHANGE_MODUL");
    if (!change)
        return;
    // The request is used up even when the new module fails to start, so it is not retried by
    // every later Notify.
    try {
        ChangeModule(*change);
    } catch (...) {
        RemoveValue("CHANGE_MODUL");
        throw;
    }
    RemoveValue("CHANGE_MODUL");
}

void TModulVezerlo::ChangeModule(const QString& value)
{
    auto factory = table_.Find(value);
    if (!factory)
        return;
    if (value == HomeValue)
        Board::PutText(*this, HomeValue, HomeValue);
    std::shared_ptr<IModule> next = factory();
    next->SetController(shared_from_this());
    next->Start();
    // The old module may still be running its own Notify; its pages keep it alive until then.
    std::shared_ptr<IModule> old = current_;
    if (old)
        old->Stop();
    current_ = next;
    currentName_ = value;
}

void TModulVezerlo::Stop() {}

void TModulVezerlo::RemoveValue(const QString& key)
{
    board_.Remove(key);
}

void TModulVezerlo::SetValue(const QString& key, std::unique_ptr<TBoardValue> value)
{
    board_.Put(key, std::move(value));
}

const TBoardValue* TModulVezerlo::GetValue(const QString& key) const
{
    return board_.Get(key);
}

void TModulVezerlo::Release()
{
    current_.reset();
}
