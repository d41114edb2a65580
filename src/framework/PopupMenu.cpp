#include "PopupMenu.h"

#include "Fonts.h"
#include "KeyReleaseEater.h"
#include "Menu.h"
#include "PopupAttachments.h"
#include "RaisedFrame.h"
#include "platform/CourseError.h"
#include "platform/ErrorReport.h"
#include "platform/PageTimer.h"
#include "platform/Stage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

const QColor Highlight(0, 0, 128);
const QColor Grey(128, 128, 128);
const QColor DarkEdge(64, 64, 64);
// Room left of the text for the check mark, right of it for the submenu arrow, between the text
// and the shortcut column.
constexpr int CheckColumn = 20;
constexpr int ArrowColumn = 20;
constexpr int KeyGap = 24;
// A cascade overlaps its parent by the parent's border, as classic menus do.
constexpr int Overlap = TPopupMenu::Edge;

QPointer<TPopupMenu> current;

QFont MenuFont()
{
    return PixelFont(QStringLiteral("Arial"), 13);
}

QString KeyText(const TMenuItem& item)
{
    return item.ShortCut.isEmpty() ? QString() : item.ShortCut.toString(QKeySequence::PortableText);
}

QWidget* DefaultCanvas()
{
    if (TStage* stage = TStage::Current())
        return stage->Canvas();
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return window;
    return nullptr;
}

// The classic check mark, 7 x 7, one string per row.
void DrawCheck(QPainter& painter, QPoint at, const QColor& colour)
{
    static const char* const rows[] = {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."};
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (rows[y][x] == '#')
                painter.fillRect(at.x() + x, at.y() + y, 1, 1, colour);
}

// The submenu arrow: a solid triangle pointing right, 4 x 7.
void DrawArrow(QPainter& painter, QPoint at, const QColor& colour)
{
    for (int x = 0; x < 4; ++x)
        painter.fillRect(at.x() + x, at.y() + x, 1, 7 - 2 * x, colour);
}

} // namespace

TPopupMenu::TPopupMenu(QWidget* canvas, TMenu* menu, TMenuItem& items, TPopupMenu* parentColumn)
    : QWidget(canvas), canvas_(canvas), menu_(menu), items_(&items), parentColumn_(parentColumn)
{
    setObjectName(QStringLiteral("popupMenu"));
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setFont(MenuFont());
    const QFontMetrics metrics(font());
    for (int i = 0; i < items.Count(); ++i) {
        const TMenuItem& item = items.Item(i);
        if (!item.Visible)
            continue;
        rows_.push_back(i);
        textWidth_ = std::max(textWidth_, metrics.horizontalAdvance(item.Text()));
        keyWidth_ = std::max(keyWidth_, metrics.horizontalAdvance(KeyText(item)));
    }
    const int width = Edge + CheckColumn + textWidth_ + (keyWidth_ > 0 ? KeyGap + keyWidth_ : 0) + ArrowColumn + Edge;
    resize(width, 2 * Edge + static_cast<int>(rows_.size()) * RowHeight);
    hide();
}

TPopupMenu::~TPopupMenu()
{
    if (!parentColumn_ && reason_ == TCloseReason::StillOpen)
        qApp->removeEventFilter(this);
    delete child_.data();
}

TPopupMenu* TPopupMenu::Start(QWidget* canvas, TMenu* menu, TMenuItem& items)
{
    if (!canvas)
        canvas = DefaultCanvas();
    if (!canvas)
        throw TCourseError(QStringLiteral("No canvas to open a menu on"));
    // One menu at a time, as on the desktop.
    if (current)
        current->CloseAll();
    auto* root = new TPopupMenu(canvas, menu, items, nullptr);
    if (root->rows_.empty()) {
        delete root;
        return nullptr;
    }
    root->rest_ = new TPageTimer(root);
    root->rest_->SetInterval(SubmenuDelayMs);
    root->rest_->OnTimer([root] {
        root->rest_->SetEnabled(false);
        root->Rested();
    });
    // The columns show the description's items: they go when it goes.
    if (menu)
        connect(menu, &QObject::destroyed, root, [root] { root->Close(TCloseReason::Program); });
    root->focusBefore_ = canvas->focusWidget();
    current = root;
    qApp->installEventFilter(root);
    return root;
}

TPopupMenu* TPopupMenu::Open(TMenu* menu, TMenuItem& items, QPoint at, bool selectFirst)
{
    return Open(nullptr, menu, items, at, selectFirst);
}

