#include "SummaryCourse.h"
#include "SummaryDragMoves.h"

#include "framework/DragListBox.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "topics/lists/ListsMoves.h"
#include "topics/summary/OsszefoglGomb2Form.h"
#include "topics/summary/OsszefoglListForm.h"
#include "topics/summary/OsszefoglPanelForm.h"

#include <QLabel>
#include <QLineEdit>

namespace {

using SummaryDragMoves::AddName;
using SummaryDragMoves::DragSelection;
using SummaryDragMoves::SelectRows;

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

class SummaryList : public SummaryCourse {
protected:
    void SetUp() override
    {
        OpenSummaryTopic();
        page = Stand<TOsszefoglListForm>();
        ASSERT_NE(page, nullptr);
    }

    // The steps before `step` done right.
    void Reach(int step)
    {
        for (int tries = 0; page->Step() < step && tries < 20; ++tries)
            SummaryDragMoves::ListStep(*this, *page);
        ASSERT_EQ(page->Step(), step);
    }

    void Names(const QStringList& names)
    {
        for (const QString& name : names)
            AddName(*this, *page, name);
    }

    QString Info() const { return page->txtInfo()->text(); }
    QColor InfoColour() const { return page->txtInfo()->palette().color(QPalette::WindowText); }
    QStringList Left() const { return page->lbEditable()->Items(); }
    QStringList Right() const { return page->lbSimple()->Items(); }

