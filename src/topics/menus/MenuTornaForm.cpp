#include "MenuTornaForm.h"

#include "framework/ClipPlayer.h"
#include "framework/Image.h"
#include "framework/Menu.h"

#include <QLabel>

namespace {
// Tivadar stands above the task text: his picture keeps its shape and ends above it.
const QRect PictureArea(144, 0, 201, 260);
} // namespace

QString TMenuTornaForm::Title()
{
    return QStringLiteral("Torna");
}

QStringList TMenuTornaForm::MenuNames()
{
    return {QStringLiteral("&Torna"), QStringLiteral("&Aerobic")};
}

TMenuTornaForm::TMenuTornaForm(QWidget* host)
    : TMenuLessonWindow(host, QStringLiteral("MenuTornaForm"), Title(), QSize(504, 537))
{
    img_ = Picture(PictureArea);
    txtTask_ = Text(QRect(7, 264, 481, 49), Qt::AlignHCenter | Qt::AlignTop, Qt::red);
    txtInfo_ = Text(QRect(8, 288, 481, 161), Qt::AlignHCenter | Qt::AlignTop);
    anim_ = new TClipPlayer(Client());
    anim_->setGeometry(144, 40, 200, 200);
    anim_->setVisible(false);
    ClickThrough(anim_);
    PlaceNext(QPoint(208, 449));

    TMenu* menu = NewMenu();
    const QStringList names = MenuNames();
    TMenuItem& torna = menu->Add(names[0], 10);
    torna.Add(QStringLiteral("Fejet Jobbra"), 11, {}, QKeySequence(Qt::Key_F1));
    torna.Add(QStringLiteral("Fejet balra"), 12, {}, QKeySequence(Qt::Key_F2));
    torna.Add(QStringLiteral("Forgás jobbra"), 13, {}, QKeySequence(Qt::Key_F3));
    torna.Add(QStringLiteral("Forgás balra"), 14, {}, QKeySequence(Qt::Key_F4));
    torna.Add(QStringLiteral("Guggolás"), 15, {}, QKeySequence(Qt::Key_F5));
    TMenuItem& aerobic = menu->Add(names[1], 20);
    aerobic.Add(QStringLiteral("Törzsdöntés előre"), 21, {}, QKeySequence(Qt::CTRL | Qt::Key_E));
    aerobic.Add(QStringLiteral("Törzsdöntés hátra"), 22, {}, QKeySequence(Qt::CTRL | Qt::Key_H));
    aerobic.Add(QStringLiteral("Törzsdöntés jobbra"), 23, {}, QKeySequence(Qt::CTRL | Qt::Key_J));
    aerobic.Add(QStringLiteral("Törzsdöntés balra"), 24, {}, QKeySequence(Qt::CTRL | Qt::Key_B));
    aerobic.Add(QStringLiteral("Karemelés"), 25);
}

void TMenuTornaForm::SetPicture(const QImage& picture)
{
    img_->SetPng(picture.isNull() ? picture
                                  : picture.scaled(PictureArea.size().boundedTo(picture.size()), Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation));
}
