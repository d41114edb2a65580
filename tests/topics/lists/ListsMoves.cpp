#include "ListsMoves.h"

#include "framework/DragListBox.h"
#include "framework/DropDownList.h"
#include "framework/EditCombo.h"
#include "framework/Image.h"
#include "framework/PushButton.h"
#include "support/Learner.h"
#include "topics/lists/ListComboForm.h"
#include "topics/lists/ListEditableLBForm.h"
#include "topics/lists/ListKajakForm.h"
#include "topics/lists/ListMertekCsopForm.h"
#include "topics/lists/ListMindenkiForm.h"
#include "topics/lists/ListReflexJatekForm.h"
#include "topics/lists/ListSzulinapForm.h"
#include "topics/lists/ListTVForm.h"
#include "topics/lists/List_LY_J_Form.h"
#include "topics/lists/ListsRoad.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace ListsMoves {

namespace {

void ClickNext(TLearner& learner, const QPointer<QWidget>& page, TPushButton* next)
{
    if (page && next->isEnabled())
        learner.Click(next);
}

void Choose(TDropDownList& list, const QString& text)
{
    list.setCurrentIndex(list.findText(text));
}

} // namespace

QPoint ItemPoint(TDragListBox& box, int row)
{
    box.scrollToItem(box.item(row));
    return box.visualItemRect(box.item(row)).center();
}

