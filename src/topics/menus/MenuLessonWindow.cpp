#include "MenuLessonWindow.h"

#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"

#include <QLabel>

namespace {
QFont TextFont()
{
    return PixelFont(QStringLiteral("Arial"), 16);
}
} // namespace

TMenuLessonWindow::TMenuLessonWindow(QWidget* host, const QString& name, const QString& caption, QSize outer)
    : TBaseCustForm(host, name, caption)
{
    AllowSize = AllowMaximize = AllowMinimize = AllowMove = AllowClose = false;
    SetColour(Qt::white);
    SetStayOnTop(true);
    SetBounds(QRect(QPoint(0, 0), outer));
}

int TMenuLessonWindow::ClientWidth() const
{
    return Frame().ClientRect().width();
}

TImage* TMenuLessonWindow::TopPicture(int height)
{
    return Picture(QRect(0, 0, ClientWidth(), height));
}

TImage* TMenuLessonWindow::Picture(const QRect& area)
{
    auto* picture = new TImage(Client(), area);
    picture->SetCenter(true);
    ClickThrough(picture);
    return picture;
}

QLabel* TMenuLessonWindow::Text(const QRect& area, Qt::Alignment alignment, const QColor& colour)
{
    QLabel* label = Controls::Label(Client(), area, QString(), TextFont(), colour, alignment, true);
    ClickThrough(label);
    return label;
}

void TMenuLessonWindow::PlaceNext(QPoint at)
{
    btnTovabb_ = new TPushButton(Client(), QRect(at, QSize(75, 25)), QStringLiteral("Tovább !"));
    btnTovabb_->setFont(TextFont());
    btnTovabb_->setVisible(false);
}

TMenu* TMenuLessonWindow::NewMenu()
{
    auto* menu = new TMenu(this);
    SetMenu(menu);
    return menu;
}