TPopupMenu* TPopupMenu::Open(QWidget* canvas, TMenu* menu, TMenuItem& items, QPoint at, bool selectFirst)
{
    TPopupMenu* root = Start(canvas, menu, items);
    if (!root)
        return nullptr;
    const QRect area = root->Area();
    const int x = std::max(area.left(), std::min(at.x(), area.left() + area.width() - root->width()));
    int y = at.y();
    if (y + root->height() > area.top() + area.height())
        y = area.top() + area.height() - root->height();
    root->move(x, std::max(area.top(), y));
    root->show();
    root->raise();
    if (selectFirst)
        root->Select(root->FirstRow());
    return root;
}

TPopupMenu* TPopupMenu::PopupAt(TMenu* menu, QPoint at)
{
    return PopupAt(nullptr, menu, at);
}

TPopupMenu* TPopupMenu::PopupAt(QWidget* canvas, TMenu* menu, QPoint at)
{
    if (!menu)
        return nullptr;
    TPopupMenu* root = Start(canvas, menu, menu->Root());
    if (!root)
        return nullptr;
    const QRect area = root->Area();
    int x = at.x();
    if (x + root->width() > area.left() + area.width())
        x = at.x() - root->width();
    int y = at.y();
    if (y + root->height() > area.top() + area.height())
        y = at.y() - root->height();
    root->move(std::max(area.left(), x), std::max(area.top(), y));
    root->openedAt_ = at;
    root->show();
    root->raise();
    return root;
}

TPopupMenu* TPopupMenu::Current()
{
    return current;
}

void TPopupMenu::Attach(QWidget* control, TMenu* menu)
{
    TPopupAttachments::Instance().Set(control, menu);
}

TMenu* TPopupMenu::Attached(QWidget* control)
{
    return TPopupAttachments::Instance().Get(control);
}

TPopupMenu* TPopupMenu::Root()
{
    TPopupMenu* root = this;
    while (root->parentColumn_)
        root = root->parentColumn_;
    return root;
}

const TPopupMenu* TPopupMenu::Root() const
{
    const TPopupMenu* root = this;
    while (root->parentColumn_)
        root = root->parentColumn_;
    return root;
}

TPopupMenu* TPopupMenu::Deepest()
{
    TPopupMenu* deepest = this;
    while (deepest->child_)
        deepest = deepest->child_;
    return deepest;
}

int TPopupMenu::Depth() const
{
    return 1 + (child_ ? child_->Depth() : 0);
}

TPopupMenu* TPopupMenu::Column(int depth)
{
    TPopupMenu* column = this;
    for (int i = 0; i < depth && column; ++i)
        column = column->child_;
    return column;
}

QRect TPopupMenu::Area() const
{
    return canvas_->rect();
}

QRect TPopupMenu::RowRect(int index) const
{
    const auto at = std::find(rows_.begin(), rows_.end(), index);
    if (at == rows_.end())
        return {};
    const int row = static_cast<int>(at - rows_.begin());
    return {Edge, Edge + row * RowHeight, width() - 2 * Edge, RowHeight};
}

int TPopupMenu::RowAt(QPoint at) const
{
    if (at.x() < Edge || at.x() >= width() - Edge || at.y() < Edge)
        return -1;
    const std::size_t row = static_cast<std::size_t>((at.y() - Edge) / RowHeight);
    return row < rows_.size() ? rows_[row] : -1;
}

int TPopupMenu::FirstRow() const
{
    return rows_.empty() ? -1 : rows_.front();
}

void TPopupMenu::Select(int index)
{
    if (selected_ == index)
        return;
    selected_ = index;
    update();
}

void TPopupMenu::Step(int direction)
{
    if (rows_.empty())
        return;
    const int count = static_cast<int>(rows_.size());
    const auto at = std::find(rows_.begin(), rows_.end(), selected_);
    int row;
    if (at == rows_.end())
        row = direction > 0 ? 0 : count - 1;
    else
        row = (static_cast<int>(at - rows_.begin()) + direction + count) % count;
    Select(rows_[static_cast<std::size_t>(row)]);
}

void TPopupMenu::SetOwner(QWidget* owner)
{
    TPopupMenu* root = Root();
    root->owner_ = owner;
    if (owner)
        connect(owner, &QObject::destroyed, root, [root] { root->Close(TCloseReason::Owner); });
}