    TOsszefoglListForm* page = nullptr;
};

TEST_F(SummaryList, TheIntroductionWaitsForTovabbThenTheNamesAreAskedForInOneOrderOnly)
{
    EXPECT_EQ(Info(), QStringLiteral("A számítógépen a felsorolásokhoz gyakran listadobozokat használnak. Ezekben "
                                     "lehetnek például nevek, számok, színeket vagy mértékegységek. A listából "
                                     "kattintással választhatod ki a szavakat, vagyis az elemeket. A listákat "
                                     "szerkeszteni is lehet az alábbi gombok segítségével:"));
    EXPECT_EQ(InfoColour(), Blue);
    EXPECT_TRUE(page->btnTovabb()->isVisible());
    for (TPushButton* button : {page->btnNew(), page->btnInsert(), page->btnDel(), page->btnDelAll(), page->btnUp(),
                                page->btnDown()})
        EXPECT_FALSE(button->isEnabled()) << button->Caption().toStdString();

    Click(page->btnTovabb());
    EXPECT_EQ(Info(), QStringLiteral("Vedd fel a listába a neveket ebben a sorrendben: Tárolka, Kábel Ödön, "
                                     "Nyilacska, Digit Nóra, Pixeles Tivadar, Aladdin, Lemezke"));
    EXPECT_TRUE(page->txtInfo()->font().bold());
    EXPECT_FALSE(page->btnTovabb()->isVisible());
    EXPECT_TRUE(page->btnUp()->isEnabled());

    // Enter in the box adds as the button does; an empty box adds nothing.
    Click(page->efList());
    TypeText(QStringLiteral("Tárolka"));
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(page->efList()->text().isEmpty());
    Click(page->btnNew());
    Names({QStringLiteral("Kábel Ödön"), QStringLiteral("Nyilacska"), QStringLiteral("Digit Nóra"),
           QStringLiteral("Pixeles Tivadar"), QStringLiteral("Lemezke"), QStringLiteral("Aladdin")});
    EXPECT_EQ(Left().size(), 7);
    EXPECT_EQ(page->Step(), 2) << "Aladdin comes before Lemezke";

    ListsMoves::ClickItem(*this, *page->lbEditable(), 6);
    Click(page->btnUp());
    EXPECT_EQ(Info(), QStringLiteral("Rendezd a neveket ABC sorrendbe a nyílgombok segítségével!"));
    EXPECT_EQ(InfoColour(), Red);
}

TEST_F(SummaryList, NamesInAnotherOrderAreMendedWithLeFelAndBeszuras)
{
    Reach(2);
    Names({QStringLiteral("Nyilacska"), QStringLiteral("Kábel Ödön"), QStringLiteral("Digit Nóra"),
           QStringLiteral("Pixeles Tivadar"), QStringLiteral("Aladdin"), QStringLiteral("Lemezke")});
    TDragListBox& list = *page->lbEditable();
    ListsMoves::ClickItem(*this, list, 0);
    Click(page->btnDown());
    EXPECT_EQ(Left().mid(0, 3), (QStringList{QStringLiteral("Kábel Ödön"), QStringLiteral("Nyilacska"),
                                              QStringLiteral("Digit Nóra")}));
    // The moved name is the one selected, in its new place.
    EXPECT_EQ(list.SelectedRows(), QList<int>{1});
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(page->Step(), 2);

    ListsMoves::ClickItem(*this, list, 0);
    Click(page->efList());
    TypeText(QStringLiteral("Tárolka"));
    Click(page->btnInsert());
    EXPECT_EQ(page->Step(), 3);
    EXPECT_EQ(Left().first(), QStringLiteral("Tárolka"));
}

TEST_F(SummaryList, LeAndFelWithoutACurrentItemOrAtTheEndsChangeNothing)
{
    Reach(2);
    Names({QStringLiteral("Tárolka"), QStringLiteral("Aladdin")});
    TDragListBox& list = *page->lbEditable();
    list.SetItemIndex(-1);
    list.clearSelection();
    Click(page->btnDown());
    Click(page->btnUp());
    EXPECT_EQ(Left(), (QStringList{QStringLiteral("Tárolka"), QStringLiteral("Aladdin")}));

    ListsMoves::ClickItem(*this, list, 1);
    Click(page->btnDown());
    ListsMoves::ClickItem(*this, list, 0);
    Click(page->btnUp());
    EXPECT_EQ(Left(), (QStringList{QStringLiteral("Tárolka"), QStringLiteral("Aladdin")}));
}

TEST_F(SummaryList, SortingWithTheArrowsLeadsToTheDrags)
{
    Reach(3);
    SummaryDragMoves::ListStep(*this, *page);
    EXPECT_EQ(Info(), QStringLiteral("A harmadik és a negyedik elemet húzd át egyszerre a jobboldali listadobozba!"));
    EXPECT_EQ(InfoColour(), Blue);
    EXPECT_FALSE(page->btnDelAll()->isEnabled());
    EXPECT_EQ(Left(), (QStringList{QStringLiteral("Aladdin"), QStringLiteral("Digit Nóra"),
                                   QStringLiteral("Kábel Ödön"), QStringLiteral("Lemezke"), QStringLiteral("Nyilacska"),
                                   QStringLiteral("Pixeles Tivadar"), QStringLiteral("Tárolka")}));
}

TEST_F(SummaryList, TheThirdAndFourthMoveTogetherThenNoraAndTivadar)
{
    Reach(4);
    TDragListBox& list = *page->lbEditable();
    // A single name, or the wrong pair, stays.
    SelectRows(*this, list, {2});
    DragSelection(*this, *page);
    SelectRows(*this, list, {1, 2});
    DragSelection(*this, *page);
    EXPECT_TRUE(Right().isEmpty());
    EXPECT_EQ(page->Step(), 4);

    // The press on an already selected name keeps both for the drag.
    ListsMoves::ClickItem(*this, list, 2);
    PressKey(Qt::Key_Down, Qt::ShiftModifier);
    ListsMoves::DragItem(*this, list, 2, *page->lbSimple());
    EXPECT_EQ(Right(), (QStringList{QStringLiteral("Kábel Ödön"), QStringLiteral("Lemezke")}));
    EXPECT_EQ(Left(), (QStringList{QStringLiteral("Aladdin"), QStringLiteral("Digit Nóra"), QStringLiteral("Nyilacska"),
                                   QStringLiteral("Pixeles Tivadar"), QStringLiteral("Tárolka")}));
    EXPECT_EQ(Info(),
              QStringLiteral("Jelöld ki és húzd át egyszerre Tivadar és Nóra nevét a jobboldali listadobozba!"));
    EXPECT_EQ(InfoColour(), Red);

    // A drop on the background or on Ödön's picture takes nothing.
    SelectRows(*this, list, {1, 3});
    Drag(list.viewport(), ListsMoves::ItemPoint(list, 3),
         list.viewport()->mapFrom(page, page->imgOdon()->geometry().center()));
    Drag(list.viewport(), ListsMoves::ItemPoint(list, 3), list.viewport()->mapFrom(page, QPoint(500, 620)));
    EXPECT_EQ(page->Step(), 5);
    DragSelection(*this, *page);
    EXPECT_EQ(Right(), (QStringList{QStringLiteral("Kábel Ödön"), QStringLiteral("Lemezke"),
                                    QStringLiteral("Digit Nóra"), QStringLiteral("Pixeles Tivadar")}));
    EXPECT_EQ(Info(), QStringLiteral("Töröld a kakukktojást, vagyis az oda nem illő nevet a baloldali listából!"));
    EXPECT_TRUE(page->btnDel()->isEnabled());
}

TEST_F(SummaryList, TheLastTwoNamesAreCopiedOnlyWithCtrlHeldAtTheDrop)
{
    Reach(6);
    SummaryDragMoves::ListStep(*this, *page);
    EXPECT_EQ(Left(), (QStringList{QStringLiteral("Nyilacska"), QStringLiteral("Tárolka")}));
    EXPECT_EQ(Info(), QStringLiteral("A két megmaradt nevet jelöld ki egyszerre, aztán másold át őket a jobboldali "
                                     "listadobozba!"));
    const QStringList before = Right();

    TDragListBox& list = *page->lbEditable();
    SelectRows(*this, list, {0, 1});
    DragSelection(*this, *page);
    EXPECT_EQ(Right(), before);
    EXPECT_EQ(page->Step(), 7);

    DragSelection(*this, *page, true);
    EXPECT_FALSE(page->CtrlHeld());
    EXPECT_EQ(Right(), before + QStringList({QStringLiteral("Nyilacska"), QStringLiteral("Tárolka")}));
    EXPECT_EQ(Left(), (QStringList{QStringLiteral("Nyilacska"), QStringLiteral("Tárolka")}));
    EXPECT_EQ(Info(), QStringLiteral("Töröld a baloldali listadobozt egy gombnyomással!"));
}

TEST_F(SummaryList, CtrlCarriedByTheReleaseAloneCopiesToo)
{
    Reach(7);
    TDragListBox& list = *page->lbEditable();
    SelectRows(*this, list, {0, 1});
    const QPoint from = ListsMoves::ItemPoint(list, 1);
    const QPoint to = list.viewport()->mapFrom(page, page->lbSimple()->geometry().center());
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::ControlModifier, from);
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + (to - from) * step / 4;
        QMouseEvent move(QEvent::MouseMove, QPointF(at), list.viewport()->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::LeftButton, Qt::ControlModifier);
        QApplication::sendEvent(list.viewport(), &move);
    }
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::ControlModifier, to);
    Settle();
    EXPECT_EQ(page->Step(), 8);
    EXPECT_EQ(Left(), (QStringList{QStringLiteral("Nyilacska"), QStringLiteral("Tárolka")}));
}

