#include "MenuBar.h"

#include "Fonts.h"
#include "KeyReleaseEater.h"
#include "Menu.h"
#include "PopupMenu.h"
#include "PracticeWindow.h"
#include "RaisedFrame.h"
#include "platform/ErrorReport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor Highlight(0, 0, 128);
const QColor Grey(128, 128, 128);
// Room each side of a title's text.
constexpr int TitlePad = 7;

QChar Letter(int qtKey)
{
    return qtKey > 0x20 && qtKey < 0x10000 ? QChar(qtKey) : QChar();
}
} // namespace

TMenuBar::TMenuBar(TPracticeWindow* window, TMenu* menu) : QWidget(window), window_(window), menu_(menu)
{
    setObjectName(QStringLiteral("menuBar"));
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setFont(PixelFont(QStringLiteral("Arial"), 13));
    window->SetMenuBar(this, BarHeight);
    // Installed after the window's and its page's filters, so the bar sees their keys first.
    qApp->installEventFilter(this);
}

TMenuBar::~TMenuBar()
{
    qApp->removeEventFilter(this);
    if (TPopupMenu* popup = popup_) {
        popup_ = nullptr;
        popup->OnClosed = nullptr;
        popup->OnLeaveSideways = nullptr;
        popup->CloseAll();
    }
}

QRect TMenuBar::TitleRect(int index) const
{
    if (!menu_ || index < 0 || index >= menu_->Root().Count() || !menu_->Root().Item(index).Visible)
        return {};
    const QFontMetrics metrics(font());
    int left = 0;
    for (int i = 0;; ++i) {
        const TMenuItem& item = menu_->Root().Item(i);
        if (!item.Visible)
            continue;
        const int width = metrics.horizontalAdvance(item.Text()) + 2 * TitlePad;
        if (i == index)
            return {left, 0, width, height()};
        left += width;
    }
}

int TMenuBar::TitleAt(QPoint at) const
{
    for (int i = 0; menu_ && i < menu_->Root().Count(); ++i)
        if (TitleRect(i).contains(at))
            return i;
    return -1;
}

int TMenuBar::OpenIndex() const
{
    return popup_ ? open_ : -1;
}

TPopupMenu* TMenuBar::OpenPopup() const
{
    return popup_;
}

bool TMenuBar::Active() const
{
    return armed_ || popup_;
}

int TMenuBar::Neighbour(int from, int direction) const
{
    const int count = menu_ ? menu_->Root().Count() : 0;
    if (count == 0)
        return -1;
    int at = from < 0 ? (direction > 0 ? -1 : count) : from;
    for (int step = 0; step < count; ++step) {
        at = (at + direction + count) % count;
        if (menu_->Root().Item(at).Visible)
            return at;
    }
    return -1;
}

int TMenuBar::TitleWithLetter(QChar letter) const
{
    if (letter.isNull() || !menu_)
        return -1;
    for (int i = 0; i < menu_->Root().Count(); ++i) {
        const TMenuItem& item = menu_->Root().Item(i);
        if (item.Visible && item.AccessKey().toUpper() == letter.toUpper())
            return i;
    }
    return -1;
}

void TMenuBar::Arm(int index)
{
    if (index < 0)
        return;
    armed_ = true;
    hot_ = index;
    pointerHot_ = false;
    update();
}

void TMenuBar::Disarm()
{
    armed_ = false;
    altAlone_ = false;
    open_ = -1;
    hot_ = -1;
    pointerHot_ = false;
    update();
}

void TMenuBar::OpenMenu(int index, bool selectFirst)
{
    if (!menu_ || index < 0 || index >= menu_->Root().Count())
        return;
    TMenuItem& top = menu_->Root().Item(index);
    if (!top.Visible || !top.EnabledOnPath())
        return;
    if (TPopupMenu* previous = popup_) {
        popup_ = nullptr;
        previous->OnClosed = nullptr;
        previous->CloseAll();
    }
    if (!top.HasSubmenu()) {
        // A title without items is a command of its own.
        Disarm();
        menu_->Choose(top);
        return;
    }
    QWidget* canvas = window();
    const QPoint at = mapTo(canvas, TitleRect(index).bottomLeft() + QPoint(0, 1));
    TPopupMenu* popup = TPopupMenu::Open(canvas, menu_, top, at, selectFirst);
    armed_ = true;
    altAlone_ = false;
    hot_ = open_ = index;
    pointerHot_ = false;
    if (popup) {
        popup_ = popup;
        popup->SetOwner(this);
        popup->OnClosed = [this](bool) { PopupClosed(); };
        popup->OnLeaveSideways = [this](int direction) {
            const int next = Neighbour(open_, direction);
            if (next != open_)
                OpenMenu(next, true);
        };
    }
    update();
    menu_->Opened(top);
}

void TMenuBar::PopupClosed()
{
    const TPopupMenu::TCloseReason reason = popup_ ? popup_->CloseReason() : TPopupMenu::TCloseReason::Program;
    popup_ = nullptr;
    open_ = -1;
    // Esc at the first level leaves the bar armed on the title; anything else ends the menu mode.
    if (reason == TPopupMenu::TCloseReason::Escape && Usable())
        Arm(hot_);
    else
        Disarm();
}

void TMenuBar::CloseAll()
{
    if (TPopupMenu* popup = popup_) {
        popup_ = nullptr;
        popup->OnClosed = nullptr;
        popup->CloseAll();
    }
    Disarm();
}

bool TMenuBar::Usable() const
{
    return menu_ && isVisible() && window_->isVisible() && window_->isEnabled() && window_->Active();
}

