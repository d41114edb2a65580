#include "StandInModule.h"

#include "platform/FixedDisplayModes.h"
#include "platform/Installation.h"
#include "platform/DisplayModeChoice.h"
#include "platform/RecordingKioskSession.h"
#include "platform/ScriptedMessageBoxes.h"
#include "platform/Services.h"
#include "shell/Bitlak.h"
#include "shell/ModulVezerlo.h"

#include <gtest/gtest.h>

namespace {

class BitlakTest : public ::testing::Test {
protected:
    BitlakTest() { Services::SetMessages(&messages); }
    ~BitlakTest() override { Services::SetMessages(nullptr); }

    std::unique_ptr<TBitlak> MakeBitlak(bool installed)
    {
        return std::make_unique<TBitlak>(TBitlak::Parts{
            .display = &display,
            .kiosk = &kiosk,
            .installed = [installed] { return installed; },
            .makeController =
                [this] {
                    ++controllersMade;
                    TModuleTable table;
                    table.Add("RETURN_TO_MAIN", [this] { return std::make_shared<TStandInModule>("home", journal); });
                    return std::make_shared<TModulVezerlo>(table, [this] { ++terminations; });
                },
            .terminate = [this] { ++terminations; },
        });
    }

    TScriptedMessageBoxes messages;
    TFixedDisplayModes display{{{1024, 768, 32, 60}}};
    TRecordingKioskSession kiosk;
    std::shared_ptr<QStringList> journal = std::make_shared<QStringList>();
    int controllersMade = 0;
    int terminations = 0;
};

TEST_F(BitlakTest, SecondActivationSetsTheModeAgainButKeepsTheController)
{
    auto bitlak = MakeBitlak(true);
    bitlak->FormCreate();
    bitlak->FormActivate();
    auto first = bitlak->Controller();
    bitlak->FormActivate();

    EXPECT_EQ(controllersMade, 1);
    EXPECT_EQ(bitlak->Controller(), first);
    EXPECT_EQ(display.ApplyCount(), 2);
    EXPECT_EQ(journal->count("home Start"), 1);
    EXPECT_TRUE(kiosk.Active());
    EXPECT_TRUE(messages.ShownBoxes().empty());
}

TEST_F(BitlakTest, OrdinaryExitGivesTheDesktopBack)
{
    auto bitlak = MakeBitlak(true);
    bitlak->FormCreate();
    bitlak->FormActivate();
    bitlak.reset(); // the main window's destruction at program end

    EXPECT_FALSE(kiosk.Active());
    EXPECT_EQ(display.RestoreCount(), 1);
    EXPECT_TRUE(journal->contains("home destroyed")); // nothing left hanging on the controller
}

TEST_F(BitlakTest, MissingInstallationShowsTheBoxAndEnds)
{
    auto bitlak = MakeBitlak(false);
    bitlak->FormCreate();
    bitlak->FormActivate();

    ASSERT_EQ(messages.ShownBoxes().size(), 1u);
    EXPECT_EQ(messages.ShownBoxes()[0].kind, TScriptedMessageBoxes::Kind::Error);
    EXPECT_EQ(messages.ShownBoxes()[0].text, Installation::MissingText);
    EXPECT_EQ(messages.ShownBoxes()[0].text.split('\n').size(), 2);
    EXPECT_EQ(display.ApplyCount(), 0);
    EXPECT_EQ(controllersMade, 0);
    EXPECT_EQ(terminations, 1);
    EXPECT_FALSE(kiosk.Active());
}

TEST_F(BitlakTest, UnsuitableScreenReportsTheDisplayErrorAndStartsNothing)
{
    display = TFixedDisplayModes({{1024, 768, 32, 56}, {800, 600, 32, 75}});
    auto bitlak = MakeBitlak(true);
    bitlak->FormCreate();
    bitlak->FormActivate();

    ASSERT_EQ(messages.ShownBoxes().size(), 1u);
    EXPECT_EQ(messages.ShownBoxes()[0].text, DisplayModeChoice::UnsuitableText);
    EXPECT_EQ(controllersMade, 0);
    EXPECT_EQ(display.ApplyCount(), 0);
    EXPECT_EQ(terminations, 1);
    EXPECT_FALSE(kiosk.Active());
}

} // namespace
