// menuspreview OUTPUT_DIR [SHEET]: the menus topic's pictures as plain PNGs, its pages with the
// practice windows, plates, portraits and texts where the pages put them, the clips as contact
// sheets, and the review sheet.

#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPaint.h"
#include "mediakit/topics/menus/MenusClipsArt.h"
#include "mediakit/topics/menus/MenusFoodArt.h"
#include "mediakit/topics/menus/MenusGuidesArt.h"
#include "mediakit/topics/menus/MenusPageArt.h"
#include "mediakit/topics/menus/MenusPlaces.h"
#include "mediakit/topics/menus/MenusTivadarArt.h"
#include "mediakit/topics/mouse/GameButtonsMedia.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

namespace Places = MenusPlaces;
using PreviewPaint::Arial;
using PreviewPaint::Centred;
using PreviewPaint::Face;
using PreviewPaint::PushButton;
using PreviewPaint::Text;

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// A practice window with a menu bar under its title; returns the client area below the bar. The
// menu at open (if any) is drawn dropped down with its items.
QRect MenuWindow(QPainter& p, QRect outer, const QString& title, const QStringList& menus, QColor client = Qt::white)
{
    const QRect inside = PreviewPaint::Window(p, outer, title, true, {}, false, client);
    const QRect bar(inside.left(), inside.top(), inside.width(), 20);
    p.fillRect(bar, Face);
    int x = bar.left() + 6;
    p.setFont(Arial(14));
    p.setPen(Qt::black);
    for (const QString& menu : menus) {
        const int width = p.fontMetrics().horizontalAdvance(menu) + 14;
        p.drawText(QRect(x, bar.top(), width, bar.height()), Qt::AlignCenter, menu);
        x += width;
    }
    return QRect(inside.left(), bar.bottom() + 1, inside.width(), inside.height() - bar.height());
}

// A classic list box with its items, the selected ones in the selection colour.
void ListBox(QPainter& p, QRect rect, const QStringList& items, const QList<int>& selected = {})
{
    p.fillRect(rect, Qt::white);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    p.setFont(Arial(16));
    for (int i = 0; i < items.size(); ++i) {
        const QRect row(rect.left() + 2, rect.top() + 2 + i * 19, rect.width() - 4, 19);
        if (selected.contains(i))
            p.fillRect(row, QColor(0x0a, 0x24, 0x6a));
        p.setPen(selected.contains(i) ? Qt::white : Qt::black);
        p.drawText(row.adjusted(3, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, items[i]);
    }
}

// The balloon hint of the check-mark page, pointing at a point on its left.
void Balloon(QPainter& p, QPoint at, const QString& text)
{
    const QRect box(at.x() + 22, at.y() - 46, 230, 40);
    QPainterPath balloon;
    balloon.addRoundedRect(box, 8, 8);
    QPainterPath tail;
    tail.moveTo(box.left() + 10, box.bottom() - 4);
    tail.lineTo(at);
    tail.lineTo(box.left() + 30, box.bottom() - 2);
    tail.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xff, 0xff, 0xe1));
    p.drawPath(balloon.united(tail));
    Text(p, box.adjusted(6, 0, -6, 0), text, 14, Qt::black, Qt::AlignCenter | Qt::TextWordWrap);
}