TEST_F(SummaryList, TheLeftListClearedByTheButtonOrOneByOneLeadsToTovabb)
{
    Reach(8);
    Click(page->btnDelAll());
    EXPECT_EQ(Info(), QStringLiteral("Nyomd meg a Tovább gombot!"));
    EXPECT_EQ(InfoColour(), Red);
    ASSERT_TRUE(page->btnTovabb()->isVisible());
    Click(page->btnTovabb());
    EXPECT_NE(CurrentPageAs<TOsszefoglPanelForm>(), nullptr) << CurrentPageName().toStdString();

    page = Stand<TOsszefoglListForm>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Step(), 1);
    Reach(8);
    TDragListBox& list = *page->lbEditable();
    SelectRows(*this, list, {0});
    Click(page->btnDel());
    EXPECT_EQ(page->Step(), 8);
    SelectRows(*this, list, {0});
    Click(page->btnDel());
    EXPECT_EQ(page->Step(), 9);
    EXPECT_TRUE(page->btnTovabb()->isVisible());
}

TEST_F(SummaryList, TheReviewTablesFitBetweenTheInstructionAndTovabb)
{
    const QRect tables = page->TablesArea();
    EXPECT_GE(tables.top(), page->txtInfo()->geometry().bottom());
    EXPECT_LT(tables.bottom(), 720);
    EXPECT_GE(tables.left(), 0);
    EXPECT_LT(tables.right(), page->vissza()->x());
    // The introduction and the longest instruction (bold) stay inside their line.
    auto fits = [this] {
        QLabel& info = *page->txtInfo();
        return info.fontMetrics().boundingRect(QRect(0, 0, info.width(), 1000), Qt::TextWordWrap, info.text()).height()
               <= info.height();
    };
    EXPECT_TRUE(fits());
    Click(page->btnTovabb());
    EXPECT_TRUE(fits());
}

} // namespace

namespace {

// The moves the soak and the walkthrough take: each page is left forward in a few moves.
TEST_F(SummaryCourse, TheHelpfulMovesLeadThroughTheMatchingAndTheListPages)
{
    OpenSummaryTopic();
    Stand<TOsszefoglGomb2Form>();
    for (int move = 0; move < 10 && CurrentPageAs<TOsszefoglGomb2Form>(); ++move)
        ASSERT_TRUE(SummaryDragMoves::Helpful(*this));
    EXPECT_EQ(CurrentPageName(), "OsszefoglJelolForm");
    EXPECT_FALSE(SummaryDragMoves::Helpful(*this));

    Stand<TOsszefoglListForm>();
    for (int move = 0; move < 10 && CurrentPageAs<TOsszefoglListForm>(); ++move)
        ASSERT_TRUE(SummaryDragMoves::Helpful(*this));
    EXPECT_EQ(CurrentPageName(), "OsszefoglPanelForm");
    EXPECT_FALSE(ErrorBoxShown());
}

} // namespace
