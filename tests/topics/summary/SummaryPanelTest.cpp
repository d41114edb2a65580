#include "SummaryCourse.h"
#include "SummaryPanelMoves.h"

#include "framework/Image.h"
#include "framework/PushButton.h"
#include "topics/summary/OsszefoglMenuForm.h"
#include "topics/summary/OsszefoglPanel2Form.h"
#include "topics/summary/OsszefoglPanelForm.h"

#include <QFrame>
#include <QLabel>

namespace {

using SummaryPanelTest = SummaryCourse;

std::string Describe(const QRect& r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height()).toStdString();
}

QStringList Texts(const ReviewTable::TTable& table)
{
    QStringList texts;
    for (const QLabel* label : table.labels)
        texts << label->text();
    return texts;
}

TEST_F(SummaryPanelTest, TheReviewShowsTheBoardTheIntroductionAndBothKindsOfPanels)
{
    OpenSummaryTopic();
    auto* page = Stand<TOsszefoglPanelForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(ErrorBoxShown()) << messages.Texts().join(" | ").toStdString();
    EXPECT_EQ(page->imgTabla()->geometry(), QRect(280, 96, 284, 340));
    EXPECT_FALSE(page->imgTabla()->Picture().Empty());
    EXPECT_EQ(page->txtIntro()->text(),
              "Az operációs rendszer panelekre írja ki üzeneteit. A panel hasonlít a táblára, amire az osztályban "
              "írunk: általában téglalap alakú és szürke. A paneleket üzenetük tartalma szerint csoportokba "
              "soroljuk.");
    EXPECT_EQ(Texts(page->MessagePanels()),
              QStringList({"Üzenetpanelek (közlés)", "", "Információs panel",
                           "- Üzeneteket, információt, adatokat ír ki, csak az Ok-ra kell kattintani.",
                           "Hibajelző panel", "- Rendszer- vagy programhibát jelez, csak az Ok-ra kell kattintani."}));
    EXPECT_EQ(Texts(page->DialogPanels()),
              QStringList({"Párbeszédpanelek (döntéshelyzet)", "", "Megerősítést kérő panel",
                           "- Egy utasítás megerősítésére kér.", "Veszélyt jelző panel",
                           "- Egy utasítás veszélyességére vagy hiányára hívja fel a figyelmet.", "Beállító panel",
                           "- Programok beállítási lehetőségeit tartalmazza, lehet többlapos is."}));
    EXPECT_TRUE(page->MessagePanels().labels.front()->font().bold());
    EXPECT_TRUE(page->DialogPanels().labels.front()->font().bold());
    EXPECT_FALSE(page->DialogPanels().labels.at(2)->font().bold());

    // The introduction's lines, the board and the tables each keep to their own place, on the
    // screen and clear of the back sign; "Tovább" comes below the tables.
    const QLabel* intro = page->txtIntro();
    const QRect introText = intro->geometry().adjusted(0, 0, 0, intro->heightForWidth(intro->width()) - intro->height());
    const QRect board = page->imgTabla()->geometry();
    const QRect first = page->MessagePanels().area;
    const QRect second = page->DialogPanels().area;
    const QRect tovabb = page->btnTovabb()->geometry();
    const QRect back = page->vissza()->geometry();
    const QRect screen(0, 0, 1024, 768);
    EXPECT_LE(intro->heightForWidth(intro->width()), intro->height());
    for (const QRect& place : {introText, board, first, second, tovabb}) {
        EXPECT_TRUE(screen.contains(place)) << Describe(place);
        EXPECT_FALSE(place.intersects(back)) << Describe(place);
    }
    EXPECT_FALSE(introText.intersects(board));
    EXPECT_GT(first.top(), board.bottom());
    EXPECT_GT(second.top(), first.bottom());
    EXPECT_EQ(second.left(), first.left());
    EXPECT_GT(tovabb.top(), second.bottom());
    // Every text of a table fits in its frame.
    for (const ReviewTable::TTable* table : {&page->MessagePanels(), &page->DialogPanels()})
        for (const QLabel* label : table->labels) {
            EXPECT_TRUE(table->area.contains(label->geometry())) << label->text().toStdString();
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
        }
    Snapshot(QStringLiteral("OsszefoglPanelForm"));
}

TEST_F(SummaryPanelTest, TovabbLeadsOnToTheDetective)
{
    OpenSummaryTopic();
    auto* page = Stand<TOsszefoglPanelForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->btnTovabb()->Caption(), "Tovább");
    Click(page->btnTovabb());
    Settle();
    EXPECT_NE(On<TOsszefoglPanel2Form>(), nullptr);
}

TEST_F(SummaryPanelTest, TheHelpfulMovesLeadFromTheReviewThroughTheCaseWithoutAWrongAnswer)
{
    OpenSummaryTopic();
    ASSERT_NE(Stand<TOsszefoglPanelForm>(), nullptr);
    int moves = 0;
    while (CurrentPageName() != "OsszefoglMenuForm" && moves < 12) {
        ASSERT_TRUE(SummaryPanelMoves::Helpful(*this)) << CurrentPageName().toStdString();
        ++moves;
    }
    // The review's "Tovább", then the case's seven steps.
    EXPECT_EQ(moves, 8);
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_FALSE(SummaryPanelMoves::Helpful(*this));
}

} // namespace
