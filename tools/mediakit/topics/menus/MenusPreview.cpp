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
#include "topics/menus/MenuAlMenuMForm.h"
#include "topics/menus/MenuAlmenu2Form.h"
#include "topics/menus/MenuAlmenuForm.h"
#include "topics/menus/MenuAsztalkaForm.h"
#include "topics/menus/MenuAsztalkaMForm.h"
#include "topics/menus/MenuKedvencMForm.h"
#include "topics/menus/MenuMenuForm.h"
#include "topics/menus/MenuMenuMForm.h"
#include "topics/menus/MenuMondatForm.h"
#include "topics/menus/MenuMondatMForm.h"
#include "topics/menus/MenuPopUp2MForm.h"
#include "topics/menus/MenuPopUpMForm.h"
#include "topics/menus/MenuTornaForm.h"
#include "topics/menus/MenuTornaMForm.h"
#include "topics/menus/SentenceGame.h"
#include "topics/menus/TableRequests.h"
#include "topics/menus/Wishes.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

namespace {

namespace Places = MenusPlaces;
using PreviewPaint::Arial;
using PreviewPaint::Centred;
using PreviewPaint::Face;
using PreviewPaint::PushButton;
using PreviewPaint::Text;

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
    for (const QString& name : menus) {
        // "&" marks the letter the menu underlines.
        const QString menu = QString(name).remove('&');
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

// The information window of the pop-up pages, which has no title.
void InfoWindow(QPainter& p, QRect outer, const QString& text)
{
    const QRect inside = PreviewPaint::Window(p, outer, QString(), true, {.close = true}, false, Face);
    Text(p, QRect(inside.left() + 60, inside.top() + 12, inside.width() - 76, inside.height() - 50), text, 16, Qt::black,
         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    PushButton(p, QRect(inside.center().x() - 37, inside.bottom() - 34, 75, 25), QStringLiteral("Tovább"));
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

// The plates on the table once the requests before request `index` are granted, in their slots.
std::vector<int> PlatesBefore(int index)
{
    std::vector<int> plates(3, 0);
    for (int i = 0; i < index; ++i) {
        const TableRequests::TRequest& request = TableRequests::At(i);
        const auto found = std::find(plates.begin(), plates.end(), request.checked ? 0 : request.tag);
        if (found != plates.end())
            *found = request.checked ? request.tag : 0;
    }
    return plates;
}

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
        const QRect client =
            MenuWindow(p, QRect(170, 200, 549, 554), TMenuMenuForm::Title(), TMenuMenuForm::MenuNames());
        Centred(p, QRect(client.left(), client.top(), client.width(), 330), Explaining());
        Text(p, QRect(client.left() + 16, client.top() + 330, 513, 165), TMenuMenuMForm::Info());
    }), "page_menu_bar.png");
    const auto favouritesPage = [&](bool done) {
        return Page(background, [done](QPainter& p) {
            const QStringList favourites = TMenuKedvencMForm::FavouriteDishes();
            Text(p, QRect(24, 272, 160, 24), TMenuKedvencMForm::FavouritesCaption(), 16, QColor(0, 0, 255),
                 Qt::AlignLeft);
            ListBox(p, QRect(32, 296, 137, 185), favourites);
            Text(p, QRect(824, 272, 170, 24), TMenuKedvencMForm::ChosenCaption(), 16, QColor(0, 0, 255), Qt::AlignLeft);
            ListBox(p, QRect(824, 296, 137, 185), done ? favourites : favourites.mid(0, 2));
            const QRect client =
                MenuWindow(p, QRect(220, 200, 549, 554), TMenuMenuForm::Title(), TMenuMenuForm::MenuNames());
            Centred(p, QRect(client.left(), client.top(), client.width(), 330),
                    done ? MenusFoodArt::FavouritesServed() : Hungry());
            if (done)
                PushButton(p, QRect(client.left() + 232, client.top() + 464, 75, 25), QStringLiteral("Tovább !"));
            else
                Text(p, QRect(client.left() + 16, client.top() + 330, 513, 165), TMenuKedvencMForm::Info());
        });
    };
    out.Page(favouritesPage(false), "page_favourites.png");
    out.Page(favouritesPage(true), "page_favourites_done.png");

    // Request `index` asked, the ones before it granted.
    const auto tablePage = [&](int index) {
        return Page(background, [&](QPainter& p) {
            const QRect client = MenuWindow(p, QRect(170, 190, 547, 175), TMenuAsztalkaForm::Title(),
                                            TMenuAsztalkaForm::MenuNames());
            Text(p, QRect(client.left() + 8, client.top(), 521, 112), TMenuAsztalkaMForm::Info());
            p.drawImage(Places::Table.topLeft(), MenusFoodArt::Table());
            p.drawImage(Places::GuideOnPage.topLeft(), Standing());
            const std::vector<int> plates = PlatesBefore(index);
            for (std::size_t slot = 0; slot < plates.size(); ++slot)
                if (plates[slot] != 0)
                    p.drawImage(Places::PlateSlots[slot].topLeft(), MenusFoodArt::Plate(plates[slot]));
            Balloon(p, QPoint(Places::GuideOnPage.right() + 1, Places::GuideOnPage.top() + 50),
                    QString::fromUtf8(TableRequests::At(index).text));
        });
    };
    out.Page(tablePage(3), "page_checkmarks.png");
    out.Page(tablePage(8), "page_checkmarks_other.png");
    out.Page(tablePage(1), "page_checkmarks_spare.png");
    out.Page(tablePage(0), "page_checkmarks_one.png");

