#include "DragListBox.h"

#include "platform/ErrorReport.h"
#include "platform/HungarianText.h"

#include <QMouseEvent>
#include <QPointer>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

// Items of one height.
class TFixedHeightDelegate : public QStyledItemDelegate {
public:
    TFixedHeightDelegate(QObject* parent, int height) : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

} // namespace

TDragListBox::TDragListBox(QWidget* parent, const QRect& geometry, const QStringList& items) : QListWidget(parent)
{
    setGeometry(geometry);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    addItems(items);
    drag_ = &TDragDrop::Of(this);
    drag_->OnDragOver = [this](QWidget& source) {
        auto* box = qobject_cast<TDragListBox*>(&source);
        return box && Accepts(*box);
    };
    drag_->OnDragDrop = [this](QWidget& source, QPoint) {
        if (OnDragDrop)
            OnDragDrop(*qobject_cast<TDragListBox*>(&source));
    };
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (OnSelectionChange)
            Guarded([this] { OnSelectionChange(); });
    });
}

void TDragListBox::SetMultiSelect(bool multiSelect)
{
    setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

bool TDragListBox::MultiSelect() const
{
    return selectionMode() == QAbstractItemView::ExtendedSelection;
}

void TDragListBox::SetSorted(bool sorted)
{
    sorted_ = sorted;
    if (sorted_)
        SortItems();
}

void TDragListBox::SortItems()
{
    QStringList items = Items();
    std::stable_sort(items.begin(), items.end(),
                     [](const QString& a, const QString& b) { return HungarianText::Compare(a, b) < 0; });
    if (items != Items())
        SetItems(items);
}

bool TDragListBox::Accepts(const TDragListBox& source) const
{
    return acceptedNames_.contains(source.objectName()) || acceptedTags_.contains(source.Tag());
}

QStringList TDragListBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << item(i)->text();
    return items;
}

void TDragListBox::SetItems(const QStringList& items)
{
    clear();
    addItems(items);
    if (sorted_)
        SortItems();
}

void TDragListBox::Add(const QString& text)
{
    if (!sorted_) {
        addItem(text);
        return;
    }
    int at = 0;
    while (at < count() && HungarianText::Compare(item(at)->text(), text) <= 0)
        ++at;
    insertItem(at, text);
}

void TDragListBox::Delete(int index)
{
    delete takeItem(index);
}

void TDragListBox::DeleteSelected()
{
    const QList<int> rows = SelectedRows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        Delete(*row);
}

QList<int> TDragListBox::SelectedRows() const
{
    QList<int> rows;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            rows << i;
    return rows;
}

QStringList TDragListBox::SelectedItems() const
{
    QStringList texts;
    for (int row : SelectedRows())
        texts << item(row)->text();
    return texts;
}

bool TDragListBox::Selected(int index) const
{
    return index >= 0 && index < count() && item(index)->isSelected();
}

void TDragListBox::SetSelected(int index, bool selected)
{
    if (index >= 0 && index < count())
        item(index)->setSelected(selected);
}

void TDragListBox::SetItemIndex(int index)
{
    setCurrentRow(index, QItemSelectionModel::NoUpdate);
}

void TDragListBox::SetItemsColour(const QColor& colour)
{
    for (int i = 0; i < count(); ++i)
        item(i)->setForeground(colour);
}

void TDragListBox::SetItemHeight(int pixels)
{
    QAbstractItemDelegate* old = itemDelegate();
    setItemDelegate(new TFixedHeightDelegate(this, pixels));
    delete old;
    setUniformItemSizes(true);
}

void TDragListBox::mousePressEvent(QMouseEvent* event)
{
    QPointer<TDragListBox> self(this);
    if (OnMouseDown)
        Guarded([&] { OnMouseDown(event->button()); });
    if (!self)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool left = event->button() == Qt::LeftButton;
    pressed_ = left && index.isValid();
    deferred_ = false;
    drag_->Cancel();
    if (pressed_ && dragAutomatic_)
        drag_->Press(InBox(event->position().toPoint()), event->button());
    pressRow_ = index.isValid() ? index.row() : -1;
    if (pressed_ && item(pressRow_)->isSelected() && !(event->modifiers() & Qt::ShiftModifier)) {
        // The selection may be what the learner is about to drag: it waits for the release. A plain
        // press hands the base its press all the same: it selects nothing on a selected item, but
        // the next Shift block starts here, not at an older press.
        deferred_ = true;
        if (!(event->modifiers() & Qt::ControlModifier))
            QListWidget::mousePressEvent(event);
        setFocus(Qt::MouseFocusReason);
        SetItemIndex(pressRow_);
        return;
    }
    QListWidget::mousePressEvent(event);
    if (self && index.isValid())
        SetItemIndex(index.row());
}

void TDragListBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!pressed_) {
        // No drag from empty space: the move selects nothing either.
        if (!(event->buttons() & Qt::LeftButton))
            QListWidget::mouseMoveEvent(event);
        return;
    }
    drag_->Move(InBox(event->position().toPoint()), event->buttons());
}

void TDragListBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_) {
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    const bool deferred = deferred_;
    const int row = pressRow_;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    pressed_ = false;
    deferred_ = false;
    // A drop may close the page: nothing of it is touched afterwards.
    if (drag_->Release(InBox(event->position().toPoint())))
        return;
    if (deferred && row < count()) {
        if (ctrl) {
            item(row)->setSelected(false);
        } else {
            clearSelection();
            item(row)->setSelected(true);
        }
        SetItemIndex(row);
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}

void TDragListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

QPoint TDragListBox::InBox(QPoint viewportPoint) const
{
    return viewport()->mapTo(this, viewportPoint);
}
