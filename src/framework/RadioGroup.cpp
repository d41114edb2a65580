#include "RadioGroup.h"

#include "PageFocus.h"
#include "platform/ErrorReport.h"

#include <QKeyEvent>
#include <algorithm>
#include <QStylePainter>
#include <QRadioButton>
#include <QStyleOption>

namespace {
constexpr int CaptionHeight = 20;
constexpr int Border = 6;
} // namespace

TRadioGroup::TRadioGroup(QWidget* parent, const QRect& geometry, const QString& caption, const QStringList& items,
                         int columns)
    : QGroupBox(caption, parent)
{
    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
    TPageFocus::KeepArrows(this);
    columns_ = std::max(columns, 1);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        auto* item = new QRadioButton(items.at(i), this);
        // The group holds the focus; its items are chosen by click or by the group's keys.
        item->setFocusPolicy(Qt::NoFocus);
        connect(item, &QRadioButton::clicked, this, [this, i] {
            setFocus(Qt::MouseFocusReason);
            Choose(i);
        });
        items_.push_back(item);
    }
    Layout();
}

void TRadioGroup::Layout()
{
    const int count = Count();
    const int rows = (count + columns_ - 1) / columns_;
    const int columnWidth = (width() - 2 * Border) / columns_;
    const int rowHeight = rows > 0 ? (height() - CaptionHeight - Border) / rows : 0;
    for (int i = 0; i < count; ++i) {
        // A radio button takes clicks on its circle and caption only: it is as wide as they are.
        QRadioButton* item = Item(i);
        item->setFont(font());
        item->setGeometry(Border + (i / rows) * columnWidth, CaptionHeight + (i % rows) * rowHeight,
                          std::min(item->sizeHint().width(), columnWidth), rowHeight);
    }
}

void TRadioGroup::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Layout();
}

int TRadioGroup::ItemIndex() const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}

QString TRadioGroup::SelectedText() const
{
    const int index = ItemIndex();
    return index < 0 ? QString() : Item(index)->text();
}

void TRadioGroup::SetItemIndex(int index)
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        // Auto-exclusive buttons refuse to be all off.
        items_[i]->setAutoExclusive(false);
        items_[i]->setChecked(static_cast<int>(i) == index);
        items_[i]->setAutoExclusive(true);
    }
    update();
}

void TRadioGroup::Choose(int index)
{
    SetItemIndex(index);
    if (OnClick)
        Guarded(OnClick);
}

int TRadioGroup::CurrentItem() const
{
    return std::max(ItemIndex(), 0);
}

bool TRadioGroup::event(QEvent* event)
{
    // The group box keeps Space for a check box in its title, which this group never has: its
    // items take it, as they take the arrows.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return event->isAccepted();
    }
    return QGroupBox::event(event);
}

void TRadioGroup::keyPressEvent(QKeyEvent* event)
{
    if (items_.empty() || event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        QGroupBox::keyPressEvent(event);
        return;
    }
    const int count = Count();
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: Choose((CurrentItem() + count - 1) % count); return;
    case Qt::Key_Down:
    case Qt::Key_Right: Choose(ItemIndex() < 0 ? 0 : (ItemIndex() + 1) % count); return;
    case Qt::Key_Space: Choose(CurrentItem()); return;
    default: QGroupBox::keyPressEvent(event);
    }
}

void TRadioGroup::paintEvent(QPaintEvent*)
{
    // The style would also frame the caption of a focused group: the one frame belongs to the item
    // the keys act on.
    QStylePainter painter(this);
    QStyleOptionGroupBox frame;
    initStyleOption(&frame);
    frame.state &= ~QStyle::State_HasFocus;
    painter.drawComplexControl(QStyle::CC_GroupBox, frame);
    if (!hasFocus() || items_.empty())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = Item(CurrentItem())->geometry().adjusted(-1, 0, 1, 0);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
