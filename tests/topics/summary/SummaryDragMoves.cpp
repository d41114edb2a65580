#include "SummaryDragMoves.h"

#include "framework/DragListBox.h"
#include "framework/PushButton.h"
#include "support/Learner.h"
#include "topics/lists/ListsMoves.h"
#include "topics/summary/OsszefoglGomb2Form.h"
#include "topics/summary/OsszefoglListForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace SummaryDragMoves {

namespace {

// Each English caption with its Hungarian meaning.
const std::pair<const char*, const char*> Meanings[] = {
    {"YES ", "IGEN"},    {"ABORT ", "MEGSZAKÍTÁS"}, {"PLAY ", "LEJÁTSZÁS"}, {"RETRY ", "ISMÉTLÉS"},
    {"EXIT", "KILÉPÉS"}, {"CONTINUE", "FOLYTATÁS"}, {"CANCEL ", "MÉGSEM"},   {"NO ", "NEM"},
};

const QStringList GivenOrder = {QStringLiteral("Tárolka"),         QStringLiteral("Kábel Ödön"),
                                QStringLiteral("Nyilacska"),       QStringLiteral("Digit Nóra"),
                                QStringLiteral("Pixeles Tivadar"), QStringLiteral("Aladdin"),
                                QStringLiteral("Lemezke")};

QList<int> RowsOf(const TDragListBox& list, const QStringList& names)
{
    QList<int> rows;
    for (int row = 0; row < list.count(); ++row)
        if (names.contains(list.item(row)->text()))
            rows << row;
    return rows;
}

void Rebuild(TLearner& learner, TOsszefoglListForm& page, const QStringList& names)
{
    learner.Click(page.btnDelAll());
    for (const QString& name : names)
        AddName(learner, page, name);
}

// Sorting with "Fel" only: each name in turn is lifted to its place.
void SortWithArrows(TLearner& learner, TOsszefoglListForm& page)
{
    TDragListBox& list = *page.lbEditable();
    QStringList sorted = list.Items();
    sorted.sort(); // the seven names sort alike in either order
    for (int place = 0; place < sorted.size(); ++place) {
        const int row = ListsMoves::RowOf(list, sorted[place]);
        if (row <= place)
            continue;
        ListsMoves::ClickItem(learner, list, row);
        for (int at = row; at > place; --at)
            learner.Click(page.btnUp());
    }
}

} // namespace

TPushButton* ButtonCaptioned(TOsszefoglGomb2Form& page, const QString& caption)
{
    for (TPushButton* button : page.findChildren<TPushButton*>())
        if (button->Caption() == caption)
            return button;
    return nullptr;
}

QLabel* LabelCaptioned(TOsszefoglGomb2Form& page, const QString& caption)
{
    for (QLabel* label : page.findChildren<QLabel*>())
        if (label->text() == caption)
            return label;
    return nullptr;
}

void DragButton(TLearner& learner, TOsszefoglGomb2Form& page, TPushButton& button, QPoint pagePoint)
{
    learner.Drag(&button, button.rect().center(), button.mapFrom(&page, pagePoint));
}

bool MatchOne(TLearner& learner, TOsszefoglGomb2Form& page)
{
    for (const auto& [english, hungarian] : Meanings) {
        TPushButton* button = ButtonCaptioned(page, QString::fromUtf8(english));
        QLabel* label = LabelCaptioned(page, QString::fromUtf8(hungarian));
        if (button && label && button->isVisible()) {
            DragButton(learner, page, *button, label->geometry().center());
            return true;
        }
    }
    return false;
}

void AddName(TLearner& learner, TOsszefoglListForm& page, const QString& name)
{
    learner.Click(page.efList());
    page.efList()->clear();
    learner.TypeText(name);
    learner.Click(page.btnNew());
}

void SelectRows(TLearner& learner, TDragListBox& list, const QList<int>& rows)
{
    for (int i = 0; i < rows.size(); ++i)
        ListsMoves::ClickItem(learner, list, rows[i], i > 0);
}

void DragSelection(TLearner& learner, TOsszefoglListForm& page, bool ctrl)
{
    TDragListBox& from = *page.lbEditable();
    const QList<int> rows = from.SelectedRows();
    if (rows.isEmpty())
        return;
    const QPointer<QWidget> list(&from);
    if (ctrl)
        learner.SendKey(list, QEvent::KeyPress, Qt::Key_Control, QString(), Qt::ControlModifier);
    ListsMoves::DragItem(learner, from, rows.last(), *page.lbSimple());
    if (ctrl)
        learner.SendKey(list, QEvent::KeyRelease, Qt::Key_Control, QString());
}

void ListStep(TLearner& learner, TOsszefoglListForm& page)
{
    TDragListBox& list = *page.lbEditable();
    switch (page.Step()) {
    case 2: Rebuild(learner, page, GivenOrder); break;
    case 3: {
        QStringList names = list.Items();
        QStringList seven = GivenOrder;
        names.sort();
        seven.sort();
        if (names == seven)
            SortWithArrows(learner, page);
        else
            Rebuild(learner, page, seven);
        break;
    }
    case 4:
        if (list.count() < 4)
            break;
        SelectRows(learner, list, {2, 3});
        DragSelection(learner, page);
        break;
    case 5:
        SelectRows(learner, list, RowsOf(list, {QStringLiteral("Digit Nóra"), QStringLiteral("Pixeles Tivadar")}));
        DragSelection(learner, page);
        break;
    case 6: {
        const QList<int> odd = RowsOf(list, {QStringLiteral("Aladdin")});
        if (list.count() == 3 && odd.size() == 1) {
            SelectRows(learner, list, odd);
            learner.Click(page.btnDel());
        } else {
            Rebuild(learner, page, {QStringLiteral("Nyilacska"), QStringLiteral("Tárolka")});
        }
        break;
    }
    case 7:
        SelectRows(learner, list, RowsOf(list, {QStringLiteral("Nyilacska"), QStringLiteral("Tárolka")}));
        DragSelection(learner, page, true);
        break;
    case 8: learner.Click(page.btnDelAll()); break;
    default: learner.Click(page.btnTovabb()); break;
    }
}

bool Helpful(TLearner& learner)
{
    if (auto* page = learner.CurrentPageAs<TOsszefoglGomb2Form>()) {
        if (!MatchOne(learner, *page) && page->btnNext()->isEnabled())
            learner.Click(page->btnNext());
        return true;
    }
    if (auto* page = learner.CurrentPageAs<TOsszefoglListForm>()) {
        ListStep(learner, *page);
        return true;
    }
    return false;
}

} // namespace SummaryDragMoves
