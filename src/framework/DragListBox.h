#pragma once

#include "DragDrop.h"

#include <QColor>
#include <QListWidget>
#include <QStringList>
#include <functional>

// A classic list box: single or extended selection (switchable), optionally kept sorted in
// Hungarian order, a current item apart from the selection, and automatic dragging on plain mouse
// events. A press on a selected item (no Shift) changes nothing yet: 5 pixels of left-button
// movement drag the whole selection, an earlier release is a click on that item alone (with Ctrl:
// it is deselected). Every press moves the current item, and a plain one the start of the next
// Shift block, selected item or not. A drag starts only on an item and only
// with the left button; the release drops on the list box under it when that box accepts the
// source (the source itself too). A click never drops.
class TDragListBox : public QListWidget {
    Q_OBJECT
public:
    TDragListBox(QWidget* parent, const QRect& geometry, const QStringList& items = {});

    void SetMultiSelect(bool multiSelect);
    bool MultiSelect() const;
    // Sorted: the items are put in Hungarian order now and every added item takes its place.
    void SetSorted(bool sorted);
    bool Sorted() const { return sorted_; }
    void SetDragMode(bool automatic) { dragAutomatic_ = automatic; }
    bool Dragging() const { return drag_->Dragging(); }

    // Classic tag: a number a drop target may recognise its sources by.
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    // Drops are accepted from the list boxes of this name or tag (itself included when it matches).
    void AcceptFrom(const QString& sourceName) { acceptedNames_ << sourceName; }
    void AcceptFromTag(int tag) { acceptedTags_ << tag; }
    bool Accepts(const TDragListBox& source) const;

    QStringList Items() const;
    void SetItems(const QStringList& items);
    // Appends, or inserts at its sorted place in sorted mode.
    void Add(const QString& text);
    void Delete(int index);
    // Deletes the selected items, bottom up.
    void DeleteSelected();
    // The selected items' texts and rows, in list order.
    QStringList SelectedItems() const;
    QList<int> SelectedRows() const;
    int SelectedCount() const { return static_cast<int>(SelectedRows().size()); }
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    // The current item (the one last pressed or moved to), -1 without one.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);
    void SetItemsColour(const QColor& colour);
    // Every item this many pixels high, whatever its font.
    void SetItemHeight(int pixels);

    // Any change of the selection, by mouse or keys.
    std::function<void()> OnSelectionChange;
    std::function<void(Qt::MouseButton)> OnMouseDown;
    // A drop from source on this box (which accepts it).
    std::function<void(TDragListBox& source)> OnDragDrop;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // A point of the viewport in the box's own coordinates, where its drag helper works.
    QPoint InBox(QPoint viewportPoint) const;
    void SortItems();

    bool sorted_ = false;
    bool dragAutomatic_ = false;
    int tag_ = 0;
    QStringList acceptedNames_;
    QList<int> acceptedTags_;
    // The left press that may become a drag: where, on which row, and whether its click is deferred.
    bool pressed_ = false;
    bool deferred_ = false;
    TDragDrop* drag_;
    int pressRow_ = -1;
};
