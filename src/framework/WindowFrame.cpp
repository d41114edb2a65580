#include "WindowFrame.h"

namespace {
// How far along an edge from a corner the corner grip reaches.
constexpr int CornerReach = 16;
} // namespace

TWindowFrame::TWindowFrame(QSize outer, TBorder border, TBorderIcons icons, int menuHeight)
    : outer_(outer), border_(border), icons_(icons), menuHeight_(menuHeight)
{
}

QSize TWindowFrame::OuterSize(QSize client, TBorder border, int menuHeight)
{
    const int b = BorderWidth(border);
    return {client.width() + 2 * b, client.height() + 2 * b + TitleHeight + menuHeight};
}

QRect TWindowFrame::TitleRect() const
{
    const int b = Border();
    return {b, b, outer_.width() - 2 * b, TitleHeight - 1};
}

QRect TWindowFrame::IconRect() const
{
    const QRect title = TitleRect();
    return {title.left() + 2, title.top() + 1, 16, 16};
}

QRect TWindowFrame::MenuRect() const
{
    const int b = Border();
    return {b, b + TitleHeight, outer_.width() - 2 * b, menuHeight_};
}

QRect TWindowFrame::ClientRect() const
{
    const int b = Border();
    const int top = b + TitleHeight + menuHeight_;
    return {b, top, outer_.width() - 2 * b, outer_.height() - top - b};
}

TWindowFrame::TButtons TWindowFrame::Buttons() const
{
    TButtons buttons;
    // Without the system menu no button is drawn; a dialog frame offers close only.
    if (!icons_.systemMenu)
        return buttons;
    buttons.close = true;
    if (border_ == TBorder::Dialog || (!icons_.minimize && !icons_.maximize))
        return buttons;
    buttons.minimize = buttons.maximize = true;
    buttons.minimizeEnabled = icons_.minimize;
    buttons.maximizeEnabled = icons_.maximize;
    return buttons;
}

QRect TWindowFrame::CloseButtonRect() const
{
    const QRect title = TitleRect();
    return {title.right() - 1 - ButtonWidth, title.top() + 2, ButtonWidth, ButtonHeight};
}

QRect TWindowFrame::MaxButtonRect() const
{
    return CloseButtonRect().translated(-ButtonWidth - 2, 0);
}

QRect TWindowFrame::MinButtonRect() const
{
    return MaxButtonRect().translated(-ButtonWidth, 0);
}

TWindowFrame::THit TWindowFrame::HitTest(QPoint at) const
{
    if (!QRect(QPoint(0, 0), outer_).contains(at))
        return THit::None;
    const TButtons buttons = Buttons();
    if (buttons.close && CloseButtonRect().contains(at))
        return THit::CloseButton;
    if (buttons.maximize && MaxButtonRect().contains(at))
        return THit::MaxButton;
    if (buttons.minimize && MinButtonRect().contains(at))
        return THit::MinButton;
    if (ClientRect().contains(at) || MenuRect().contains(at))
        return THit::Client;
    if (TitleRect().contains(at))
        return THit::Title;
    if (border_ != TBorder::Sizeable)
        return THit::None; // a fixed border is only frame
    const int w = outer_.width();
    const int h = outer_.height();
    const bool left = at.x() < CornerReach;
    const bool right = at.x() >= w - CornerReach;
    const bool top = at.y() < CornerReach;
    const bool bottom = at.y() >= h - CornerReach;
    const int b = Border();
    const bool onLeft = at.x() < b;
    const bool onRight = at.x() >= w - b;
    const bool onTop = at.y() < b;
    const bool onBottom = at.y() >= h - b;
    if ((onLeft && top) || (onTop && left))
        return THit::TopLeft;
    if ((onRight && top) || (onTop && right))
        return THit::TopRight;
    if ((onLeft && bottom) || (onBottom && left))
        return THit::BottomLeft;
    if ((onRight && bottom) || (onBottom && right))
        return THit::BottomRight;
    if (onLeft)
        return THit::Left;
    if (onRight)
        return THit::Right;
    if (onTop)
        return THit::Top;
    if (onBottom)
        return THit::Bottom;
    return THit::None;
}
