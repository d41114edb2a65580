#include "ListsCourse.h"

#include <QAbstractItemView>
#include <QTest>

namespace {

class LessonPagesTest : public ListsCourse {
protected:
    void SetUp() override { OpenListsTopic(); }

    // The visible label standing right above a control, or "".
    QString HeadingOver(const QWidget& control) const
    {
        for (const QLabel* label : CurrentPage()->findChildren<QLabel*>())
            if (label->isVisibleTo(CurrentPage()) && label->geometry().bottom() < control.y()
                && label->geometry().bottom() >= control.y() - 10 && label->x() <= control.x()
                && label->geometry().right() >= control.geometry().right())
                return label->text();
        return {};
    }

    // A press on a row, with modifiers, and no release yet.
    void Press(TDragListBox& box, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mousePress(box.viewport(), Qt::LeftButton, modifiers, ListsMoves::ItemPoint(box, row));
    }
    void Release(TDragListBox& box, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseRelease(box.viewport(), Qt::LeftButton, modifiers, ListsMoves::ItemPoint(box, row));
        Settle();
    }
};

TEST_F(LessonPagesTest, NamesAndFoodOpenTovabbOnlyForTheirItemByMouseOrArrows)
{
    auto* names = On<TListMindenkiForm>();
    ASSERT_NE(names, nullptr);
    QStringList labels;
    for (QLabel* label : names->NameLabels())
        labels << label->text();
    EXPECT_EQ(labels, QStringList({"Tárolka", "Nyilacska", "Lemezke", "Kábel Ödön", "Pixeles Tivadar", "Digit Nóra"}));
    EXPECT_GE(names->btnNext()->font().pixelSize(), 14) << "\"Tovább\" is read at a glance";
    ClickItem(*names->ListBox1(), 2);
    EXPECT_TRUE(names->btnNext()->isEnabled());
    PressKey(Qt::Key_Down);
    EXPECT_EQ(names->ListBox1()->SelectedItems(), QStringList({"Kábel Ödön"}));
    EXPECT_FALSE(names->btnNext()->isEnabled());
    PressKey(Qt::Key_Up);
    EXPECT_TRUE(names->btnNext()->isEnabled());
    Click(names->btnNext());

    auto* food = On<TListKajakForm>();
    ASSERT_NE(food, nullptr);
    ListsMoves::ChooseItem(*this, *food->ListBox1(), "Tejföl");
    EXPECT_TRUE(food->btnNext()->isEnabled());
    ListsMoves::ChooseItem(*this, *food->ListBox1(), "Sajt");
    EXPECT_FALSE(food->btnNext()->isEnabled());
    EXPECT_TRUE(food->Animate1()->FileName().endsWith("listkajakform.avi", Qt::CaseInsensitive));
}

TEST_F(LessonPagesTest, BirthdayYearsCountFromTheDateShown)
{
    time.SetToday(QDate(2026, 3, 15));
    auto* page = Reach<TListSzulinapForm>(TListsStop::Birthday);
    ASSERT_NE(page, nullptr);
    const QStringList years = page->lbEv()->Items();
    ASSERT_EQ(years.size(), 21);
    EXPECT_EQ(years.first(), "2029");
    EXPECT_EQ(years.last(), "2009");
    // The list opens at a schoolchild's birth years, none chosen.
    const TDragListBox& shown = *page->lbEv();
    EXPECT_EQ(shown.indexAt(QPoint(4, 4)).data().toString(), "2020");
    EXPECT_EQ(shown.SelectedCount(), 0);
    EXPECT_EQ(HeadingOver(*page->lbEv()), "Év");
    EXPECT_EQ(HeadingOver(*page->lbHonap()), "Hónap");
    EXPECT_EQ(HeadingOver(*page->lbNap()), "Nap");
    EXPECT_EQ(page->lbHonap()->Items().at(8), "szeptember");
    EXPECT_EQ(page->lbNap()->count(), 31);
    ClickItem(*page->lbEv(), 5);
    ClickItem(*page->lbHonap(), 0);
    EXPECT_FALSE(page->btnNext()->isEnabled());
    ClickItem(*page->lbNap(), 30);
    EXPECT_TRUE(page->btnNext()->isEnabled());
}

TEST_F(LessonPagesTest, TvGuideNeedsAllSixAndTheHourListEndsWithMidnight)
{
    auto* page = Reach<TListTVForm>(TListsStop::TV);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->cbAdo()->Text(), "Bika TV");
    EXPECT_EQ(page->cbMusor()->Text(), "Macskahíradó");
    EXPECT_EQ(page->cbOra()->count(), 24);
    EXPECT_EQ(page->cbOra()->itemText(16), "17");
    EXPECT_EQ(page->cbOra()->itemText(23), "00");
    EXPECT_EQ(page->cbPerc()->itemText(5), "05");
    EXPECT_EQ(page->cbAdo()->maxVisibleItems(), 5);
    QStringList headings;
    for (const QWidget* list : {page->cbAdo(), page->cbMusor(), page->cbMufaj(), page->cbHNap(), page->cbOra(),
                                page->cbPerc()})
        headings << HeadingOver(*list);
    EXPECT_EQ(headings, QStringList({"Adó", "Műsor", "Műfaj", "Nap", "Óra", "Perc"}));
    ListsMoves::SetGuide(*page);
    EXPECT_TRUE(page->btnNext()->isEnabled());
    page->cbPerc()->setFocus();
    PressKey(Qt::Key_Down);
    EXPECT_EQ(page->cbPerc()->Text(), "56");
    EXPECT_FALSE(page->btnNext()->isEnabled());
}