bool TMenuBar::HandleKey(int qtKey, Qt::KeyboardModifiers modifiers, bool press)
{
    if (!Usable()) {
        if (armed_ && !popup_)
            Disarm();
        altAlone_ = false;
        return false;
    }
    // An open menu takes its keys itself.
    if (popup_)
        return false;
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!press) {
        if (qtKey != Qt::Key_Alt)
            return false;
        // Alt let go with no other key since it went down arms or disarms the bar.
        const bool alone = altAlone_;
        altAlone_ = false;
        if (alone) {
            if (armed_)
                Disarm();
            else
                Arm(Neighbour(-1, 1));
        }
        return true;
    }
    bool taken = false;
    if (qtKey == Qt::Key_Alt) {
        altAlone_ = true;
        taken = true;
    } else {
        altAlone_ = false;
        if (armed_) {
            taken = ArmedKey(qtKey, held);
        } else {
            const int title = (held & Qt::AltModifier) && !(held & Qt::ControlModifier) ? TitleWithLetter(Letter(qtKey))
                                                                                        : -1;
            if (title >= 0) {
                OpenMenu(title, true);
                taken = true;
            } else if (TMenuItem* item = menu_->FindShortCut(qtKey, held)) {
                menu_->Choose(*item);
                taken = true;
            }
        }
    }
    if (taken && qtKey != Qt::Key_Alt)
        TKeyReleaseEater::Instance().Take(qtKey);
    return taken;
}

bool TMenuBar::ArmedKey(int qtKey, Qt::KeyboardModifiers)
{
    switch (qtKey) {
    case Qt::Key_Left: Arm(Neighbour(hot_, -1)); break;
    case Qt::Key_Right: Arm(Neighbour(hot_, 1)); break;
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_Return:
    case Qt::Key_Enter: OpenMenu(hot_, true); break;
    case Qt::Key_Escape: Disarm(); break;
    default:
        if (const int title = TitleWithLetter(Letter(qtKey)); title >= 0)
            OpenMenu(title, true);
        break;
    }
    // The armed bar is the keyboard's: no key reaches the window or the page meanwhile.
    return true;
}

bool TMenuBar::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here: the type is asked first.
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        // A click ends an Alt press; one anywhere but on the bar ends the armed state.
        altAlone_ = false;
        if (armed_ && !popup_ && watched != this)
            Guarded([this] { Disarm(); });
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || (target != window_ && !window_->isAncestorOf(target))) {
        // Keys the stage keeps for itself (Alt+F4) still end an Alt press.
        if (type == QEvent::KeyPress && key->key() != Qt::Key_Alt)
            altAlone_ = false;
        return false;
    }
    if (!lastKey_.First(*key))
        return lastKey_.Swallowed();
    bool taken = false;
    QPointer<TMenuBar> self(this);
    Guarded([&] { taken = HandleKey(key->key(), key->modifiers(), type == QEvent::KeyPress); });
    if (self)
        lastKey_.SetSwallowed(taken);
    return taken;
}

void TMenuBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int title = TitleAt(event->position().toPoint());
    Guarded([&] {
        if (title >= 0 && title == OpenIndex()) {
            // A press on the open title closes its menu.
            CloseAll();
            hot_ = title;
            pointerHot_ = true;
            update();
        } else if (title >= 0) {
            OpenMenu(title);
        } else {
            CloseAll();
        }
    });
}

void TMenuBar::mouseMoveEvent(QMouseEvent* event)
{
    const int title = TitleAt(event->position().toPoint());
    Guarded([&] {
        if (popup_) {
            if (title >= 0 && title != open_ && menu_->Root().Item(title).EnabledOnPath())
                OpenMenu(title);
            return;
        }
        if (!armed_ && hot_ != title) {
            hot_ = title;
            pointerHot_ = title >= 0;
            update();
        }
    });
}

void TMenuBar::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (!popup_ && !armed_ && pointerHot_) {
        hot_ = -1;
        pointerHot_ = false;
        update();
    }
}

void TMenuBar::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    Guarded([this] { CloseAll(); });
}

void TMenuBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), RaisedFrame::Face);
    if (!menu_)
        return;
    for (int i = 0; i < menu_->Root().Count(); ++i) {
        const QRect title = TitleRect(i);
        if (title.isEmpty())
            continue;
        const TMenuItem& item = menu_->Root().Item(i);
        const bool highlighted = i == hot_ && (i == OpenIndex() || (armed_ && !popup_));
        const bool pointed = i == hot_ && pointerHot_ && !armed_ && !popup_ && item.Enabled;
        QColor ink = item.Enabled ? QColor(Qt::black) : Grey;
        if (highlighted) {
            painter.fillRect(title, Highlight);
            ink = item.Enabled ? QColor(Qt::white) : Grey;
        } else if (pointed) {
            // Under the pointer the title stands out as a thin raised button.
            const QRect edge = title.adjusted(0, 1, -1, -2);
            painter.setPen(Qt::white);
            painter.drawLine(edge.topLeft(), edge.topRight());
            painter.drawLine(edge.topLeft(), edge.bottomLeft());
            painter.setPen(Grey);
            painter.drawLine(edge.bottomLeft(), edge.bottomRight());
            painter.drawLine(edge.topRight(), edge.bottomRight());
        }
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (!item.Enabled && !highlighted) {
            painter.setPen(Qt::white);
            painter.drawText(title.translated(1, 1), flags, item.Caption);
        }
        painter.setPen(ink);
        painter.drawText(title, flags, item.Caption);
    }
}
