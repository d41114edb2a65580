#include "StandInModule.h"

#include "shell/Board.h"
#include "shell/ModulVezerlo.h"

#include <gtest/gtest.h>

namespace {

class ModulVezerloTest : public ::testing::Test {
protected:
    ModulVezerloTest()
    {
        TModuleTable table;
        for (const QString& value : {QStringLiteral("RETURN_TO_MAIN"), QStringLiteral("BILLENTYU"), QStringLiteral("EGEREZES")})
            table.Add(value, [this, value] { return std::make_shared<TStandInModule>(value, journal); });
        controller = std::make_shared<TModulVezerlo>(table, [this] { ++terminations; });
    }
    ~ModulVezerloTest() override { controller->Release(); }

    std::shared_ptr<QStringList> journal = std::make_shared<QStringList>();
    std::shared_ptr<TModulVezerlo> controller;
    int terminations = 0;
};

TEST_F(ModulVezerloTest, StartCreatesTheHomeModuleOnce)
{
    controller->Start();
    EXPECT_EQ(*journal, QStringList({"RETURN_TO_MAIN created", "RETURN_TO_MAIN SetController", "RETURN_TO_MAIN Start"}));
    EXPECT_EQ(controller->GetValue("RETURN_TO_MAIN"), nullptr); // only a return stores it
}

TEST_F(ModulVezerloTest, ReplacementRunsInTheFixedOrder)
{
    controller->Start();
    journal->clear();
    Board::PutText(*controller, "CHANGE_MODUL", "BILLENTYU");
    controller->Notify();

    EXPECT_EQ(*journal, QStringList({"BILLENTYU created", "BILLENTYU SetController", "BILLENTYU Start",
                                     "RETURN_TO_MAIN Stop", "RETURN_TO_MAIN destroyed"}));
    EXPECT_EQ(controller->GetValue("CHANGE_MODUL"), nullptr);
    EXPECT_EQ(controller->Board().Count(), 0);
}

TEST_F(ModulVezerloTest, ReturnToMainLeavesItsMarkForTheHomeModule)
{
    controller->Start();
    Board::PutText(*controller, "CHANGE_MODUL", "EGEREZES");
    controller->Notify();
    journal->clear();

    Board::PutText(*controller, "CHANGE_MODUL", "RETURN_TO_MAIN");
    controller->Notify();
    EXPECT_EQ(Board::Text(*controller, "RETURN_TO_MAIN"), QString("RETURN_TO_MAIN"));
    EXPECT_EQ(journal->first(), "RETURN_TO_MAIN created");
    EXPECT_EQ(controller->GetValue("CHANGE_MODUL"), nullptr);
}

TEST_F(ModulVezerloTest, UnknownOrNotYetBuiltModuleIsIgnoredAndRemoved)
{
    controller->Start();
    journal->clear();
    for (const char* value : {"GOMBOK", "billentyu", "NOTHING"}) {
        Board::PutText(*controller, "CHANGE_MODUL", value);
        controller->Notify();
        EXPECT_EQ(controller->GetValue("CHANGE_MODUL"), nullptr) << value;
    }
    EXPECT_TRUE(journal->isEmpty());
    EXPECT_EQ(terminations, 0);
}

TEST_F(ModulVezerloTest, ExitWinsOverChangeModul)
{
    controller->Start();
    journal->clear();
    Board::PutText(*controller, "CHANGE_MODUL", "BILLENTYU");
    Board::PutText(*controller, "EXIT", "EXIT");
    controller->Notify();

    EXPECT_EQ(terminations, 1);
    EXPECT_TRUE(journal->isEmpty());
    EXPECT_NE(controller->GetValue("CHANGE_MODUL"), nullptr); // not looked at
}

TEST_F(ModulVezerloTest, NotifyWithNothingOnTheBoardDoesNothing)
{
    controller->Start();
    journal->clear();
    Board::PutText(*controller, "Exit", "EXIT"); // a different key
    controller->Notify();
    EXPECT_EQ(terminations, 0);
    EXPECT_TRUE(journal->isEmpty());
}

TEST(ModulVezerloFailure, ModuleThatFailsToStartUsesUpTheRequest)
{
    struct TFailing : TStandInModule {
        using TStandInModule::TStandInModule;
        void Start() override { throw std::runtime_error("cannot start"); }
    };
    auto journal = std::make_shared<QStringList>();
    TModuleTable table;
    table.Add("RETURN_TO_MAIN", [journal] { return std::make_shared<TStandInModule>("home", journal); });
    table.Add("GOMBOK", [journal] { return std::make_shared<TFailing>("buttons", journal); });
    auto controller = std::make_shared<TModulVezerlo>(table, nullptr);
    controller->Start();

    Board::PutText(*controller, "CHANGE_MODUL", "GOMBOK");
    EXPECT_THROW(controller->Notify(), std::runtime_error);
    EXPECT_EQ(controller->GetValue("CHANGE_MODUL"), nullptr);
    EXPECT_FALSE(journal->contains("home Stop")); // the home module stays current
    controller->Release();
}

TEST(BoardAccess, WrongKindIsAProgrammingError)
{
    auto controller = std::make_shared<TModulVezerlo>(TModuleTable(), nullptr);
    Board::PutNumber(*controller, "ROUND", 3);
    Board::PutText(*controller, "USERNAME", "Anna");
    EXPECT_EQ(Board::Number(*controller, "ROUND"), 3);
    EXPECT_EQ(Board::Text(*controller, "USERNAME"), QString("Anna"));
    EXPECT_THROW(Board::Text(*controller, "ROUND"), std::exception);
    EXPECT_THROW(Board::Number(*controller, "USERNAME"), std::exception);
    EXPECT_FALSE(Board::Text(*controller, "MISSING").has_value());
}

} // namespace
