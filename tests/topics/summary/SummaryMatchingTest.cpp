#include "SummaryCourse.h"
#include "SummaryDragMoves.h"

#include "framework/ClipPlayer.h"
#include "framework/DragDrop.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "topics/summary/OsszefoglGomb2Form.h"
#include "topics/summary/OsszefoglJelolForm.h"

#include <QLabel>

namespace {

using SummaryDragMoves::ButtonCaptioned;
using SummaryDragMoves::LabelCaptioned;

class SummaryMatching : public SummaryCourse {
protected:
    void SetUp() override
    {
        OpenSummaryTopic();
        page = Stand<TOsszefoglGomb2Form>();
        ASSERT_NE(page, nullptr);
    }

    TPushButton& ButtonOf(const char* caption)
    {
        TPushButton* button = ButtonCaptioned(*page, QString::fromUtf8(caption));
        EXPECT_NE(button, nullptr) << caption;
        return button ? *button : *page->btnNext();
    }

    QPoint LabelPoint(const char* caption)
    {
        QLabel* label = LabelCaptioned(*page, QString::fromUtf8(caption));
        EXPECT_NE(label, nullptr) << caption;
        return label ? label->geometry().center() : QPoint();
    }

    void DragOnto(const char* button, QPoint pagePoint)
    {
        SummaryDragMoves::DragButton(*this, *page, ButtonOf(button), pagePoint);
    }

    // The drag without mouse events, for games long enough to make them slow.
    void QuickDrop(TPushButton& button, QPoint pagePoint)
    {
        TDragDrop& drag = TDragDrop::Of(&button);
        drag.Press(button.rect().center(), Qt::LeftButton);
        drag.Move(button.mapFrom(page, pagePoint), Qt::LeftButton);
        drag.Release(button.mapFrom(page, pagePoint));
    }

    // Whether the clip plays in front of the other one.
    static bool PlaysInFront(TClipPlayer* clip, TClipPlayer* other)
    {
        const QObjectList& order = clip->parentWidget()->children();
        return clip->Active() && order.indexOf(clip) > order.indexOf(other);
    }

