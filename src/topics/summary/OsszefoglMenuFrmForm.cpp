#include "OsszefoglMenuFrmForm.h"

#include "framework/Colours.h"
#include "framework/Controls.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"

#include <QLabel>

namespace {

// The texts are smaller than the course's usual 16 px: the review's nine table lines must fit the
// window's panel.
constexpr int TextPixels = 13;
// How far the buttons rise when the table goes, and how far apart they step when both show.
constexpr int ButtonRise = 30;
constexpr int ButtonStep = 10;

struct TMenuRow {
    const char* menu;
    std::initializer_list<const char*> items;
};

const TMenuRow Menus[] = {
    {"FÁJL", {"Új", "Megnyitás", "Mentés", "Mentés másként", "Kilépés"}},
    {"SZERKESZTÉS", {"Visszavonás", "Kivágás", "Másolás", "Beillesztés", "Keresés"}},
    {"NÉZET", {"Miniatűr", "Mozaik", "Lista", "Részletek", "Eszköztárak"}},
    {"BESZÚRÁS", {"Kép", "Oldalszám", "Dátum", "Szöveg"}},
    {"FORMÁTUM", {"Betűtípus", "Bekezdés", "Felsorolás", "Szegély"}},
    {"SÚGÓ", {"Témakörök", "Névjegy", "Frissítés", "Aktiválás"}},
};

const char* const Names[] = {"Fehér Péter", "Fekete Pál", "Fekete Péter", "Fekete Petra"};

std::vector<ReviewTable::TRow> WindowParts()
{
    using ReviewTable::TRow;
    return ReviewTable::WithHeading(
        QStringLiteral("Az ablak része:"), QStringLiteral("Feladata:"),
        {
            TRow{QStringLiteral("Címsáv"),
                 QStringLiteral("- Ide írják a program nevét. Jelzi az ablak állapotát, segítségével hordozni \n"
                                "  lehet az ablakot, duplakattintással pedig megváltoztatni a méretét.")},
            TRow{QStringLiteral("Ablakkezelő gombok"),
                 QStringLiteral("- Pálcika: leugrasztja az ablakot a Tálcára.\n"
                                "- Monitor: teljes vagy normál méretűre változtatja ablakot.\n"
                                "- X: segítségével bezárható az ablak.")},
            TRow{QStringLiteral("Menüsor"),
                 QStringLiteral("- Tartalmazza a program kezeléséhez szükséges parancsokat.")},
            TRow{QStringLiteral("Munkaterület"),
                 QStringLiteral("- A felhasználó itt dolgozik, például gépel, rajzol, kottázik.")},
            TRow{QStringLiteral("Méretezhető szélek"),
                 QStringLiteral("- Segítségükkel tetszőlegesen beállítható az ablak normál mérete.")},
        });
}

} // namespace

QString TOsszefoglMenuFrmForm::Title()
{
    return QStringLiteral("Összefoglalás - menük");
}

QString TOsszefoglMenuFrmForm::ReviewText()
{
    return QStringLiteral(
        "A gépen használt programok a képernyőn ablakokban jelennek meg. Az ablakok kinyithatók és bezárhatók, "
        "méretük változtatható, és egyszerre több is elfér a képernyőn. Szinte minden ablaknál van menüsor, a menük "
        "pedig legördíthetők. A menüpontoknak almenüjük is lehet, egyes dolgoknak gyorsmenüjük is van.");
}

QString TOsszefoglMenuFrmForm::SearchText()
{
    return QStringLiteral("A menük és almenük erdejében találd meg a Fekete Pétert! Előtte mindig figyelmesen olvasd "
                          "el az elérési útját! A feladat időre megy!");
}

TOsszefoglMenuFrmForm::TOsszefoglMenuFrmForm(QWidget* host)
    : TBaseCustForm(host, QStringLiteral("OsszefoglMenuFrmForm"), Title())
{
    AllowSize = AllowMaximize = AllowMinimize = AllowMove = AllowClose = false;
    SetColour(Qt::white);

    QWidget* client = Client();
    imgOdon_ = new TImage(client, QRect(264, 32, 234, 261));
    imgOdon_->SetPng(LoadPng(QStringLiteral("osszefoglal\\odon.png")));
    ClickThrough(imgOdon_);
    txtInfo_ = Controls::Label(client, QRect(40, 296, 673, 73), ReviewText(),
                               PixelFont(QStringLiteral("Arial"), TextPixels), Qt::black,
                               Qt::AlignLeft | Qt::AlignTop, true);
    ClickThrough(txtInfo_);

    pnlTabla_ = new QWidget(client);
    pnlTabla_->setGeometry(32, 368, 689, 177);
    pnlTabla_->setAutoFillBackground(true);
    QPalette white = pnlTabla_->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlTabla_->setPalette(white);
    ClickThrough(pnlTabla_);
    table_ = ReviewTable::Build(pnlTabla_, QPoint(0, 0), 150, 539, WindowParts(), TextPixels);

    btnStart_ = new TPushButton(client, QRect(328, 552, 75, 25), QStringLiteral("START"));
    btnStart_->setVisible(false);
    btnTovabb_ = new TPushButton(client, QRect(328, 552, 75, 25), QStringLiteral("Tovább"));

    mMenu_ = new TMenu(this);
    BuildMenu();
}

void TOsszefoglMenuFrmForm::BuildMenu()
{
    for (const TMenuRow& row : Menus) {
        TMenuItem& menu = mMenu_->Add(QString::fromUtf8(row.menu));
        for (const char* item : row.items) {
            TMenuItem& second = menu.Add(QString::fromUtf8(item));
            for (const char* name : Names)
                second.Add(QString::fromUtf8(name));
        }
    }
}

void TOsszefoglMenuFrmForm::OfferSearch(bool startAlone)
{
    pnlTabla_->hide();
    txtInfo_->setAlignment(Qt::AlignBottom | Qt::AlignHCenter);
    txtInfo_->setText(SearchText());
    btnStart_->show();
    btnStart_->move(btnStart_->x(), btnStart_->y() - ButtonRise);
    btnTovabb_->move(btnTovabb_->x(), btnTovabb_->y() - ButtonRise);
    btnStart_->move(btnTovabb_->pos());
    if (startAlone) {
        btnTovabb_->hide();
    } else {
        btnStart_->move(btnStart_->x() - (btnStart_->width() - ButtonStep), btnStart_->y());
        btnTovabb_->move(btnTovabb_->x() + (btnTovabb_->width() - ButtonStep), btnTovabb_->y());
    }
    SetMenu(mMenu_);
}

void TOsszefoglMenuFrmForm::ShowTarget(const QString& target)
{
    QFont bold = txtInfo_->font();
    bold.setBold(true);
    txtInfo_->setFont(bold);
    txtInfo_->setText(target);
}