void ClickItem(TLearner& learner, TDragListBox& box, int row, bool ctrl)
{
    const QPoint at = ItemPoint(box, row);
    if (!ctrl) {
        learner.Click(box.viewport(), at);
        return;
    }
    QTest::mouseClick(box.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    TLearner::Settle();
}

void DragItem(TLearner& learner, TDragListBox& from, int row, TDragListBox& to)
{
    const QPoint start = ItemPoint(from, row);
    const QPoint end = from.viewport()->mapFromGlobal(to.viewport()->mapToGlobal(to.viewport()->rect().center()));
    learner.Drag(from.viewport(), start, end);
}

int RowOf(const TDragListBox& box, const QString& text)
{
    return static_cast<int>(box.Items().indexOf(text));
}

void ChooseItem(TLearner& learner, TDragListBox& box, const QString& text)
{
    ClickItem(learner, box, RowOf(box, text));
}

void SetGuide(TListTVForm& page)
{
    Choose(*page.cbAdo(), QStringLiteral("MiaSat"));
    Choose(*page.cbMusor(), QStringLiteral("Kandúr Bandi kalandjai"));
    Choose(*page.cbMufaj(), QStringLiteral("akciófilm"));
    Choose(*page.cbHNap(), QStringLiteral("szerda"));
    Choose(*page.cbOra(), QStringLiteral("17"));
    Choose(*page.cbPerc(), QStringLiteral("55"));
}

void SortUnits(TLearner& learner, TListMertekCsopForm& page)
{
    struct TMove {
        TDragListBox* from;
        const char* item;
        TDragListBox* to;
    };
    const TMove moves[] = {
        {page.lbHossz(), "Óra", page.lbIdo()},         {page.lbHossz(), "Kilogramm", page.lbTomeg()},
        {page.lbTomeg(), "Méter", page.lbHossz()},     {page.lbTomeg(), "Másodperc", page.lbIdo()},
        {page.lbIdo(), "Deciméter", page.lbHossz()},   {page.lbIdo(), "Gramm", page.lbTomeg()},
    };
    for (const TMove& move : moves) {
        const int row = RowOf(*move.from, QString::fromUtf8(move.item));
        if (row < 0)
            continue;
        ClickItem(learner, *move.from, row);
        DragItem(learner, *move.from, row, *move.to);
    }
}

void MoveJBirds(TLearner& learner, TList_LY_J_Form& page)
{
    TDragListBox& birds = *page.lbLY();
    const QStringList jBirds = {QStringLiteral("Papagáj"), QStringLiteral("Fürj"), QStringLiteral("Héja"),
                                QStringLiteral("Varjú")};
    QList<int> rows;
    for (int row = 0; row < birds.count(); ++row)
        if (jBirds.contains(birds.item(row)->text()))
            rows << row;
    if (rows.isEmpty())
        return;
    ClickItem(learner, birds, rows.first());
    if (page.Step() == ListsRoad::Shift) {
        for (int i = 1; i < rows.size(); ++i)
            learner.PressKey(Qt::Key_Down, Qt::ShiftModifier);
    } else {
        for (int i = 1; i < rows.size(); ++i)
            ClickItem(learner, birds, rows.at(i), true);
    }
    DragItem(learner, birds, rows.last(), *page.lbJ());
}

bool ReflexTask(TLearner& learner, TListReflexJatekForm& page)
{
    const QPointer<QWidget> alive(&page);
    if (page.imgStart()->isVisible()) {
        learner.Click(page.imgStart());
        return alive;
    }
    TDragListBox& from = *page.lbFrom();
    QList<int> rows;
    for (const QString& word : page.TargetWords()) {
        for (int row = 0; row < from.count(); ++row)
            if (from.item(row)->text() == word && !rows.contains(row)) {
                rows << row;
                break;
            }
    }
    if (rows.isEmpty())
        return false;
    ClickItem(learner, from, rows.first());
    for (int i = 1; i < rows.size(); ++i)
        ClickItem(learner, from, rows.at(i), true);
    DragItem(learner, from, rows.last(), *page.lbTo());
    return alive;
}

void PlayReflex(TLearner& learner, TListReflexJatekForm& page)
{
    const QPointer<QWidget> alive(&page);
    for (int task = 0; task <= 10 && alive; ++task)
        ReflexTask(learner, page);
}

void EditList(TLearner& learner, TListEditableLBForm& page)
{
    const QPointer<QWidget> alive(&page);
    auto type = [&](const QString& text) {
        learner.Click(page.efList());
        page.efList()->clear();
        learner.TypeText(text);
    };
    for (const char* name : {"Lemezke", "Nyilacska", "Digit Nóra"}) {
        type(QString::fromUtf8(name));
        learner.PressKey(Qt::Key_Return);
    }
    TDragListBox& list = *page.lbEditable();
    ChooseItem(learner, list, QStringLiteral("Nyilacska"));
    type(QStringLiteral("Kábel Ödön"));
    learner.Click(page.btnInsert());
    ChooseItem(learner, list, QStringLiteral("Digit Nóra"));
    type(QStringLiteral("Tárolka"));
    learner.Click(page.btnInsert());
    ChooseItem(learner, list, QStringLiteral("Tárolka"));
    learner.Click(page.btnDel());
    ChooseItem(learner, list, QStringLiteral("Pixeles Tivadar"));
    ClickItem(learner, list, RowOf(list, QStringLiteral("Digit Nóra")), true);
    learner.Click(page.btnDel());
    learner.Click(page.btnDelAll());
    ClickNext(learner, alive, page.btnNext());
}

void AddName(TLearner& learner, TEditCombo& box, const QString& name)
{
    learner.Click(box.lineEdit());
    box.lineEdit()->selectAll();
    learner.TypeText(name);
    learner.PressKey(Qt::Key_Return);
}

void FillCombos(TLearner& learner, TListComboForm& page)
{
    for (const char* name : {"Zsófia", "Katalin"})
        AddName(learner, *page.cbLany(), QString::fromUtf8(name));
    for (const char* name : {"Bence", "Gergő"})
        AddName(learner, *page.cbFiu(), QString::fromUtf8(name));
}

bool Helpful(TLearner& learner)
{
    TBaseForm* shown = learner.CurrentPage();
    const QPointer<QWidget> alive(shown);
    if (auto* page = dynamic_cast<TListMindenkiForm*>(shown)) {
        ChooseItem(learner, *page->ListBox1(), QStringLiteral("Tárolka"));
        ClickNext(learner, alive, page->btnNext());
    } else if (auto* page = dynamic_cast<TListKajakForm*>(shown)) {
        ChooseItem(learner, *page->ListBox1(), QStringLiteral("Tejföl"));
        ClickNext(learner, alive, page->btnNext());
    } else if (auto* page = dynamic_cast<TListSzulinapForm*>(shown)) {
        for (TDragListBox* box : {page->lbEv(), page->lbHonap(), page->lbNap()})
            ClickItem(learner, *box, 0);
        ClickNext(learner, alive, page->btnNext());
    } else if (auto* page = dynamic_cast<TListTVForm*>(shown)) {
        SetGuide(*page);
        ClickNext(learner, alive, page->btnNext());
    } else if (auto* page = dynamic_cast<TListMertekCsopForm*>(shown)) {
        SortUnits(learner, *page);
        ClickNext(learner, alive, page->btnNext());
    } else if (auto* page = dynamic_cast<TList_LY_J_Form*>(shown)) {
        MoveJBirds(learner, *page);
        ClickNext(learner, alive, page->btnNext());
    } else if (auto* page = dynamic_cast<TListReflexJatekForm*>(shown)) {
        PlayReflex(learner, *page);
    } else if (auto* page = dynamic_cast<TListEditableLBForm*>(shown)) {
        EditList(learner, *page);
    } else if (auto* page = dynamic_cast<TListComboForm*>(shown)) {
        FillCombos(learner, *page);
        ClickNext(learner, alive, page->btnNext());
    } else {
        return false;
    }
    return true;
}

} // namespace ListsMoves
