#include "ListsCourse.h"

#include "platform/PageTimer.h"

#include <QTest>

namespace {

class GamePagesTest : public ListsCourse {
protected:
    void SetUp() override { OpenListsTopic(); }

    TListReflexJatekForm* StartGame()
    {
        auto* page = Reach<TListReflexJatekForm>(TListsStop::Reflex);
        if (page)
            Click(page->imgStart());
        return page;
    }

    // Selects the rows (the first by a click, the others with Ctrl) and drags from the last.
    void DropRows(TListReflexJatekForm& page, const QList<int>& rows)
    {
        ClickItem(*page.lbFrom(), rows.first());
        for (int i = 1; i < rows.size(); ++i)
            ClickItem(*page.lbFrom(), rows.at(i), true);
        DragItem(*page.lbFrom(), rows.last(), *page.lbTo());
    }

    QList<int> RowsOf(TListReflexJatekForm& page, const QStringList& words)
    {
        QList<int> rows;
        for (const QString& word : words)
            rows << ListsMoves::RowOf(*page.lbFrom(), word);
        return rows;
    }

    // A row holding none of the task's words.
    int OtherRow(TListReflexJatekForm& page)
    {
        for (int row = 0; row < page.lbFrom()->count(); ++row)
            if (!page.TargetWords().contains(page.lbFrom()->item(row)->text()))
                return row;
        return -1;
    }
};

TEST_F(GamePagesTest, ReflexSingleWordCountsTheCurrentItemAndRedDropsAreErrors)
{
    auto* page = StartGame();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->imgStart()->isVisible());
    EXPECT_EQ(page->lbFrom()->count(), 10);
    EXPECT_EQ(page->CurrentStep(), 1);
    ASSERT_EQ(page->TargetWords().size(), 1);
    EXPECT_EQ(page->lblSzavak()->text(), page->TargetWords().first());

    // The target selected too, but the item last pressed is another: wrong.
    const int target = ListsMoves::RowOf(*page->lbFrom(), page->TargetWords().first());
    const int other = OtherRow(*page);
    DropRows(*page, {target, other});
    EXPECT_EQ(page->Errors(), 1);
    EXPECT_EQ(page->lbTo()->Items(), QStringList({page->lbFrom()->item(other)->text()}));
    EXPECT_EQ(page->lbTo()->item(0)->foreground().color(), QColor(Qt::red));
    EXPECT_EQ(page->CurrentStep(), 1);

    DropRows(*page, {other, target});
    EXPECT_EQ(page->Errors(), 1);
    EXPECT_EQ(page->CurrentStep(), 2);
    EXPECT_EQ(page->lbFrom()->SelectedCount(), 0);
    EXPECT_EQ(page->lbFrom()->count(), 10) << "dropped words stay";
}

TEST_F(GamePagesTest, ReflexGroupsFourOrAWrongThreeAreOneErrorAndAnyOrderIsRight)
{
    auto* page = StartGame();
    ASSERT_NE(page, nullptr);
    for (int task = 0; task < 4; ++task)
        ListsMoves::ReflexTask(*this, *page);
    ASSERT_EQ(page->CurrentStep(), 5);
    ASSERT_EQ(page->TargetWords().size(), 3);
    QList<int> rows = RowsOf(*page, page->TargetWords());
    const int other = OtherRow(*page);
    DropRows(*page, rows + QList<int>{other});
    EXPECT_EQ(page->Errors(), 1);
    DropRows(*page, {rows.at(0), rows.at(1), other});
    EXPECT_EQ(page->Errors(), 2);
    EXPECT_EQ(page->lbTo()->count(), 3);
    DropRows(*page, {rows.at(2), rows.at(0), rows.at(1)});
    EXPECT_EQ(page->Errors(), 2);
    EXPECT_EQ(page->CurrentStep(), 6);
}

TEST_F(GamePagesTest, ReflexPlainClickOnASelectedWordStartsTheNextShiftBlock)
{
    auto* page = StartGame();
    ASSERT_NE(page, nullptr);
    TDragListBox& from = *page->lbFrom();
    const auto shiftClick = [&](int row) {
        QTest::mouseClick(from.viewport(), Qt::LeftButton, Qt::ShiftModifier, ListsMoves::ItemPoint(from, row));
        Settle();
    };
    ClickItem(from, 1);
    shiftClick(3);
    EXPECT_EQ(from.SelectedRows(), QList<int>({1, 2, 3}));
    // The block left over, as after a wrong drop: a plain click on one of its words starts anew there.
    ClickItem(from, 3);
    EXPECT_EQ(from.SelectedRows(), QList<int>({3}));
    shiftClick(5);
    EXPECT_EQ(from.SelectedRows(), QList<int>({3, 4, 5}));
    ClickItem(from, 4);
    PressKey(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(from.SelectedRows(), QList<int>({4, 5}));
}

TEST_F(GamePagesTest, ReflexClockShowsWholeSecondsAndSixtyIsStillFantastic)
{
    auto* page = StartGame();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->lblIdo()->text(), "00:00");
    time.Advance(59500);
    EXPECT_EQ(page->lblIdo()->text(), "00:59");
    time.Advance(500);
    EXPECT_EQ(page->lblIdo()->text(), "01:00");
    // A drag from empty space, and a drop with no current item, do nothing.
    page->lbFrom()->SetItemIndex(-1);
    const QPoint below(20, page->lbFrom()->viewport()->height() - 2);
    Drag(page->lbFrom()->viewport(), below,
         page->lbFrom()->viewport()->mapFromGlobal(page->lbTo()->mapToGlobal(page->lbTo()->rect().center())));
    EXPECT_EQ(page->Errors(), 0);
    EXPECT_EQ(page->lbTo()->count(), 0);
    ListsMoves::PlayReflex(*this, *page);
    EXPECT_TRUE(EvaluationText().startsWith("Feladat: Szóáthúzás<BR>Név: Anna<BR>Idő: 01:00<BR>Értékelés: "
                                            "Fantasztikus, géppuska kezed van!<BR>Hibaszám: 0 <BR>Értékelés: "
                                            "Hibátlan, nagyon ügyes vagy!"))
        << EvaluationText().toStdString();
    EXPECT_EQ(PagesAlive(), 1);
}

