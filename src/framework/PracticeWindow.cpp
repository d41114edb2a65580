#include "PracticeWindow.h"

#include "Fonts.h"
#include "RaisedFrame.h"
#include "WindowGroup.h"
#include "platform/ErrorReport.h"
#include "platform/Stage.h"
#include "platform/VirtualKey.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

using THit = TWindowFrame::THit;

TPracticeWindow::TPracticeWindow(QWidget* host, const QString& name, const QString& caption)
    : QWidget(host), group_(&TWindowGroup::Of(host)), caption_(caption)
{
    setObjectName(name);
    setVisible(false);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    TStage::MarkAsWindow(this);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    // The classic dialog face for controls that name none, as on every window of the course.
    client_->setFont(PixelFont(QStringLiteral("Arial"), 13));
    clickControls_.push_back(client_);
    SetColour(RaisedFrame::Face);
    setGeometry(0, 0, 300, 200);
    group_->Add(this);
    qApp->installEventFilter(this);
}

TPracticeWindow::~TPracticeWindow()
{
    qApp->removeEventFilter(this);
    CutHooks();
    // The menu bar goes while the window is still whole: it asks the window about keys to the end.
    delete menuBar_.data();
    if (auto* group = TWindowGroup::Find(parentWidget()))
        group->Remove(this);
}

void TPracticeWindow::CutHooks()
{
    OnMaximized = OnMinimizeRequest = OnMoveStart = OnMoveEnd = OnRestored = nullptr;
    OnActivate = OnShow = OnResize = OnClick = nullptr;
    OnClose = nullptr;
}

void TPracticeWindow::Notify(const TNotify& hook)
{
    if (hook)
        hook(*this);
}

TWindowFrame TPracticeWindow::Frame() const
{
    return TWindowFrame(size(), border_, icons_, menuHeight_);
}

bool TPracticeWindow::Active() const
{
    return group_->Active() == this;
}

bool TPracticeWindow::SystemCommand(TCommand command, THit edge)
{
    switch (command) {
    case TCommand::Move:
        if (!AllowMove || maximized_)
            return false;
        if (MoveRule == TMoveRule::KeepOnScreen
            && !QRect(0, 0, ScreenWidth, ScreenHeight).contains(geometry()))
            return false;
        Notify(OnMoveStart);
        loop_ = TLoop::Move;
        return true;
    case TCommand::Size:
        if (!AllowSize || maximized_ || border_ != TWindowFrame::TBorder::Sizeable || !TWindowFrame::IsEdge(edge))
            return false;
        loop_ = TLoop::Size;
        edge_ = edge;
        return true;
    case TCommand::Maximize:
        if (!AllowMaximize || maximized_)
            return false;
        DoMaximize();
        Notify(OnMaximized);
        return true;
    case TCommand::Minimize: {
        QPointer<TPracticeWindow> self(this);
        const bool carried = AllowMinimize && !minimized_;
        // Minimised before it hides, so that whoever watches the hiding (a task bar) keeps its button.
        if (carried) {
            minimized_ = true;
            Hide();
        }
        if (self)
            Notify(OnMinimizeRequest);
        return carried;
    }
    case TCommand::Restore:
        if (!(AllowMinimize || AllowMaximize) || !(maximized_ || minimized_))
            return false;
        DoRestore();
        Notify(OnRestored);
        return true;
    case TCommand::Close:
        if (!AllowClose)
            return false;
        Close();
        return true;
    }
    return false;
}

void TPracticeWindow::DoMaximize()
{
    normal_ = geometry();
    maximized_ = true;
    setGeometry(0, 0, ScreenWidth, ScreenHeight);
}

void TPracticeWindow::DoRestore()
{
    if (minimized_) {
        Show();
        return;
    }
    maximized_ = false;
    setGeometry(normal_);
}

void TPracticeWindow::Close()
{
    TCloseAction action = TCloseAction::Hide;
    QPointer<TPracticeWindow> self(this);
    if (OnClose)
        OnClose(*this, action);
    if (!self)
        return;
    if (action == TCloseAction::None)
        return;
    Hide();
    if (action == TCloseAction::Free)
        deleteLater();
}

void TPracticeWindow::Show()
{
    minimized_ = false;
    setVisible(true);
}

void TPracticeWindow::Hide()
{
    if (loop_ != TLoop::None)
        EndLoop();
    setVisible(false);
}

void TPracticeWindow::SetBounds(const QRect& outer)
{
    if (maximized_) {
        normal_ = outer;
        return;
    }
    setGeometry(outer);
}

