#include "MenuAlmenu2Form.h"

#include "Wishes.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"

#include <QLabel>

QString TMenuAlmenu2Form::Title()
{
    return QStringLiteral("Tivadar kívánságai");
}

QStringList TMenuAlmenu2Form::MenuNames()
{
    return {QStringLiteral("Szereplők"), QStringLiteral("Színek"), QStringLiteral("Méret")};
}

QString TMenuAlmenu2Form::Info()
{
    return QStringLiteral("Jaj, de unom már ezt az egyhangú ablakot! Változtasd meg a menük segítségével, és hívd "
                          "ide a barátaimat az almenükből!");
}

TMenuAlmenu2Form::TMenuAlmenu2Form(QWidget* host)
    : TMenuLessonWindow(host, QStringLiteral("MenuAlmenu2Form"), Title(), QSize(617, 582))
{
    img_ = Picture(QRect(144, 32, 273, 273));
    img2_ = Picture(QRect(416, 120, 120, 170));
    txtInfo_ = Text(QRect(56, 330, 481, 95), Qt::AlignHCenter | Qt::AlignTop);
    txtTask_ = Text(QRect(56, 426, 481, 31), Qt::AlignHCenter | Qt::AlignTop, Qt::red);
    // The wishes paint the window red or blue: the texts keep a light backing so they stay legible.
    for (QLabel* text : {txtInfo_, txtTask_}) {
        QPalette colours = text->palette();
        colours.setColor(QPalette::Window, Qt::white);
        text->setPalette(colours);
        text->setAttribute(Qt::WA_TranslucentBackground, false);
        text->setAttribute(Qt::WA_NoSystemBackground, false);
        text->setAutoFillBackground(true);
    }
    PlaceNext(QPoint(256, 472));
    txtInfo_->setText(Info());
    txtTask_->setText(Wishes::First());

    TMenu* menu = NewMenu();
    const QStringList names = MenuNames();
    TMenuItem& cast = menu->Add(names[0]);
    TMenuItem& animals = cast.Add(QStringLiteral("Állatok"));
    animals.Add(QStringLiteral("Lemezke"), 111);
    animals.Add(QStringLiteral("Nyilacska "));
    animals.Add(QStringLiteral("Tárolka "));
    TMenuItem& people = cast.Add(QStringLiteral("Emberek "));
    people.Add(QStringLiteral("Pixeles Tivadar"));
    people.Add(QStringLiteral("Kábel Ödön"), 112);
    people.Add(QStringLiteral("Digit Nóra"), 113);
    TMenuItem& colours = menu->Add(names[1], 200);
    TMenuItem& cold = colours.Add(QStringLiteral("Hideg színek"));
    cold.Add(QStringLiteral("Kék"), 211);
    cold.Add(QStringLiteral("Zöld"), 212);
    cold.Add(QStringLiteral("Barna"), 213);
    TMenuItem& warm = colours.Add(QStringLiteral("Meleg színek"));
    warm.Add(QStringLiteral("Sárga"), 214);
    warm.Add(QStringLiteral("Piros"), 215);
    warm.Add(QStringLiteral("Narancssárga"), 216);
    TMenuItem& size = menu->Add(names[2], 300);
    TMenuItem& height = size.Add(QStringLiteral("Magasság"));
    height.Add(QStringLiteral("Csökkentés "), 311);
    height.Add(QStringLiteral("Növelés "), 312);
    TMenuItem& width = size.Add(QStringLiteral("Szélesség "));
    width.Add(QStringLiteral("Csökkentés "), 321);
    width.Add(QStringLiteral("Növelés "), 322);
    menu->OnChoose = [this](TMenuItem& item) { Choose(item); };
}

void TMenuAlmenu2Form::Choose(TMenuItem& item)
{
    if (Wishes::IsGuide(item.Tag)) {
        for (int tag : {111, 112, 113})
            Menu()->Root().FindByTag(tag)->Checked = false;
    }
    if (step_ < Wishes::Count && item.Tag == Wishes::At(step_).tag)
        Grant();
}

void TMenuAlmenu2Form::Grant()
{
    const Wishes::TWish& wish = Wishes::At(step_);
    switch (wish.effect) {
    case Wishes::TEffect::Colour:
        SetColour(wish.colour);
        break;
    case Wishes::TEffect::Size:
        SetBounds(QRect(geometry().topLeft(), geometry().size() + wish.change));
        break;
    case Wishes::TEffect::ShowGuide:
        img2_->SetPng(LoadPng(QString::fromUtf8(wish.guide)));
        img2_->setVisible(true);
        Menu()->Root().FindByTag(wish.tag)->Checked = true;
        break;
    case Wishes::TEffect::HideGuide:
        img2_->setVisible(false);
        break;
    }
    ++step_;
    if (step_ < Wishes::Count)
        txtTask_->setText(QString::fromUtf8(wish.next));
    else
        btnTovabb()->setVisible(true);
}