TEST_F(LessonPagesTest, TvListChosenInItsOpenListKeepsTheFocus)
{
    auto* page = Reach<TListTVForm>(TListsStop::TV);
    ASSERT_NE(page, nullptr);
    TDropDownList* programme = page->cbMusor();
    PressOnStage(Qt::Key_Tab);
    PressOnStage(Qt::Key_Tab);
    ASSERT_TRUE(programme->hasFocus());
    PressOnStage(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(programme->view()->isVisible());
    PressOnStage(Qt::Key_Down);
    PressOnStage(Qt::Key_Return);
    EXPECT_FALSE(programme->view()->isVisible());
    EXPECT_EQ(programme->Text(), "Kandúr Bandi kalandjai");
    EXPECT_TRUE(programme->hasFocus());
    PressOnStage(Qt::Key_Tab);
    EXPECT_TRUE(page->cbMufaj()->hasFocus());
    PressOnStage(Qt::Key_Down);
    EXPECT_EQ(page->cbMufaj()->Text(), "vígjáték");
    EXPECT_EQ(page->cbAdo()->Text(), "Bika TV");

    // A click in the open list chooses as Enter does.
    PressOnStage(Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = page->cbMufaj()->view();
    ASSERT_TRUE(list->isVisible());
    const QPoint sport = list->visualRect(list->model()->index(3, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, sport);
    Settle();
    EXPECT_EQ(page->cbMufaj()->Text(), "sport");
    EXPECT_TRUE(page->cbMufaj()->hasFocus());
    PressOnStage(Qt::Key_Down);
    EXPECT_EQ(page->cbMufaj()->Text(), "rajzfilm");
}

TEST_F(LessonPagesTest, UnitsClickMovesNothingButtonsCopyAndDragsReachEveryList)
{
    auto* page = Reach<TListMertekCsopForm>(TListsStop::Units);
    ASSERT_NE(page, nullptr);
    // The copy buttons fit between the lists, their captions readable and inside them.
    for (const TPushButton* button : {page->btnJobbra(), page->btnBalra()}) {
        EXPECT_GT(button->x(), page->lbHossz()->geometry().right());
        EXPECT_LT(button->geometry().right(), page->lbTomeg()->x());
        EXPECT_GE(button->font().pixelSize(), 13);
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->Caption()), button->width() - 6)
            << button->Caption().toStdString();
    }
    EXPECT_FALSE(page->btnJobbra()->isEnabled());
    ClickItem(*page->lbHossz(), 0);
    EXPECT_TRUE(page->btnJobbra()->isEnabled());
    // A press and release over another list is a click: nothing drops.
    QTest::mousePress(page->lbHossz()->viewport(), Qt::LeftButton, Qt::NoModifier, ListsMoves::ItemPoint(*page->lbHossz(), 0));
    QTest::mouseRelease(page->lbHossz()->viewport(), Qt::LeftButton, Qt::NoModifier, ListsMoves::ItemPoint(*page->lbHossz(), 0) + QPoint(3, 0));
    Settle();
    EXPECT_EQ(page->lbHossz()->count(), 3);
    EXPECT_EQ(page->lbIdo()->count(), 3);
    // A drag from empty space starts nothing.
    const QPoint empty(20, page->lbIdo()->viewport()->height() - 3);
    page->lbIdo()->SetItemIndex(-1);
    Drag(page->lbIdo()->viewport(), empty, page->lbIdo()->viewport()->mapFromGlobal(page->lbTomeg()->mapToGlobal(QPoint(40, 40))));
    EXPECT_EQ(page->lbTomeg()->count(), 3);
    Click(page->btnJobbra());
    EXPECT_EQ(page->lbTomeg()->Items(), QStringList({"Méter", "Másodperc", "Dekagramm", "Óra"}));
    // Onto itself: to the end of the same list.
    ClickItem(*page->lbTomeg(), 0);
    DragItem(*page->lbTomeg(), 0, *page->lbTomeg());
    EXPECT_EQ(page->lbTomeg()->Items(), QStringList({"Másodperc", "Dekagramm", "Óra", "Méter"}));
    DragItem(*page->lbTomeg(), 2, *page->lbIdo());
    EXPECT_EQ(page->lbIdo()->Items(), QStringList({"Perc", "Deciméter", "Gramm", "Óra"}));
}

TEST_F(LessonPagesTest, BirdsShiftPassRefusesFourPlusOneOrThreeThenTakesTheFour)
{
    auto* page = Reach<TList_LY_J_Form>(TListsStop::BirdsShift);
    ASSERT_NE(page, nullptr);
    TDragListBox& birds = *page->lbLY();
    ClickItem(birds, 5);
    for (int i = 0; i < 4; ++i)
        PressKey(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(birds.SelectedCount(), 5);
    DragItem(birds, 7, *page->lbJ());
    EXPECT_TRUE(page->lbFigyelmeztet()->isVisible());
    EXPECT_EQ(page->lbFigyelmeztet()->text(), "Kérlek, hogy egyszerre húzd át az összes j-s elemet! Próbáld újra!");
    EXPECT_EQ(birds.SelectedCount(), 0);
    EXPECT_EQ(page->lbJ()->count(), 0);

    ClickItem(birds, 6);
    EXPECT_FALSE(page->lbFigyelmeztet()->isVisible());
    PressKey(Qt::Key_Down, Qt::ShiftModifier);
    PressKey(Qt::Key_Down, Qt::ShiftModifier);
    DragItem(birds, 6, *page->lbJ());
    EXPECT_TRUE(page->lbFigyelmeztet()->isVisible());

    ListsMoves::MoveJBirds(*this, *page);
    EXPECT_EQ(page->lbJ()->Items(), QStringList({"Papagáj", "Fürj", "Héja", "Varjú"}));
    EXPECT_EQ(birds.count(), 6);
    EXPECT_TRUE(page->btnNext()->isEnabled());
    Click(page->btnNext());
    EXPECT_EQ(CurrentPage(), page);
    EXPECT_EQ(page->Step(), "CTRL");
    EXPECT_TRUE(page->imgBill()->isVisible());
    EXPECT_FALSE(page->btnNext()->isEnabled());
    EXPECT_EQ(page->lbJ()->count(), 0);
    EXPECT_EQ(birds.Items(), QStringList({"Bagoly", "Fogoly", "Fürj", "Gólya", "Héja", "Karvaly", "Ölyv", "Papagáj",
                                          "Sólyom", "Varjú"}));
    EXPECT_FALSE(BoardText("STEP"));
}

TEST_F(LessonPagesTest, BirdsCtrlPassRefusesAShiftRangeAndCtrlClickTogglesWithoutBreakingTheGroup)
{
    auto* page = Reach<TList_LY_J_Form>(TListsStop::BirdsCtrl);
    ASSERT_NE(page, nullptr);
    TDragListBox& birds = *page->lbLY();
    ClickItem(birds, 2);
    for (int i = 0; i < 3; ++i)
        PressKey(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(birds.SelectedItems(), QStringList({"Fürj", "Gólya", "Héja", "Karvaly"}));
    DragItem(birds, 2, *page->lbJ());
    EXPECT_TRUE(page->lbFigyelmeztet()->isVisible());

    ClickItem(birds, 2);
    for (int row : {4, 5, 7, 9})
        ClickItem(birds, row, true);
    EXPECT_EQ(birds.SelectedCount(), 5);
    // A press on a selected item keeps the group; the Ctrl release deselects only it.
    Press(birds, 5, Qt::ControlModifier);
    EXPECT_EQ(birds.SelectedCount(), 5);
    EXPECT_EQ(birds.ItemIndex(), 5);
    Release(birds, 5, Qt::ControlModifier);
    EXPECT_EQ(birds.SelectedItems(), QStringList({"Fürj", "Héja", "Papagáj", "Varjú"}));
    DragItem(birds, 7, *page->lbJ());
    EXPECT_EQ(page->lbJ()->Items(), QStringList({"Fürj", "Héja", "Papagáj", "Varjú"}));
    EXPECT_TRUE(page->btnNext()->isEnabled());
    // The list it came from refuses drops: dragging lbJ's items back does nothing.
    ClickItem(*page->lbJ(), 0);
    DragItem(*page->lbJ(), 0, birds);
    EXPECT_EQ(birds.count(), 6);
}

TEST_F(LessonPagesTest, CombosTakeValidNamesReplaceAnEditedChoiceAndBackspaceDeletesTheItem)
{
    auto* page = Reach<TListComboForm>(TListsStop::Combo);
    ASSERT_NE(page, nullptr);
    TEditCombo& girls = *page->cbLany();
    EXPECT_EQ(girls.Text(), "Ide gépelhetsz");
    for (const char* refused : {"Jo", "1Anna", "nóra", "VANDA"})
        ListsMoves::AddName(*this, girls, QString::fromUtf8(refused));
    EXPECT_EQ(girls.Items(), QStringList({"Nóra", "Veronika", "Vanda"}));
    EXPECT_EQ(girls.Text(), "VANDA") << "a refused name stays in the field";
    ListsMoves::AddName(*this, girls, "Éva");
    ListsMoves::AddName(*this, girls, "éva");
    EXPECT_EQ(girls.Items(), QStringList({"Nóra", "Veronika", "Vanda", "Éva"}));

    girls.setCurrentIndex(1);
    EXPECT_EQ(girls.Text(), "Veronika");
    Click(girls.lineEdit());
    PressKey(Qt::Key_End);
    TypeText("k");
    EXPECT_EQ(girls.ItemIndex(), 1) << "editing keeps the choice";
    PressKey(Qt::Key_Return);
    EXPECT_EQ(girls.Items(), QStringList({"Nóra", "Veronikak", "Vanda", "Éva"}));
    EXPECT_EQ(girls.Text(), "");

    girls.setCurrentIndex(2);
    Click(girls.lineEdit());
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(girls.Items(), QStringList({"Nóra", "Veronikak", "Éva"}));

    ListsMoves::AddName(*this, *page->cbFiu(), "Bence");
    ListsMoves::AddName(*this, *page->cbFiu(), "Gergő");
    ListsMoves::AddName(*this, girls, "Zsófia");
    EXPECT_FALSE(page->btnNext()->isEnabled());
    ListsMoves::AddName(*this, girls, "Boglárka");
    EXPECT_TRUE(page->btnNext()->isEnabled());
}

} // namespace
