#pragma once

#include <QRect>

// The classic window frame's metrics and what lies under a point of it, in window coordinates:
// a 4 px sizing border or a 3 px single/dialog border, the 19 px title bar with its icon and
// buttons, a menu-bar slot and the client area below.
class TWindowFrame {
public:
    enum class TBorder { Sizeable, Single, Dialog };
    // The title-bar buttons a window asks for; close comes with the system menu.
    struct TBorderIcons {
        bool systemMenu = true;
        bool minimize = true;
        bool maximize = true;
    };
    enum class THit { None, Client, Title, MinButton, MaxButton, CloseButton, Left, Right, Top, Bottom,
                      TopLeft, TopRight, BottomLeft, BottomRight };
    // Which title-bar buttons are drawn, and whether min/max are usable.
    struct TButtons {
        bool close = false;
        bool minimize = false;
        bool maximize = false;
        bool minimizeEnabled = false;
        bool maximizeEnabled = false;
    };

    static constexpr int TitleHeight = 19;
    static constexpr int ButtonWidth = 16;
    static constexpr int ButtonHeight = 14;

    TWindowFrame(QSize outer, TBorder border, TBorderIcons icons, int menuHeight);

    static int BorderWidth(TBorder border) { return border == TBorder::Sizeable ? 4 : 3; }
    static QSize OuterSize(QSize client, TBorder border, int menuHeight);

    int Border() const { return BorderWidth(border_); }
    QRect TitleRect() const;
    QRect IconRect() const;
    QRect MenuRect() const;
    QRect ClientRect() const;
    TButtons Buttons() const;
    QRect MinButtonRect() const;
    QRect MaxButtonRect() const;
    QRect CloseButtonRect() const;
    THit HitTest(QPoint at) const;
    // The grips a press there drags, for the sizing cursor.
    static bool IsEdge(THit hit) { return hit >= THit::Left; }

private:
    QSize outer_;
    TBorder border_;
    TBorderIcons icons_;
    int menuHeight_;
};