TEST_F(GamePagesTest, EditableListAdvancesOnlyOnWhatIsAskedAndTheHintDropsPerPhase)
{
    auto* page = Reach<TListEditableLBForm>(TListsStop::Editable);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->lblPapir()->text(), "Lemezke");
    EXPECT_FALSE(page->btnNew()->isEnabled());
    Click(page->efList());
    TypeText("Lemez");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(page->lbEditable()->count(), 1);
    TypeText("ke");
    EXPECT_TRUE(page->btnNew()->isEnabled());
    EXPECT_TRUE(page->lblHint()->isVisible());
    EXPECT_EQ(page->lblHint()->y(), 248);
    Click(page->btnNew());
    EXPECT_EQ(page->lbEditable()->Items(), QStringList({"Pixeles Tivadar", "Lemezke"}));
    EXPECT_EQ(page->lblPapir()->text(), "Nyilacska");
    EXPECT_EQ(sound.PlayedNames(), QStringList({"list_papirvalt.wav"}));
    for (const char* name : {"Nyilacska", "Digit Nóra"}) {
        TypeText(QString::fromUtf8(name));
        PressKey(Qt::Key_Return);
    }
    EXPECT_EQ(page->Phase(), TListEditableLBForm::TPhase::Insert);
    EXPECT_EQ(page->lblHint()->y(), 316);
    // The right name above the wrong item: nothing.
    ListsMoves::ChooseItem(*this, *page->lbEditable(), "Lemezke");
    Click(page->efList());
    TypeText("Kábel Ödön");
    Click(page->btnInsert());
    EXPECT_EQ(page->lbEditable()->count(), 4);
    Click(page->btnNext());
    EXPECT_EQ(CurrentPage(), page) << "Tovább before the list is cleared";

    // Delete two plus a third: nothing.
    page->efList()->clear();
    ListsMoves::ChooseItem(*this, *page->lbEditable(), "Nyilacska");
    Click(page->efList());
    TypeText("Kábel Ödön");
    Click(page->btnInsert());
    ListsMoves::ChooseItem(*this, *page->lbEditable(), "Digit Nóra");
    Click(page->efList());
    TypeText("Tárolka");
    Click(page->btnInsert());
    EXPECT_EQ(page->Phase(), TListEditableLBForm::TPhase::Delete);
    EXPECT_EQ(page->lblHint()->y(), 384);
    ListsMoves::ChooseItem(*this, *page->lbEditable(), "Tárolka");
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(page->lbEditable()->Items(),
              QStringList({"Pixeles Tivadar", "Lemezke", "Kábel Ödön", "Nyilacska", "Digit Nóra"}));
    TDragListBox& list = *page->lbEditable();
    ClickItem(list, 0);
    ClickItem(list, 4, true);
    ClickItem(list, 1, true);
    Click(page->btnDel());
    EXPECT_EQ(list.count(), 5);
    ClickItem(list, 1, true);
    Click(page->btnDel());
    EXPECT_EQ(list.Items(), QStringList({"Lemezke", "Kábel Ödön", "Nyilacska"}));
    EXPECT_EQ(page->lblHint()->y(), 452);
    Click(page->btnDelAll());
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(page->btnNext()->isEnabled());
    EXPECT_FALSE(page->btnNew()->isEnabled());
    EXPECT_EQ(page->lblText()->text(), "Ügyes vagy, a lista üres! Kattints a Tovább gombra!");
    EXPECT_EQ(page->lblHint()->text(), "");
    EXPECT_EQ(page->lblPapir()->text(), "");
    Click(page->btnNext());
    EXPECT_EQ(CurrentPageName(), "ListComboForm");
}

TEST_F(GamePagesTest, EditableInstructionFlashesRedThreeTimes)
{
    auto* page = Reach<TListEditableLBForm>(TListsStop::Editable);
    ASSERT_NE(page, nullptr);
    for (const char* name : {"Lemezke", "Nyilacska", "Digit Nóra"}) {
        Click(page->efList());
        page->efList()->clear();
        TypeText(QString::fromUtf8(name));
        PressKey(Qt::Key_Return);
    }
    QList<bool> red;
    for (int tick = 0; tick < 8; ++tick) {
        time.Advance(250);
        red << (page->lblText()->palette().color(QPalette::WindowText) == QColor(Qt::red));
    }
    EXPECT_EQ(red, QList<bool>({false, true, false, true, false, true, false, false}));
}

} // namespace