    const std::vector<QImage> headRight = MenusClipsArt::Exercise(TExercise::HeadRight);
    const auto shortcutPage = [&](bool started) {
        return Page(background, [&](QPainter& p) {
            const QRect client =
                MenuWindow(p, QRect(170, 200, 504, 537), TMenuTornaForm::Title(), TMenuTornaForm::MenuNames());
            if (started) {
                p.drawImage(client.topLeft() + QPoint(144, 40), PreviewPaint::SeeThrough(headRight[12]));
                Text(p, QRect(client.left() + 7, client.top() + 264, 481, 49), TMenuTornaMForm::Exercise(1), 16,
                     Qt::red);
            } else {
                p.save();
                p.setClipRect(client);
                p.drawImage(client.topLeft() + QPoint(144, Places::ShortcutPictureTop), Standing());
                p.restore();
            }
            Text(p, QRect(client.left() + 8, client.top() + 288, 481, 161), TMenuTornaMForm::Info(started ? 1 : 0));
        });
    };
    out.Page(shortcutPage(false), "page_shortcuts.png");
    out.Page(shortcutPage(true), "page_shortcuts_exercise.png");

    out.Page(Page(background, [](QPainter& p) {
        const QRect client =
            MenuWindow(p, QRect(170, 180, 520, 571), TMenuAlmenuForm::Title(), {TMenuAlmenuForm::MenuName()});
        Centred(p, QRect(client.left(), client.top(), client.width(), 330), MenusGuidesArt::Found(TCastMember::Lemezke));
        Text(p, QRect(client.left() + 16, client.top() + 330, 481, 172), TMenuAlMenuMForm::Info());
    }), "page_submenus.png");

    const auto wishPage = [&](QColor colour, int narrower, const QImage& friendPicture, const QString& wish) {
        return Page(background, [&](QPainter& p) {
            const QRect client = MenuWindow(p, QRect(200, 170, 617 - narrower, 582), TMenuAlmenu2Form::Title(),
                                            TMenuAlmenu2Form::MenuNames(), colour);
            p.drawImage(client.topLeft() + QPoint(144, 32), Armchair());
            if (!friendPicture.isNull())
                p.drawImage(client.topLeft() + QPoint(416, 120), friendPicture);
            Text(p, QRect(client.left() + 56, client.top() + 330, 481, 95), TMenuAlmenu2Form::Info());
            Text(p, QRect(client.left() + 56, client.top() + 426, 481, 31), wish, 16, Qt::red);
        });
    };
    // The wish that follows wish `step` once it is granted.
    const auto after = [](int step) { return QString::fromUtf8(Wishes::At(step).next); };
    out.Page(wishPage(Qt::white, 0, QImage(), Wishes::First()), "page_wishes.png");
    out.Page(wishPage(QColor(0, 0, 255), 0, MenusGuidesArt::Wish(TCastMember::Nora), after(2)), "page_wishes_nora.png");
    out.Page(wishPage(QColor(255, 255, 0), 50, MenusGuidesArt::Wish(TCastMember::Lemezke), after(7)),
             "page_wishes_lemezke.png");
    out.Page(wishPage(QColor(255, 255, 0), 0, MenusGuidesArt::Wish(TCastMember::Odon), after(9)),
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
        InfoWindow(p, QRect(110, 500, 625, 188), TMenuPopUpMForm::Info());
    }), "page_popup.png");

    const auto hidingPage = [&](const QImage& tivadar, const QString& task) {
        return Page(background, [&](QPainter& p) {
            p.drawImage(Places::HidingPanel.topLeft(), tivadar);
            PushButton(p, QRect(672, 328, 143, 33), TMenuPopUp2MForm::ButtonCaption());
            p.fillRect(QRect(472, 256, 145, 22), Qt::white);
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(QRect(472, 256, 144, 21));
            ListBox(p, QRect(472, 280, 145, 169), TMenuPopUp2MForm::Fruits(), {0, 3});
            InfoWindow(p, QRect(110, 520, 625, 158), task);
        });
    };
    out.Page(hidingPage(ComingOut(), TMenuPopUp2MForm::StartText()), "page_popup2.png");
    out.Page(hidingPage(Hidden(), TMenuPopUp2MForm::NextTask(1)), "page_popup2_hidden.png");
    out.Page(hidingPage(Watching(), TMenuPopUp2MForm::NextTask(3)), "page_popup2_watching.png");

    out.Page(Page(background, [](QPainter& p) {
        Text(p, QRect(824, 192, 170, 32), TMenuMondatMForm::ElapsedCaption(), 24, QColor(0, 0, 255), Qt::AlignCenter);
        Text(p, QRect(824, 224, 170, 32), "00:42", 24, QColor(0, 0, 255), Qt::AlignCenter);
        p.drawImage(Places::ExitGame.topLeft(), GameButtonsMedia::ExitGameButton());
        const QRect client =
            MenuWindow(p, QRect(170, 200, 521, 494), TMenuMondatForm::Title(), {SentenceGame::WordsMenuName()});
        Centred(p, QRect(client.left(), client.top(), client.width(), 241), WordCards());
        Text(p, QRect(client.left() + 16, client.top() + 250, 481, 172), TMenuMondatForm::Info());
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
