#include "topics/summary/SummaryRoad.h"

#include <gtest/gtest.h>

namespace {

using SummaryRoad::Next;
using SummaryRoad::TPage;

struct TExpected {
    const char* page;
    const char* stepReady;
    const char* action;
    TRoadMove move;
    TPage next;
    const char* putStepReady;
    bool takeAction;
    bool closing;
};

TEST(SummaryRoad, EveryRowLeadsWhereTheTopicGoesOn)
{
    const auto S = TRoadMove::SwitchTo;
    const TExpected rows[] = {
        {"OSSZEFOGLBILLFORM", "NOTHING", "", S, TPage::Bill2, "", false, false},
        {"OSSZEFOGLBILL2FORM", "NOTHING", "NEXTFORM", S, TPage::Eger, "", true, false},
        {"OSSZEFOGLBILL2FORM", "NOTHING", "", S, TPage::Ertekeles, "OSSZEFOGLAL_BILL", false, false},
        {"ERTEKELES", "OSSZEFOGLAL_BILL", "", S, TPage::Bill2, "", false, false},
        {"OSSZEFOGLEGERFORM", "NOTHING", "", S, TPage::BasketBall, "", false, false},
        {"EGERBASKETBALLFORM", "NOTHING", "NEXTFORM", S, TPage::Gomb, "", true, false},
        {"EGERBASKETBALLFORM", "NOTHING", "", S, TPage::Ertekeles, "EGERBASKETBALLFORM", false, false},
        {"ERTEKELES", "EGERBASKETBALLFORM", "", S, TPage::BasketBall, "", false, false},
        {"OSSZEFOGLGOMBFORM", "NOTHING", "", S, TPage::Gomb2, "", false, false},
        {"OSSZEFOGLGOMB2FORM", "NOTHING", "", S, TPage::Jelol, "", false, false},
        {"OSSZEFOGLJELOLFORM", "NOTHING", "", S, TPage::Agyuzas, "", false, false},
        {"JELAGYUZASFORM", "NOTHING", "NEXTFORM", S, TPage::List, "", true, false},
        {"JELAGYUZASFORM", "NOTHING", "", S, TPage::Ertekeles, "AGYUZAS", false, false},
        {"ERTEKELES", "AGYUZAS", "", S, TPage::Agyuzas, "", false, false},
        {"OSSZEFOGLLISTFORM", "NOTHING", "", S, TPage::Panel, "", false, false},
        {"OSSZEFOGLPANELFORM", "NOTHING", "", S, TPage::Panel2, "", false, false},
        {"OSSZEFOGLPANEL2FORM", "NOTHING", "", S, TPage::Menu, "", false, false},
        {"OSSZEFOGLMENUFORM", "NOTHING", "NEXTFORM", S, TPage::Ertekeles, "FINITO", true, true},
        {"OSSZEFOGLMENUFORM", "NOTHING", "", S, TPage::Ertekeles, "OSSZEFOGLALMENU", false, false},
        {"ERTEKELES", "OSSZEFOGLALMENU", "", S, TPage::Menu, "", false, false},
        {"ERTEKELES", "FINITO", "", TRoadMove::ReturnToMain, TPage::None, "", false, false},
        // A page or step the topic does not know.
        {"ERTEKELES", "NOTHING", "", TRoadMove::Unknown, TPage::None, "", false, false},
        {"BETUVADASZAT", "NOTHING", "", TRoadMove::Unknown, TPage::None, "", false, false},
        // "ACTION" is compared as a text: another word is no "next".
        {"JELAGYUZASFORM", "NOTHING", "nextform", S, TPage::Ertekeles, "AGYUZAS", false, false},
    };
    for (const TExpected& row : rows) {
        SCOPED_TRACE(std::string(row.page) + " / " + row.stepReady + " / " + row.action);
        const auto action = Next(QString::fromUtf8(row.page), QString::fromUtf8(row.stepReady),
                                 QString::fromUtf8(row.action));
        EXPECT_EQ(action.move, row.move);
        EXPECT_EQ(action.page, row.next);
        EXPECT_EQ(action.stepReady, QString::fromUtf8(row.putStepReady));
        EXPECT_EQ(action.takeAction, row.takeAction);
        EXPECT_EQ(action.closing, row.closing);
        EXPECT_TRUE(action.putAction.isEmpty());
    }
}

TEST(SummaryRoad, ClosingWordsCongratulateAndNameTheCourse)
{
    const QString text = SummaryRoad::ClosingText();
    EXPECT_TRUE(text.startsWith("Gratulálok (Congratulations - kongracsulésön)!!! <BR>Az összefoglaló témakört is "
                                "sikeresen befejezted."));
    EXPECT_TRUE(text.contains("Bitlak"));
    EXPECT_TRUE(text.contains("<BR><BR>"));
    EXPECT_TRUE(text.endsWith("<BR><BR>Ha elolvastad, akkor nyomd meg az L billentyűt!"));
}

} // namespace