void TPopupMenu::OpenChild(bool selectFirst)
{
    if (selected_ < 0)
        return;
    TMenuItem& item = items_->Item(selected_);
    if (!item.HasSubmenu() || !item.Enabled)
        return;
    if (child_ && child_->items_ == &item) {
        if (selectFirst && child_->selected_ < 0)
            child_->Select(child_->FirstRow());
        return;
    }
    CloseChild();
    auto* column = new TPopupMenu(canvas_, menu_, item, this);
    if (column->rows_.empty()) {
        delete column;
        return;
    }
    const QRect area = Area();
    const int w = column->width();
    const int h = column->height();
    const int toRight = x() + width() - Overlap;
    const int toLeft = x() - w + Overlap;
    const bool roomRight = toRight + w <= area.left() + area.width();
    const bool roomLeft = toLeft >= area.left();
    // A cascade keeps the way it set out while there is room; otherwise it turns.
    bool left = leftward_ ? roomLeft || !roomRight : !roomRight && roomLeft;
    if (!roomLeft && !roomRight)
        left = x() - area.left() > area.left() + area.width() - (x() + width());
    int cx = left ? toLeft : toRight;
    cx = std::clamp(cx, area.left(), std::max(area.left(), area.left() + area.width() - w));
    int cy = pos().y() + RowRect(selected_).top() - Edge;
    if (cy + h > area.top() + area.height())
        cy = area.top() + area.height() - h;
    column->leftward_ = left;
    column->move(cx, std::max(area.top(), cy));
    column->show();
    column->raise();
    child_ = column;
    if (selectFirst)
        column->Select(column->FirstRow());
}

void TPopupMenu::CloseChild()
{
    if (!child_)
        return;
    TPopupMenu* child = child_;
    child_ = nullptr;
    child->CloseChild();
    child->hide();
    child->deleteLater();
}

void TPopupMenu::CloseAll()
{
    Root()->Close(TCloseReason::Program);
}

void TPopupMenu::Close(TCloseReason reason)
{
    if (parentColumn_) {
        Root()->Close(reason);
        return;
    }
    if (reason_ != TCloseReason::StillOpen)
        return;
    reason_ = reason;
    qApp->removeEventFilter(this);
    if (rest_)
        rest_->SetEnabled(false);
    CloseChild();
    hide();
    deleteLater();
    if (current == this)
        current = nullptr;
    TKeyReleaseEater::Instance().Take(keysDown_);
    keysDown_.clear();
    auto closed = std::move(OnClosed);
    OnClosed = nullptr;
    OnLeaveSideways = nullptr;
    if (closed)
        closed(reason == TCloseReason::Chosen);
}

void TPopupMenu::Finish(TMenuItem& item)
{
    // The menus are gone before the choice is reported: its handler may open a dialog or close
    // the page.
    QPointer<TMenu> menu(menu_);
    Root()->Close(TCloseReason::Chosen);
    if (menu)
        menu->Choose(item);
}

void TPopupMenu::Activate(int index)
{
    if (index < 0)
        return;
    TMenuItem& item = items_->Item(index);
    Select(index);
    if (!item.Enabled)
        return;
    if (item.HasSubmenu())
        OpenChild(true);
    else
        Finish(item);
}

void TPopupMenu::AccessLetter(QChar letter)
{
    const QChar wanted = letter.toUpper();
    std::vector<int> matches;
    for (int index : rows_)
        if (items_->Item(index).AccessKey().toUpper() == wanted)
            matches.push_back(index);
    if (matches.empty())
        for (int index : rows_) {
            const QString text = items_->Item(index).Text();
            if (!text.isEmpty() && text.at(0).toUpper() == wanted)
                matches.push_back(index);
        }
    if (matches.empty())
        return;
    if (matches.size() == 1) {
        Activate(matches.front());
        return;
    }
    // Several items share the letter: each press moves on to the next of them.
    const auto next = std::upper_bound(matches.begin(), matches.end(), selected_);
    Select(next == matches.end() ? matches.front() : *next);
}

void TPopupMenu::LeaveSideways(int direction)
{
    auto leave = OnLeaveSideways;
    if (leave)
        leave(direction);
}

