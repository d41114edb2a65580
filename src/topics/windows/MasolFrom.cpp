#include "MasolFrom.h"

#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/PushButton.h"
#include "framework/WindowGroup.h"
#include "platform/ErrorReport.h"
#include "platform/VirtualKey.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QRegion>

namespace {
constexpr int IconSize = 105;
constexpr int FrameWidth = 3;
const char* const IconFiles[] = {"tivadar_ico", "nora_ico", "tarolka_ico", "odon_ico", "nyilacska_ico", "lemezke_ico"};
} // namespace

TMasolFrom::TShared::TShared()
{
    for (int i = 0; i < IconCount; ++i)
        pictures[i] = LoadPng(QStringLiteral("ablakok\\") + QString::fromLatin1(IconFiles[i]) + QStringLiteral(".png"));
}

TMasolFrom::TMasolFrom(QWidget* host, int tag, TShared& shared)
    : TPracticeWindow(host, QStringLiteral("MasolFrom"), QStringLiteral("Másolás")), tag_(tag), shared_(shared)
{
    AllowSize = AllowMove = AllowMinimize = AllowMaximize = AllowClose = false;
    SetColour(Qt::white);
    SetBorder(TWindowFrame::TBorder::Single);
    SetClientSize(QSize(392, 481));
    QWidget* client = Client();
    img_ = new TImage(client, QRect(0, 0, 392, 217));
    img_->SetCenter(true);
    txtTask_ = Controls::Label(client, QRect(16, 328, 361, 149), QString(), PixelFont(QStringLiteral("Arial"), 16),
                               Qt::black, Qt::AlignHCenter | Qt::AlignTop, true);
    button1_ = new TPushButton(client, QRect(160, 440, 75, 25), QStringLiteral("Tovább!"));
    button1_->setVisible(false);
    button1_->OnClick = [this] {
        if (OnCheck)
            OnCheck();
    };
    for (int i = 0; i < IconCount; ++i) {
        frames_[i] = new QWidget(client);
        frames_[i]->setAutoFillBackground(true);
        frames_[i]->setVisible(false);
        icons_[i] = new TImage(client, QRect(0, 0, IconSize, IconSize));
        icons_[i]->setVisible(false);
        icons_[i]->SetPng(shared.pictures[i]);
    }
    // The task text over the frames' lowest rows it touches, the button over all.
    txtTask_->raise();
    button1_->raise();
}

void TMasolFrom::SetIcons(const std::set<int>& icons)
{
    set_ = icons;
}

