#include "framework/ModuleBase.h"
#include "shell/Board.h"
#include "shell/HashMap.h"

#include <gtest/gtest.h>

namespace {

// A board and a count of the controller's Notify calls: what a module hands over.
class TBoardOnly : public IModuleController {
public:
    void Start() override {}
    void Notify() override { ++notified; }
    void Stop() override {}
    void RemoveValue(const QString& key) override { board.Remove(key); }
    void SetValue(const QString& key, std::unique_ptr<TBoardValue> value) override { board.Put(key, std::move(value)); }
    const TBoardValue* GetValue(const QString& key) const override { return board.Get(key); }

    THashMap board;
    int notified = 0;
};

// A module whose visit owns "ROUND"; it shows no page, so it decides only when told it has one.
class TRoundModule : public TModuleBase {
public:
    TRoundModule() : TModuleBase({QStringLiteral("ROUND")}) {}
    int decided = 0;

protected:
    void StartModule() override {}
    void Decide() override { ++decided; }
};

TEST(ModuleBaseTest, AVisitsKeysGoAtTheStartAndAtTheLeaveAndExitDecidesNothingMore)
{
    auto controller = std::make_shared<TBoardOnly>();
    auto module = std::make_shared<TRoundModule>();
    module->SetController(controller);
    for (const char* key : {"STEP", "STEP_READY", "ROUND", "USERNAME"})
        Board::PutText(*controller, key, "x");
    module->Start();
    EXPECT_EQ(controller->board.Count(), 1);
    EXPECT_TRUE(Board::Text(*controller, "USERNAME"));

    Board::PutText(*controller, "ROUND", "2");
    Board::PutText(*controller, "EXIT", "EXIT");
    Board::PutText(*controller, "CHANGE_MODUL", "RETURN_TO_MAIN");
    module->Notify();
    EXPECT_EQ(controller->notified, 1);
    EXPECT_TRUE(Board::Text(*controller, "ROUND")) << "an exit decides nothing more";

    controller->RemoveValue("EXIT");
    module->Notify();
    EXPECT_EQ(controller->notified, 2);
    EXPECT_FALSE(Board::Text(*controller, "ROUND"));
    EXPECT_TRUE(Board::Text(*controller, "CHANGE_MODUL")) << "the controller takes the leave";
    EXPECT_EQ(module->decided, 0);

    controller->RemoveValue("CHANGE_MODUL");
    module->Notify(); // no page on screen
    EXPECT_EQ(module->decided, 0);
    EXPECT_EQ(controller->notified, 2);
}

} // namespace