void TPopupMenu::HandleKey(const QKeyEvent& event)
{
    TPopupMenu* deepest = Deepest();
    const int selected = deepest->selected_;
    const TMenuItem* item = selected >= 0 ? &deepest->items_->Item(selected) : nullptr;
    switch (event.key()) {
    case Qt::Key_Up: deepest->Step(-1); return;
    case Qt::Key_Down: deepest->Step(1); return;
    case Qt::Key_Home: deepest->Select(deepest->FirstRow()); return;
    case Qt::Key_End:
        if (!deepest->rows_.empty())
            deepest->Select(deepest->rows_.back());
        return;
    case Qt::Key_Right:
        if (item && item->HasSubmenu() && item->Enabled)
            deepest->OpenChild(true);
        else
            LeaveSideways(1);
        return;
    case Qt::Key_Left:
        if (deepest != this)
            deepest->parentColumn_->CloseChild();
        else
            LeaveSideways(-1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: deepest->Activate(selected); return;
    case Qt::Key_Escape:
        if (deepest != this)
            deepest->parentColumn_->CloseChild();
        else
            Close(TCloseReason::Escape);
        return;
    case Qt::Key_Alt:
        if (!event.isAutoRepeat())
            Close(TCloseReason::Alt);
        return;
    default: break;
    }
    const QString text = event.text();
    QChar letter;
    if (!text.isEmpty() && text.at(0).isPrint())
        letter = text.at(0);
    else if (event.key() > 0x20 && event.key() < 0x10000)
        letter = QChar(event.key());
    if (!letter.isNull() && !letter.isSpace())
        deepest->AccessLetter(letter);
}

TPopupMenu* TPopupMenu::ColumnAt(QPoint canvasAt)
{
    for (TPopupMenu* column = Deepest(); column; column = column->parentColumn_)
        if (column->geometry().contains(canvasAt))
            return column;
    return nullptr;
}

bool TPopupMenu::InChain(const QWidget* widget)
{
    for (TPopupMenu* column = this; column; column = column->child_)
        if (widget == column)
            return true;
    return false;
}

void TPopupMenu::PointerPress(QPoint canvasAt)
{
    TPopupMenu* column = ColumnAt(canvasAt);
    const int row = column ? column->RowAt(column->mapFromParent(canvasAt)) : -1;
    if (row < 0)
        return;
    rest_->SetEnabled(false);
    column->Select(row);
    if (column->items_->Item(row).HasSubmenu())
        column->OpenChild(false);
}

void TPopupMenu::PointerMove(QPoint canvasAt)
{
    if (openedAt_ != canvasAt)
        moved_ = true;
    TPopupMenu* column = ColumnAt(canvasAt);
    if (!column) {
        // Off the menus, the deepest column forgets a row unless it opened a submenu.
        TPopupMenu* deepest = Deepest();
        if (!deepest->child_)
            deepest->Select(-1);
        return;
    }
    // The columns above keep the rows this one hangs from.
    for (TPopupMenu* at = column; at->parentColumn_; at = at->parentColumn_) {
        const TMenuItem* parentItem = at->items_->Parent();
        for (int i = 0; parentItem && i < at->parentColumn_->items_->Count(); ++i)
            if (&at->parentColumn_->items_->Item(i) == parentItem)
                at->parentColumn_->Select(i);
    }
    const int row = column->RowAt(column->mapFromParent(canvasAt));
    if (row == column->selected_)
        return;
    column->Select(row);
    if (row < 0)
        return;
    const TMenuItem& item = column->items_->Item(row);
    if (!item.HasSubmenu() && !column->child_)
        return;
    // After a rest the row's submenu opens, or the submenu another row opened closes.
    restColumn_ = column;
    rest_->SetEnabled(false);
    rest_->SetEnabled(true);
}

void TPopupMenu::Rested()
{
    TPopupMenu* column = restColumn_;
    restColumn_ = nullptr;
    if (!column || !column->isVisible() || column->selected_ < 0)
        return;
    const TMenuItem& item = column->items_->Item(column->selected_);
    if (column->child_ && column->child_->items_ == &item)
        return;
    column->CloseChild();
    column->OpenChild(false);
}

void TPopupMenu::PointerRelease(QPoint canvasAt)
{
    // The release of the right click that opened a pop-up at the pointer is no choice.
    if (!moved_ && openedAt_ == canvasAt)
        return;
    TPopupMenu* column = ColumnAt(canvasAt);
    const int row = column ? column->RowAt(column->mapFromParent(canvasAt)) : -1;
    if (row < 0)
        return;
    TMenuItem& item = column->items_->Item(row);
    column->Select(row);
    if (item.HasSubmenu()) {
        column->OpenChild(false);
        return;
    }
    if (item.Enabled)
        Finish(item);
}

bool TPopupMenu::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here while the menus are open: the type is asked first.
    const QEvent::Type type = event->type();
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Leave:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::Hide: break;
    default: return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || reason_ != TCloseReason::StillOpen)
        return false;
    if (type == QEvent::Hide) {
        if (widget == owner_)
            Guarded([this] { Close(TCloseReason::Owner); });
        return false;
    }
    const bool inCanvas = widget == canvas_ || canvas_->isAncestorOf(widget);
    if (!inCanvas) {
        // A press on the bands beside the canvas closes the menus; one on the canvas comes on.
        TStage* stage = TStage::Current();
        if (type == QEvent::MouseButtonPress && stage && stage->Canvas() == canvas_ && widget == stage->viewport()) {
            const QPointF at = stage->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (!QRectF(canvas_->rect()).contains(at))
                Guarded([this] { Close(TCloseReason::Outside); });
        }
        return false;
    }
    const bool onOwner = owner_ && (widget == owner_ || owner_->isAncestorOf(widget));
    bool taken = true;
    Guarded([&] {
        switch (type) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<const QKeyEvent*>(event);
            keysDown_.insert(key->key());
            HandleKey(*key);
            return;
        }
        case QEvent::KeyRelease: keysDown_.erase(static_cast<const QKeyEvent*>(event)->key()); return;
        case QEvent::ShortcutOverride: event->accept(); return;
        case QEvent::Leave:
            taken = false;
            if (InChain(widget))
                PointerMove(QPoint(-1, -1));
            return;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            const QPoint at = widget->mapTo(canvas_, static_cast<QMouseEvent*>(event)->position().toPoint());
            if (type == QEvent::MouseMove) {
                PointerMove(at);
                taken = !onOwner;
            } else if (type == QEvent::MouseButtonRelease) {
                PointerRelease(at);
                taken = !onOwner;
            } else if (InChain(widget)) {
                PointerPress(at);
            } else if (onOwner) {
                taken = false;
            } else {
                // The press that closes the menus does nothing else: not even the focus it gave
                // the control under it on its way here stays there.
                QPointer<QWidget> focus = focusBefore_;
                Close(TCloseReason::Outside);
                if (focus && canvas_->focusWidget() != focus && focus->isVisible() && focus->isEnabled())
                    focus->setFocus(Qt::OtherFocusReason);
            }
            return;
        }
        default: return;
        }
    });
    return taken;
}