void TPracticeWindow::SetClientSize(QSize client)
{
    const QSize outer = TWindowFrame::OuterSize(client, border_, menuHeight_);
    SetBounds(QRect(geometry().topLeft(), outer));
}

void TPracticeWindow::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void TPracticeWindow::SetIcon(const QImage& icon)
{
    icon_ = icon;
    update();
}

void TPracticeWindow::SetColour(const QColor& colour)
{
    QPalette colours = client_->palette();
    colours.setColor(QPalette::Window, colour);
    client_->setPalette(colours);
}

void TPracticeWindow::SetBorder(TWindowFrame::TBorder border)
{
    border_ = border;
    Layout();
    update();
}

void TPracticeWindow::SetBorderIcons(TWindowFrame::TBorderIcons icons)
{
    icons_ = icons;
    update();
}

void TPracticeWindow::SetStayOnTop(bool onTop)
{
    stayOnTop_ = onTop;
    group_->Restack();
}

void TPracticeWindow::SetSizeLimits(QSize minimum, QSize maximum)
{
    minSize_ = minimum;
    maxSize_ = maximum;
}

void TPracticeWindow::SetMenuBar(QWidget* bar, int height)
{
    menuBar_ = bar;
    menuHeight_ = bar ? height : 0;
    if (bar)
        bar->setParent(this);
    Layout();
}

void TPracticeWindow::Layout()
{
    const TWindowFrame frame = Frame();
    client_->setGeometry(frame.ClientRect());
    if (menuBar_) {
        menuBar_->setGeometry(frame.MenuRect());
        menuBar_->show();
    }
}

void TPracticeWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
    Guarded([this] { Notify(OnResize); });
}

void TPracticeWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Guarded([this] {
        QPointer<TPracticeWindow> self(this);
        Notify(OnShow);
        if (!self || !isVisible())
            return;
        group_->Raise(this);
        if (isEnabled())
            group_->Activate(this);
    });
}

void TPracticeWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    loop_ = TLoop::None;
    // Hidden with its host, the window keeps its place among the host's windows.
    if (isHidden())
        Guarded([this] { group_->Deactivated(this); });
}

void TPracticeWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        Guarded([this] { group_->Deactivated(this); });
}

void TPracticeWindow::closeEvent(QCloseEvent* event)
{
    // Only Alt+F4 reaches here (the stage closes the focused window): it is the learner's request.
    event->ignore();
    Guarded([this] { SystemCommand(TCommand::Close); });
}

QRect TPracticeWindow::MovedRect(QPoint delta) const
{
    QRect moved = loopRect_.translated(delta);
    if (MoveRule != TMoveRule::KeepOnScreen)
        return moved;
    if (moved.left() < 0)
        moved.moveLeft(0);
    else if (moved.left() + moved.width() > ScreenWidth)
        moved.moveLeft(ScreenWidth - moved.width());
    if (moved.top() < 0)
        moved.moveTop(0);
    else if (moved.top() + moved.height() > ScreenHeight)
        moved.moveTop(ScreenHeight - moved.height());
    return moved;
}

QRect TPracticeWindow::SizedRect(QPoint delta) const
{
    int left = loopRect_.left();
    int top = loopRect_.top();
    int right = loopRect_.left() + loopRect_.width();
    int bottom = loopRect_.top() + loopRect_.height();
    const bool west = edge_ == THit::Left || edge_ == THit::TopLeft || edge_ == THit::BottomLeft;
    const bool east = edge_ == THit::Right || edge_ == THit::TopRight || edge_ == THit::BottomRight;
    const bool north = edge_ == THit::Top || edge_ == THit::TopLeft || edge_ == THit::TopRight;
    const bool south = edge_ == THit::Bottom || edge_ == THit::BottomLeft || edge_ == THit::BottomRight;
    // The dragged edge moves; the opposite one stays, and the limits hold the size. A dragged
    // edge stops at the screen's edge (where the pointer may go on, past a canvas smaller than
    // the display), so the title and the far edges stay within reach; one already beyond stays.
    const auto lowEdge = [](int edge, int by) { return std::max(edge + by, std::min(edge, 0)); };
    const auto highEdge = [](int edge, int by, int screen) { return std::min(edge + by, std::max(edge, screen)); };
    if (west)
        left = std::clamp(lowEdge(left, delta.x()), right - maxSize_.width(), right - minSize_.width());
    if (east)
        right = std::clamp(highEdge(right, delta.x(), ScreenWidth), left + minSize_.width(), left + maxSize_.width());
    if (north)
        top = std::clamp(lowEdge(top, delta.y()), bottom - maxSize_.height(), bottom - minSize_.height());
    if (south)
        bottom = std::clamp(highEdge(bottom, delta.y(), ScreenHeight), top + minSize_.height(),
                            top + maxSize_.height());
    return {left, top, right - left, bottom - top};
}