    TOsszefoglGomb2Form* page = nullptr;
};

TEST_F(SummaryMatching, EveryButtonAndLabelStandsWhereThePageShowsItLegibleAndApart)
{
    struct TPlace {
        const char* caption;
        QPoint at;
    };
    const TPlace labels[] = {{"IGEN", {120, 496}},  {"MEGSZAKÍTÁS", {192, 536}}, {"LEJÁTSZÁS", {64, 408}},
                             {"ISMÉTLÉS", {208, 288}}, {"KILÉPÉS", {352, 408}},   {"FOLYTATÁS", {296, 328}},
                             {"MÉGSEM", {120, 328}}, {"NEM", {299, 496}}};
    const TPlace buttons[] = {{"YES ", {496, 328}}, {"ABORT ", {456, 408}}, {"PLAY ", {496, 488}},
                              {"RETRY ", {600, 528}}, {"EXIT", {696, 488}}, {"CONTINUE", {728, 408}},
                              {"CANCEL ", {688, 328}}, {"NO ", {592, 288}}};
    EXPECT_EQ(page->Heading()->text(),
              QStringLiteral("Párosítsd a gombokat magyar jelentésükkel!\nHúzd a feliratokra a gombokat!"));
    EXPECT_EQ(page->Heading()->font().pixelSize(), 19);
    EXPECT_TRUE(page->Heading()->font().bold());
    EXPECT_EQ(page->imgTiv()->geometry(), QRect(168, 360, 174, 124));
    EXPECT_EQ(page->imgNora()->geometry(), QRect(544, 360, 174, 124));
    EXPECT_FALSE(page->odonOk()->Active());
    EXPECT_FALSE(page->odonNem()->Active());
    EXPECT_FALSE(page->lblErtekel()->isVisible());

    std::vector<QRect> taken = {page->imgTiv()->geometry(), page->imgNora()->geometry(), page->odonOk()->geometry()};
    for (const TPlace& place : labels) {
        QLabel* label = LabelCaptioned(*page, QString::fromUtf8(place.caption));
        ASSERT_NE(label, nullptr) << place.caption;
        EXPECT_EQ(label->pos(), place.at) << place.caption;
        // The whole word shows inside the label.
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << place.caption;
        taken.push_back(label->geometry());
    }
    for (const TPlace& place : buttons) {
        TPushButton& button = ButtonOf(place.caption);
        EXPECT_EQ(button.pos(), place.at) << place.caption;
        EXPECT_LT(button.fontMetrics().horizontalAdvance(button.Caption()), button.width() - 8) << place.caption;
        taken.push_back(button.geometry());
    }
    for (std::size_t i = 0; i < taken.size(); ++i)
        for (std::size_t j = i + 1; j < taken.size(); ++j)
            EXPECT_FALSE(taken[i].intersects(taken[j])) << i << " overlaps " << j;
}

TEST_F(SummaryMatching, NoOnIgenCountsOneWrongPairingNoOnNemHidesTheButton)
{
    TPushButton& no = ButtonOf("NO ");
    DragOnto("NO ", LabelPoint("IGEN"));
    EXPECT_TRUE(no.isVisible());
    EXPECT_EQ(page->Wrong(), 1);
    EXPECT_TRUE(PlaysInFront(page->odonNem(), page->odonOk()));

    DragOnto("NO ", LabelPoint("NEM"));
    EXPECT_FALSE(no.isVisible());
    EXPECT_TRUE(PlaysInFront(page->odonOk(), page->odonNem()));
    EXPECT_EQ(page->Wrong(), 1);
    EXPECT_FALSE(page->lblErtekel()->isVisible());
}

TEST_F(SummaryMatching, TovabbOpensOnlyOnceAllEightArePlacedAndTheResultHasTwoSpaces)
{
    DragOnto("EXIT", LabelPoint("MÉGSEM"));
    for (int placed = 1; placed < 8; ++placed) {
        ASSERT_TRUE(SummaryDragMoves::MatchOne(*this, *page));
        EXPECT_FALSE(page->btnNext()->isEnabled()) << placed << " placed";
        EXPECT_FALSE(page->lblErtekel()->isVisible()) << placed << " placed";
    }
    ASSERT_TRUE(SummaryDragMoves::MatchOne(*this, *page));
    EXPECT_FALSE(SummaryDragMoves::MatchOne(*this, *page));
    EXPECT_TRUE(page->lblErtekel()->isVisible());
    EXPECT_EQ(page->lblErtekel()->text(), QStringLiteral("Helytelen párosítások száma:  1"));
    EXPECT_EQ(page->lblErtekel()->pos(), QPoint(544, 480));
    ASSERT_TRUE(page->btnNext()->isEnabled());
    EXPECT_EQ(page->btnNext()->Caption(), QStringLiteral("Tovább"));

    Click(page->btnNext());
    EXPECT_NE(CurrentPageAs<TOsszefoglJelolForm>(), nullptr) << CurrentPageName().toStdString();
}

TEST_F(SummaryMatching, DropsBesideTheLabelsDoNothing)
{
    TPushButton& yes = ButtonOf("YES ");
    // The background, both pictures, another button, and the word's neighbourhood.
    const QPoint elsewhere[] = {QPoint(40, 650), page->imgTiv()->geometry().center(),
                                page->imgNora()->geometry().center(), ButtonOf("CANCEL ").geometry().center(),
                                LabelPoint("IGEN") + QPoint(0, 30)};
    for (QPoint at : elsewhere) {
        DragOnto("YES ", at);
        EXPECT_TRUE(yes.isVisible());
        EXPECT_FALSE(page->odonOk()->Active());
        EXPECT_FALSE(page->odonNem()->Active());
    }
    EXPECT_EQ(page->Wrong(), 0);
    // Over a picture the drag shows it cannot drop.
    TDragDrop& drag = TDragDrop::Of(&yes);
    drag.Press(QPoint(5, 5), Qt::LeftButton);
    drag.Move(yes.mapFrom(page, page->imgTiv()->geometry().center()), Qt::LeftButton);
    EXPECT_EQ(yes.cursor().shape(), Qt::ForbiddenCursor);
    drag.Move(yes.mapFrom(page, LabelPoint("IGEN")), Qt::LeftButton);
    EXPECT_EQ(yes.cursor().shape(), Qt::DragMoveCursor);
    drag.Cancel();
}

TEST_F(SummaryMatching, TheWrongCountStopsAt255)
{
    TPushButton& yes = ButtonOf("YES ");
    for (int i = 0; i < 300; ++i)
        QuickDrop(yes, LabelPoint("NEM"));
    while (SummaryDragMoves::MatchOne(*this, *page)) {
    }
    EXPECT_EQ(page->lblErtekel()->text(), QStringLiteral("Helytelen párosítások száma:  255"));
}

} // namespace