void TMasolFrom::LayOut()
{
    int k = 0;
    for (int number : set_) {
        const QRect place(20 + k * (IconSize + 2), img_->height() + 5, IconSize, IconSize);
        icons_[number - 1]->setGeometry(place);
        icons_[number - 1]->setVisible(true);
        icons_[number - 1]->raise();
        QWidget* frame = frames_[number - 1];
        frame->setGeometry(place.adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
        // Only a ring: the icons' clear parts show the window's white, not the selection's blue.
        const QRegion ring = QRegion(frame->rect()).subtracted(QRegion(frame->rect().adjusted(
            FrameWidth, FrameWidth, -FrameWidth, -FrameWidth)));
        frame->setMask(ring);
        ++k;
    }
    shared_.focusIcon = 0;
    Repaint();
}

void TMasolFrom::Clear()
{
    for (int i = 0; i < IconCount; ++i) {
        icons_[i]->setVisible(false);
        icons_[i]->unsetCursor(); // a drag cut short keeps no drag pointer
        selected_[i] = false;
    }
    set_.clear();
    shared_.focusIcon = 0;
    Repaint();
}

void TMasolFrom::Repaint()
{
    for (int i = 0; i < IconCount; ++i) {
        const bool held = set_.count(i + 1) > 0;
        frames_[i]->setVisible(held);
        QPalette colours = frames_[i]->palette();
        colours.setColor(QPalette::Window, selected_[i] ? QColor(0, 0, 255) : QColor(255, 255, 255));
        frames_[i]->setPalette(colours);
    }
}

int TMasolFrom::IconAt(const QObject* watched) const
{
    for (int i = 0; i < IconCount; ++i)
        if (icons_[i] == watched && set_.count(i + 1))
            return i + 1;
    return 0;
}

void TMasolFrom::IconDown(int number, Qt::KeyboardModifiers modifiers)
{
    if (!selected_[number - 1] && !(modifiers & Qt::ControlModifier))
        selected_.fill(false);
    selected_[number - 1] = true;
    shared_.focusIcon = number;
    shared_.mouseDown = true;
    shared_.dragging = false;
    Repaint();
}

void TMasolFrom::IconDragged(int number, Qt::KeyboardModifiers modifiers)
{
    shared_.dragging = true;
    // The pointer tells the learner a drag is on, and whether the drop would copy.
    icons_[number - 1]->setCursor((modifiers & Qt::ControlModifier) ? Qt::DragCopyCursor : Qt::DragMoveCursor);
}

void TMasolFrom::IconUp(int number, QPoint global, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool dragged = shared_.dragging;
    icons_[number - 1]->unsetCursor();
    shared_.mouseDown = false;
    shared_.dragging = false;
    if (dragged) {
        // Ctrl as it is at the drop decides between copying and moving.
        if (TMasolFrom* target = DropTarget(global))
            target->Drop(*this, ctrl);
        return;
    }
    if (ctrl)
        return;
    for (int i = 0; i < IconCount; ++i)
        if (i + 1 != shared_.focusIcon)
            selected_[i] = false;
    Repaint();
}

TMasolFrom* TMasolFrom::DropTarget(QPoint global) const
{
    const auto windows = TWindowGroup::Of(parentWidget()).Windows();
    for (auto at = windows.rbegin(); at != windows.rend(); ++at) {
        TPracticeWindow* window = *at;
        if (!window->isVisible() || !window->geometry().contains(parentWidget()->mapFromGlobal(global)))
            continue;
        auto* target = qobject_cast<TMasolFrom*>(window);
        const bool inside = window->Client()->rect().contains(window->Client()->mapFromGlobal(global));
        if (target && target->tag_ == TargetTag && target->isEnabled() && inside)
            return target;
        return nullptr; // the topmost window under the pointer takes the drop or nobody does
    }
    return nullptr;
}

void TMasolFrom::Drop(TMasolFrom& source, bool copy)
{
    for (int i = 0; i < IconCount; ++i) {
        if (!source.selected_[i] || !source.set_.count(i + 1))
            continue;
        if (!copy)
            source.Remove(i);
        set_.insert(i + 1);
    }
    source.Repaint();
    LayOut();
    if (OnCheck)
        OnCheck();
}

void TMasolFrom::Remove(int index)
{
    set_.erase(index + 1);
    icons_[index]->setVisible(false);
    selected_[index] = false;
}

void TMasolFrom::ExtendSelection(int direction)
{
    // The nearest icon of the set that way; without one the selection stays as it is.
    for (int number = shared_.focusIcon + direction; number >= 1 && number <= IconCount; number += direction) {
        if (!set_.count(number))
            continue;
        selected_[number - 1] = true;
        shared_.focusIcon = number;
        Repaint();
        return;
    }
}

void TMasolFrom::FormKeyDown(int& key, Qt::KeyboardModifiers shift)
{
    const bool withShift = shift & Qt::ShiftModifier;
    if (withShift && (key == VirtualKey::Left || key == VirtualKey::Down)) {
        if (shared_.focusIcon >= 2)
            ExtendSelection(-1);
        key = 0;
    } else if (withShift && (key == VirtualKey::Right || key == VirtualKey::Up)) {
        if (shared_.focusIcon <= 5)
            ExtendSelection(+1);
        key = 0;
    } else if (key == VirtualKey::Delete) {
        for (int i = 0; i < IconCount; ++i)
            if (selected_[i])
                Remove(i);
        Repaint();
        key = 0;
        if (OnCheck)
            OnCheck();
    }
}

bool TMasolFrom::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseMove) {
        const int number = IconAt(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (number != 0 && (mouse->button() == Qt::LeftButton || type == QEvent::MouseMove)) {
            QPointer<TMasolFrom> self(this);
            Guarded([&] {
                if (type == QEvent::MouseButtonPress)
                    IconDown(number, mouse->modifiers());
                else if (type == QEvent::MouseMove && shared_.mouseDown && (mouse->buttons() & Qt::LeftButton))
                    IconDragged(number, mouse->modifiers());
                else if (type == QEvent::MouseButtonRelease)
                    IconUp(number, mouse->globalPosition().toPoint(), mouse->modifiers());
            });
            if (!self)
                return true;
        }
    }
    return TPracticeWindow::eventFilter(watched, event);
}