void TPracticeWindow::EndLoop()
{
    loop_ = TLoop::None;
    edge_ = THit::None;
    Notify(OnMoveEnd);
}

void TPracticeWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const THit hit = Frame().HitTest(at);
    Guarded([&] {
        switch (hit) {
        case THit::MinButton:
        case THit::MaxButton:
        case THit::CloseButton:
            pressedButton_ = hit;
            update();
            return;
        default:
            if (hit != THit::Title && !TWindowFrame::IsEdge(hit))
                return;
            loopStart_ = event->globalPosition().toPoint();
            loopRect_ = geometry();
            SystemCommand(hit == THit::Title ? TCommand::Move : TCommand::Size, hit);
            return;
        }
    });
}

void TPracticeWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (loop_ == TLoop::None) {
        UpdateCursor(event->position().toPoint());
        return;
    }
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint delta = event->globalPosition().toPoint() - loopStart_;
    setGeometry(loop_ == TLoop::Move ? MovedRect(delta) : SizedRect(delta));
}

void TPracticeWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    Guarded([&] {
        if (loop_ != TLoop::None) {
            EndLoop();
            return;
        }
        const THit pressed = pressedButton_;
        pressedButton_ = THit::None;
        update();
        if (pressed == THit::None || Frame().HitTest(event->position().toPoint()) != pressed)
            return;
        const TWindowFrame::TButtons buttons = Frame().Buttons();
        if (pressed == THit::CloseButton)
            SystemCommand(TCommand::Close);
        else if (pressed == THit::MaxButton && buttons.maximizeEnabled)
            SystemCommand(maximized_ ? TCommand::Restore : TCommand::Maximize);
        else if (pressed == THit::MinButton && buttons.minimizeEnabled)
            SystemCommand(TCommand::Minimize);
    });
}

void TPracticeWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || Frame().HitTest(event->position().toPoint()) != THit::Title)
        return;
    // The title's double click asks for what the maximise button would, drawn or not.
    if (!icons_.maximize)
        return;
    Guarded([this] { SystemCommand(maximized_ ? TCommand::Restore : TCommand::Maximize); });
}

void TPracticeWindow::UpdateCursor(QPoint at)
{
    const THit hit = (border_ == TWindowFrame::TBorder::Sizeable && !maximized_) ? Frame().HitTest(at) : THit::None;
    switch (hit) {
    case THit::Left:
    case THit::Right: setCursor(Qt::SizeHorCursor); break;
    case THit::Top:
    case THit::Bottom: setCursor(Qt::SizeVerCursor); break;
    case THit::TopLeft:
    case THit::BottomRight: setCursor(Qt::SizeFDiagCursor); break;
    case THit::TopRight:
    case THit::BottomLeft: setCursor(Qt::SizeBDiagCursor); break;
    default: unsetCursor(); break;
    }
}

void TPracticeWindow::FormKeyDown(int&, Qt::KeyboardModifiers) {}
void TPracticeWindow::FormKeyUp(int&, Qt::KeyboardModifiers) {}

void TPracticeWindow::ClickThrough(QWidget* control)
{
    clickControls_.push_back(control);
}

bool TPracticeWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here: the type is asked first.
    const bool button = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease;
    if (button && std::find(clickControls_.begin(), clickControls_.end(), watched) != clickControls_.end()) {
        // A click on the client's own background, or on a control that passes it on, is the window's.
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* control = static_cast<QWidget*>(watched);
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            pressedControl_ = control;
        } else if (pressedControl_ == control) {
            pressedControl_ = nullptr;
            if (control->rect().contains(mouse->position().toPoint()))
                Guarded([this] { Notify(OnClick); });
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || !isVisible() || (target != this && !isAncestorOf(target)))
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    int key = VirtualKey::FromEvent(*keyEvent);
    if (key == 0)
        return false;
    if (!lastKey_.First(*keyEvent))
        return lastKey_.Swallowed();
    bool swallowed = false;
    QPointer<TPracticeWindow> self(this);
    Guarded([&] {
        if (event->type() == QEvent::KeyPress)
            FormKeyDown(key, keyEvent->modifiers());
        else
            FormKeyUp(key, keyEvent->modifiers());
        swallowed = key == 0;
    });
    if (self)
        lastKey_.SetSwallowed(swallowed);
    return swallowed;
}

void TPracticeWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const TWindowFrame frame = Frame();
    const QRect outer = rect();
    const QColor face = RaisedFrame::Face;
    painter.fillRect(outer, face);
    // Classic raised edge: light outside top-left, dark outside bottom-right.
    painter.setPen(face);
    painter.drawLine(0, 0, outer.width() - 2, 0);
    painter.drawLine(0, 0, 0, outer.height() - 2);
    painter.setPen(Qt::white);
    painter.drawLine(1, 1, outer.width() - 3, 1);
    painter.drawLine(1, 1, 1, outer.height() - 3);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(1, outer.height() - 2, outer.width() - 2, outer.height() - 2);
    painter.drawLine(outer.width() - 2, 1, outer.width() - 2, outer.height() - 2);
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(0, outer.height() - 1, outer.width() - 1, outer.height() - 1);
    painter.drawLine(outer.width() - 1, 0, outer.width() - 1, outer.height() - 1);

    const QRect title = frame.TitleRect();
    const bool active = Active();
    QLinearGradient gradient(title.topLeft(), title.topRight());
    gradient.setColorAt(0, active ? QColor(10, 36, 106) : QColor(128, 128, 128));
    gradient.setColorAt(1, active ? QColor(166, 202, 240) : QColor(192, 192, 192));
    painter.fillRect(title, gradient);

    int textLeft = title.left() + 3;
    if (!icon_.isNull()) {
        painter.drawImage(frame.IconRect(), icon_);
        textLeft = frame.IconRect().right() + 4;
    }
    const TWindowFrame::TButtons buttons = frame.Buttons();
    int textRight = title.right() - 2;
    if (buttons.close)
        textRight = (buttons.minimize ? frame.MinButtonRect() : frame.CloseButtonRect()).left() - 2;
    painter.setFont(PixelFont(QStringLiteral("Arial"), 11, true));
    painter.setPen(active ? Qt::white : face);
    painter.drawText(QRect(textLeft, title.top(), textRight - textLeft, title.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, caption_);

    if (buttons.minimize)
        DrawTitleButton(painter, frame.MinButtonRect(), TGlyph::Minimise, buttons.minimizeEnabled,
                        pressedButton_ == THit::MinButton);
    if (buttons.maximize)
        DrawTitleButton(painter, frame.MaxButtonRect(), maximized_ ? TGlyph::Restore : TGlyph::Maximise,
                        buttons.maximizeEnabled, pressedButton_ == THit::MaxButton);
    if (buttons.close)
        DrawTitleButton(painter, frame.CloseButtonRect(), TGlyph::Close, true, pressedButton_ == THit::CloseButton);
}

void TPracticeWindow::DrawTitleButton(QPainter& painter, const QRect& r, TGlyph glyph, bool enabled, bool down) const
{
    RaisedFrame::Draw(painter, r, down);
    const QPoint o = r.topLeft() + QPoint(down ? 5 : 4, down ? 4 : 3);
    auto glyphAt = [&](QPoint offset, const QColor& colour) {
        painter.setPen(colour);
        const QPoint p = o + offset;
        switch (glyph) {
        case TGlyph::Minimise: // a bar at the bottom
            painter.fillRect(QRect(p + QPoint(0, 6), QSize(6, 2)), colour);
            break;
        case TGlyph::Maximise: // a box with a thick top
            painter.drawRect(QRect(p, QSize(8, 7)));
            painter.drawLine(p + QPoint(0, 1), p + QPoint(8, 1));
            break;
        case TGlyph::Restore: // two boxes
            painter.drawRect(QRect(p + QPoint(2, -1), QSize(6, 5)));
            painter.fillRect(QRect(p + QPoint(0, 2), QSize(7, 6)), RaisedFrame::Face);
            painter.drawRect(QRect(p + QPoint(0, 2), QSize(6, 5)));
            painter.drawLine(p + QPoint(0, 3), p + QPoint(6, 3));
            break;
        case TGlyph::Close: // an X
            painter.drawLine(p, p + QPoint(7, 6));
            painter.drawLine(p + QPoint(1, 0), p + QPoint(8, 6));
            painter.drawLine(p + QPoint(7, 0), p + QPoint(0, 6));
            painter.drawLine(p + QPoint(8, 0), p + QPoint(1, 6));
            break;
        }
    };
    if (enabled) {
        glyphAt(QPoint(0, 0), Qt::black);
    } else {
        glyphAt(QPoint(1, 1), Qt::white);
        glyphAt(QPoint(0, 0), QColor(128, 128, 128));
    }
}