// The information window of the pop-up pages.
void InfoWindow(QPainter& p, QRect outer, const QString& text)
{
    const QRect inside = PreviewPaint::Window(p, outer, U("Információ"), true, {}, false, Face);
    Text(p, QRect(inside.left() + 60, inside.top() + 12, inside.width() - 76, inside.height() - 50), text, 16, Qt::black,
         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    PushButton(p, QRect(inside.center().x() - 37, inside.bottom() - 34, 75, 25), U("Tovább"));
}

QImage Page(const QImage& background, const std::function<void(QPainter&)>& paint)
{
    QImage image = background;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return image;
}

const QStringList FoodMenus = {"Levesek", U("Húsételek"), U("Tészták"), U("Főzelékek"), U("Sütemények"), "Fagyik"};
const QStringList Favourites = {"karfiolleves", U("brassói"), U("grízes tészta"), U("spenót"), U("négerkocka"), "eper"};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "menuspreview OUTPUT_DIR [SHEET]"))
        return 2;
    using namespace MenusTivadarArt;
    using MenusClipsArt::TExercise;
    using MenusClipsArt::TTrick;
    const QImage background = MenusPageArt::Background();
    out.Save(background, "baseScr.png");

    out.Page(Page(background, [](QPainter& p) {
        const QRect client = MenuWindow(p, QRect(170, 200, 549, 554), U("Kedvenc ételek"), FoodMenus);
        Centred(p, QRect(client.left(), client.top(), client.width(), 330), Explaining());
        Text(p, QRect(client.left() + 16, client.top() + 330, 513, 165),
             U("A Címsáv alatt láthatod a menüsort. Ha egy menüre kattintasz, legördül a táblája. A táblán "
               "menüpontok, vagyis parancsok vannak. Válassz ki minden menüből egy kedvenc ételt!"));
    }), "page_menu_bar.png");
    const auto favouritesPage = [&](bool done) {
        return Page(background, [done](QPainter& p) {
            Text(p, QRect(24, 272, 160, 24), "Tivadar kedvencei", 16, QColor(0, 0, 255), Qt::AlignLeft);
            ListBox(p, QRect(32, 296, 137, 185), Favourites);
            Text(p, QRect(824, 272, 170, 24), U("Kiválasztott ételek"), 16, QColor(0, 0, 255), Qt::AlignLeft);
            ListBox(p, QRect(824, 296, 137, 185), done ? Favourites : Favourites.mid(0, 2));
            const QRect client = MenuWindow(p, QRect(220, 200, 549, 554), U("Kedvenc ételek"), FoodMenus);
            Centred(p, QRect(client.left(), client.top(), client.width(), 330),
                    done ? MenusFoodArt::FavouritesServed() : Hungry());
            if (done)
                PushButton(p, QRect(client.left() + 232, client.top() + 464, 75, 25), U("Tovább !"));
            else
                Text(p, QRect(client.left() + 16, client.top() + 330, 513, 165),
                     U("A menükben vándorolhatsz nyílbillentyűkkel is. Enterrel is kiválaszthatsz egy paracsot. A "
                       "menüket eltüntetheted félrekattintással vagy az ESC billentyűvel is. Most válaszd ki Tivadar "
                       "kedvenc ételeit!"));
        });
    };
    out.Page(favouritesPage(false), "page_favourites.png");
    out.Page(favouritesPage(true), "page_favourites_done.png");

    const auto tablePage = [&](std::initializer_list<int> plates, const QString& request) {
        return Page(background, [&](QPainter& p) {
            const QRect client = MenuWindow(p, QRect(170, 190, 547, 175), U("Terülj-terülj asztalkám"),
                                            {U("Csokoládék"), U("Üdítők"), U("Sütemények")});
            Text(p, QRect(client.left() + 8, client.top(), 521, 112),
                 U("Vannak olyan menüpontok, amelyek kipipálhatók. Ha a parancsra kattintasz, akkor megjelenik egy "
                   "pipa, ha újra klikkelsz, eltűnik. Klikkeléssel tedd az asztalra, amit Tivadar óhajt!"));
            p.drawImage(Places::Table.topLeft(), MenusFoodArt::Table());
            p.drawImage(Places::GuideOnPage.topLeft(), Standing());
            int slot = 0;
            for (const int tag : plates)
                p.drawImage(Places::PlateSlots[slot++].topLeft(), MenusFoodArt::Plate(tag));
            Balloon(p, QPoint(Places::GuideOnPage.right() + 1, Places::GuideOnPage.top() + 50), request);
        });
    };
    out.Page(tablePage({23, 33, 13}, U("Egy vaníliás csoki jól esne!")), "page_checkmarks.png");
    out.Page(tablePage({12, 31, 23}, U("A vaníliás csoki helyett mogyorósat kérek!")), "page_checkmarks_other.png");
    out.Page(tablePage({11, 21, 32}, U("Puncsos sütit kívánok!")), "page_checkmarks_spare.png");
    out.Page(tablePage({22}, U("Narancslét szeretnék inni!")), "page_checkmarks_one.png");

    const std::vector<QImage> headRight = MenusClipsArt::Exercise(TExercise::HeadRight);
    const auto shortcutPage = [&](bool started) {
        return Page(background, [&](QPainter& p) {
            const QRect client = MenuWindow(p, QRect(170, 200, 504, 537), "Torna", {"Torna", "Aerobic"});
            if (started) {
                p.drawImage(client.topLeft() + QPoint(144, 40), PreviewPaint::SeeThrough(headRight[12]));
                Text(p, QRect(client.left() + 7, client.top() + 264, 481, 49), U("Fejdöntés jobbra"), 16, Qt::red);
            } else {
                p.save();
                p.setClipRect(client);
                p.drawImage(client.topLeft() + QPoint(144, Places::ShortcutPictureTop), Standing());
                p.restore();
            }
            Text(p, QRect(client.left() + 8, client.top() + 288, 481, 161),
                 started ? U("Gördítsd le a menüket, és figyeld meg a menüpontok után írt billentyűparancsokat! Ezekkel "
                             "a menü megnyitása nélkül is kiadhatod a parancsot. Jegyezd meg őket! A piros gyakorlatokkal "
                             "Tivadart mozgathatod.")
                         : U("Billentyűkkel is kezelhető minden menü. Tartsd lenyomva az Alt billentyűt (a szóköztől "
                             "balra, nem az Alt Gr-t), és nyomd meg a menü aláhúzott betűjét!"));
        });
    };
    out.Page(shortcutPage(false), "page_shortcuts.png");
    out.Page(shortcutPage(true), "page_shortcuts_exercise.png");

    out.Page(Page(background, [](QPainter& p) {
        const QRect client = MenuWindow(p, QRect(170, 180, 520, 571), U("Lemezke, Nyilacska, Tárolka keresése almenükben"),
                                        {U("Állatok")});
        Centred(p, QRect(client.left(), client.top(), client.width(), 330), MenusGuidesArt::Found(TCastMember::Lemezke));
        Text(p, QRect(client.left() + 16, client.top() + 330, 481, 172),
             U("Egyes parancsok végén kicsi nyilat látsz. Ha az egérmutatót egy ilyen parancson pihenteted, vagy "
               "rákattintasz, kinyílik az almenü. A jobbra és balra nyíl is nyitja és zárja az almenüket. Keresd meg "
               "az almenükben Lemezkét, Nyilacskát és Tárolkát!"));
    }), "page_submenus.png");

    const auto wishPage = [&](QColor colour, int narrower, const QImage& friendPicture, const QString& wish) {
        return Page(background, [&](QPainter& p) {
            const QRect client = MenuWindow(p, QRect(200, 170, 617 - narrower, 582), U("Tivadar kívánságai"),
                                            {U("Szereplők"), U("Színek"), U("Méret")}, colour);
            p.drawImage(client.topLeft() + QPoint(144, 32), Armchair());
            if (!friendPicture.isNull())
                p.drawImage(client.topLeft() + QPoint(416, 120), friendPicture);
            Text(p, QRect(client.left() + 56, client.top() + 330, 481, 95),
                 U("Jaj, de unom már ezt az egyhangú ablakot! Változtasd meg, és hozd vissza a barátaimat az almenük "
                   "segítségével!"));
            Text(p, QRect(client.left() + 56, client.top() + 426, 481, 31), wish, 16, Qt::red);
        });
    };
    out.Page(wishPage(Qt::white, 0, QImage(), U("Elsőként kék hátteret szeretnék!")), "page_wishes.png");
    out.Page(wishPage(QColor(0, 0, 255), 0, MenusGuidesArt::Wish(TCastMember::Nora), U("Fesd pirosra a hátteret!")),
             "page_wishes_nora.png");
    out.Page(wishPage(QColor(255, 255, 0), 50, MenusGuidesArt::Wish(TCastMember::Lemezke),
                      U("Szűk ez az ablak, növeld a szélességét!")),
             "page_wishes_lemezke.png");
    out.Page(wishPage(QColor(255, 255, 0), 0, MenusGuidesArt::Wish(TCastMember::Odon), U("Kérem a tanár urat!")),
             "page_wishes_odon.png");

    const std::vector<QImage> tivadarSpin = MenusClipsArt::Trick(TCastMember::Tivadar, TTrick::Spin);
    out.Page(Page(background, [&](QPainter& p) {
        const TCastMember guides[] = {TCastMember::Odon, TCastMember::Tivadar, TCastMember::Nora};
        for (int i = 0; i < 3; ++i) {
            const QRect panel(88 + 256 * i, 240, 202, 202);
            p.fillRect(panel, Qt::white);
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(panel.adjusted(0, 0, -1, -1));
            p.drawImage(panel.topLeft() + QPoint(1, 1), MenusGuidesArt::Portrait(guides[i]));
        }
        p.drawImage(QPoint(345, 241), PreviewPaint::SeeThrough(tivadarSpin[6]));
        InfoWindow(p, QRect(110, 500, 625, 188),
                   U("Vannak rejtett gyorsmenük is, amelyeken a legfontosabb parancsokat láthatod. Az egér jobb "
                     "gombjával nyithatod ki őket, a bal gombbal adhatsz parancsot, az Esc-kel bezárhatod. Próbáld ki "
                     "a szereplőkön!"));
    }), "page_popup.png");

    const auto hidingPage = [&](const QImage& tivadar, const QString& task) {
        return Page(background, [&](QPainter& p) {
            p.drawImage(Places::HidingPanel.topLeft(), tivadar);
            PushButton(p, QRect(672, 328, 143, 33), "GOMB");
            p.fillRect(QRect(472, 256, 145, 22), Qt::white);
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(QRect(472, 256, 144, 21));
            ListBox(p, QRect(472, 280, 145, 169), {"alma", "dinnye", "narancs", "citrom", "szilva"}, {0, 3});
            InfoWindow(p, QRect(110, 520, 625, 158), task);
        });
    };
    out.Page(hidingPage(ComingOut(), U("Gyorsmenüje sok mindennek lehet: képnek, gombnak, listadoboznak vagy "
                                       "ablaknak is. Tivadar gyorsmenüjéből válaszd a \"Rejtőzés\" parancsot!")),
             "page_popup2.png");
    out.Page(hidingPage(Hidden(), U("Készíts széles gombot!")), "page_popup2_hidden.png");
    out.Page(hidingPage(Watching(), U("Vedd fel a gyümölcsök közé a körtét!")), "page_popup2_watching.png");

    out.Page(Page(background, [](QPainter& p) {
        Text(p, QRect(824, 192, 170, 32), U("Eltelt idő:"), 24, QColor(0, 0, 255), Qt::AlignCenter);
        Text(p, QRect(824, 224, 170, 32), "00:42", 24, QColor(0, 0, 255), Qt::AlignCenter);
        p.drawImage(Places::ExitGame.topLeft(), GameButtonsMedia::ExitGameButton());
        const QRect client = MenuWindow(p, QRect(170, 200, 521, 494), U("Mondatösszerakósdi"), {"Szavak"});
        Centred(p, QRect(client.left(), client.top(), client.width(), 241), WordCards());
        Text(p, QRect(client.left() + 16, client.top() + 250, 481, 172),
             U("Rakd ki a menüből a következő mondatokat! Az első szavakat a menüben találod, a többit az almenükben "
               "és azok almenüiben. A gyorsaság is számít! Nézd át a menüt, és kezdd a START gombbal!"));
        PushButton(p, QRect(client.left() + 216, client.top() + 408, 75, 25), "START");
    }), "page_sentences.png");

    // Every picture on its own, and the clips as contact sheets.
    const std::pair<const char*, QImage> pictures[] = {
        {"menu_j_f.png", Explaining()},
        {"menu_j_a.png", Hungry()},
        {"menu_j_h.png", Standing()},
        {"menu_j_fot.png", Armchair()},
        {"menu_j_o.png", WordCards()},
        {"Tivadar_kem_01.png", Hidden()},
        {"Tivadar_kem_02.png", ComingOut()},
        {"Tivadar_kem_03.png", Watching()},
        {"menu_v_tval.png", MenusFoodArt::FavouritesServed()},
        {"menu_asztal.png", MenusFoodArt::Table()},
        {"almenu_2.png", MenusGuidesArt::Found(TCastMember::Nyilacska)},
        {"almenu_4.png", MenusGuidesArt::Found(TCastMember::Lemezke)},
        {"almenu_8.png", MenusGuidesArt::Found(TCastMember::Tarolka)},
        {"menu_v2.png", MenusGuidesArt::Wish(TCastMember::Nora)},
        {"menu_flo.png", MenusGuidesArt::Wish(TCastMember::Lemezke)},
        {"menu_e.png", MenusGuidesArt::Wish(TCastMember::Odon)},
        {"odon.png", MenusGuidesArt::Portrait(TCastMember::Odon)},
        {"tivadar.png", MenusGuidesArt::Portrait(TCastMember::Tivadar)},
        {"nora.png", MenusGuidesArt::Portrait(TCastMember::Nora)},
    };
    for (const auto& [name, picture] : pictures)
        out.Save(picture, QString::fromLatin1(name));
    for (const int tag : MenusFoodArt::PlateTags)
        out.Save(MenusFoodArt::Plate(tag), QStringLiteral("plate_%1.png").arg(tag));

    const std::pair<const char*, TExercise> exercises[] = {
        {"fej_jobb", TExercise::HeadRight},          {"fej_bal", TExercise::HeadLeft},
        {"forgas_jobb", TExercise::TurnRight},       {"forgas_bal", TExercise::TurnLeft},
        {"gugol", TExercise::Squat},                 {"hajlas_elore", TExercise::BendForward},
        {"hajlas_hatra", TExercise::BendBack},       {"torzsdontes_jobb", TExercise::SideBendRight},
        {"torzsdontes_bal", TExercise::SideBendLeft}, {"kar", TExercise::ArmsUp},
    };
    // One clip of each kind goes on the review sheet; all are saved as contact sheets.
    for (const auto& [name, exercise] : exercises)
        out.Clip(QString::fromLatin1(name), MenusClipsArt::Exercise(exercise), 6, exercise == TExercise::SideBendRight);
    const std::pair<const char*, TCastMember> guides[] = {
        {"kabel_odon", TCastMember::Odon}, {"tivadar", TCastMember::Tivadar}, {"nora", TCastMember::Nora}};
    for (const auto& [name, who] : guides)
        for (const auto& [suffix, trick] : {std::pair{"_01", TTrick::Turn}, std::pair{"_02", TTrick::Spin},
                                            std::pair{"_03", TTrick::Somersault}})
            out.Clip(QString::fromLatin1(name) + suffix, MenusClipsArt::Trick(who, trick), 6,
                     who == TCastMember::Tivadar && trick == TTrick::Somersault);

    // The review sheet: every page and two clips at half size, then the plates on the wall's colour.
    const int platesHeight = 160;
    QImage sheet = out.ReviewSheet(platesHeight);
    QPainter painter(&sheet);
    int x = 8;
    for (const int tag : MenusFoodArt::PlateTags) {
        const QRect tile(x, sheet.height() - platesHeight + 8, 134, 134);
        painter.fillRect(tile, QColor(0xfb, 0xf1, 0xe0));
        painter.drawImage(tile.topLeft(), MenusFoodArt::Plate(tag));
        painter.setPen(Qt::white);
        painter.setFont(Arial(12));
        painter.drawText(tile.left(), tile.bottom() + 14, QStringLiteral("%1.png").arg(tag));
        x += 150;
    }
    painter.end();
    out.SaveReviewSheet("menus_media_sheet.png", sheet);
    return out.Result();
}