void TPopupMenu::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    // The classic raised edge, two pixels deep.
    painter.fillRect(rect(), RaisedFrame::Face);
    painter.setPen(RaisedFrame::Face);
    painter.drawLine(0, 0, w - 2, 0);
    painter.drawLine(0, 0, 0, h - 2);
    painter.setPen(Qt::white);
    painter.drawLine(1, 1, w - 3, 1);
    painter.drawLine(1, 1, 1, h - 3);
    painter.setPen(Grey);
    painter.drawLine(1, h - 2, w - 2, h - 2);
    painter.drawLine(w - 2, 1, w - 2, h - 2);
    painter.setPen(DarkEdge);
    painter.drawLine(0, h - 1, w - 1, h - 1);
    painter.drawLine(w - 1, 0, w - 1, h - 1);

    for (int index : rows_) {
        const TMenuItem& item = items_->Item(index);
        const QRect row = RowRect(index);
        const bool selected = index == selected_;
        if (selected)
            painter.fillRect(row, Highlight);
        const QRect text(row.left() + CheckColumn, row.top(), textWidth_ + 1, RowHeight);
        const QRect keys(row.right() - ArrowColumn - keyWidth_, row.top(), keyWidth_ + 1, RowHeight);
        const QPoint check(row.left() + 6, row.top() + (RowHeight - 7) / 2);
        const QPoint arrow(row.right() - 11, row.top() + (RowHeight - 7) / 2);
        const QString keyText = KeyText(item);
        auto drawItem = [&](QPoint offset, const QColor& colour) {
            painter.setPen(colour);
            if (item.Checked)
                DrawCheck(painter, check + offset, colour);
            painter.drawText(text.translated(offset), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                             item.Caption);
            if (!keyText.isEmpty())
                painter.drawText(keys.translated(offset), Qt::AlignRight | Qt::AlignVCenter, keyText);
            if (item.HasSubmenu())
                DrawArrow(painter, arrow + offset, colour);
        };
        if (item.Enabled) {
            drawItem(QPoint(0, 0), selected ? Qt::white : Qt::black);
        } else if (selected) {
            drawItem(QPoint(0, 0), Grey);
        } else {
            // Disabled: grey, embossed with a white shadow.
            drawItem(QPoint(1, 1), Qt::white);
            drawItem(QPoint(0, 0), Grey);
        }
    }
}
