#include "topics/programs/ProgramsRoad.h"

#include <gtest/gtest.h>

namespace {

using namespace ProgramsRoad;

TEST(ProgramsRoadTest, TheDesktopLeadsToTheClosingWordsAndThoseHome)
{
    const TAction done = Next("PRGKEZELFORM", "NOTHING");
    EXPECT_EQ(done.move, TRoadMove::SwitchTo);
    EXPECT_EQ(done.page, TPage::Ertekeles);
    EXPECT_EQ(done.stepReady, "FINITO");
    EXPECT_TRUE(done.closing);
    EXPECT_EQ(ClosingText(), "Gratulálok! Most már mindent megtanultál ahhoz, hogy elkezdhesd a gépen a komoly "
                             "munkát. Használj bátran mindent, amit megtanultál!<BR>Jó munkát kívánok!<BR>");

    EXPECT_EQ(Next("ERTEKELES", "FINITO").move, TRoadMove::ReturnToMain);
    EXPECT_EQ(Next("ERTEKELES", "NOTHING").move, TRoadMove::Unknown);
    EXPECT_EQ(Next("MENUMENUMFORM", "NOTHING").move, TRoadMove::Unknown);
}

} // namespace
