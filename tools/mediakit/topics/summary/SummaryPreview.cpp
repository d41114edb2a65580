// summarypreview OUTPUT_DIR [SHEET]: the summary topic's pictures as plain PNGs (the icons also
// sixteen times enlarged), mock-ups of its pages with their tables, controls, windows, portraits,
// icons and the board where the pages put them (and the other topics' pictures they borrow), and
// the review sheet.

#include "mediakit/cast/CastPictures.h"
#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPage.h"
#include "mediakit/preview/PreviewPaint.h"
#include "mediakit/topics/buttons/ButtonsPicturesArt.h"
#include "mediakit/topics/mouse/MouseLessonsClipsArt.h"
#include "mediakit/topics/mouse/MouseLessonsIntroArt.h"
#include "mediakit/topics/summary/SummaryPicturesArt.h"
#include "mediakit/topics/summary/SummaryPlaces.h"
#include "mediakit/topics/summary/SummaryScreensArt.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

namespace Places = SummaryPlaces;
using namespace SummaryPicturesArt;
using PreviewPaint::Arial;
using PreviewPaint::Face;
using PreviewPaint::PushButton;

const QColor Blue(0, 0, 255);

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// A review table as the pages build it: two sunken frames, blue Arial 16 px, the heading bold.
// Returns the table's bottom.
int Table(QPainter& p, QPoint at, int leftWidth, int rightWidth, const std::vector<std::pair<QString, QString>>& rows)
{
    const int padding = 6;
    std::vector<int> heights;
    int height = padding;
    for (size_t i = 0; i < rows.size(); ++i) {
        p.setFont(Arial(16, i == 0));
        const int left = p.fontMetrics().boundingRect(QRect(0, 0, leftWidth - 12, 1000), Qt::TextWordWrap, rows[i].first).height();
        const int right = p.fontMetrics().boundingRect(QRect(0, 0, rightWidth - 12, 1000), Qt::TextWordWrap, rows[i].second).height();
        heights.push_back(std::max(left, right));
        height += heights.back() + 4;
    }
    height += padding - 4;
    for (const QRect frame : {QRect(at, QSize(leftWidth, height)), QRect(at + QPoint(leftWidth, 0), QSize(rightWidth, height))}) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 2));
        p.drawLine(frame.topLeft(), frame.topRight());
        p.drawLine(frame.topLeft(), frame.bottomLeft());
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(frame.bottomLeft(), frame.bottomRight());
        p.drawLine(frame.topRight(), frame.bottomRight());
    }
    int top = at.y() + padding;
    p.setPen(Blue);
    for (size_t i = 0; i < rows.size(); ++i) {
        p.setFont(Arial(16, i == 0));
        p.drawText(QRect(at.x() + padding, top, leftWidth - 12, heights[i]), Qt::TextWordWrap, rows[i].first);
        p.drawText(QRect(at.x() + leftWidth + padding, top, rightWidth - 12, heights[i]), Qt::TextWordWrap, rows[i].second);
        top += heights[i] + 4;
    }
    return at.y() + height;
}

// Nearest-neighbour enlargement on a checker, so every pixel of an icon and its see-through show.
QImage Enlarged(const QImage& icon, int factor)
{
    QImage shown(icon.size() * factor, QImage::Format_RGB32);
    shown.fill(QColor(0xe8, 0xe8, 0xe8));
    QPainter p(&shown);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            const QRect cell(x * factor, y * factor, factor, factor);
            if ((x + y) % 2)
                p.fillRect(cell, QColor(0xc8, 0xc8, 0xc8));
            p.fillRect(cell, icon.pixelColor(x, y));
        }
    return shown;
}

void KeyboardReview(TPreviewOutput& out)
{
    TPreviewPage page(SummaryScreensArt::ReviewScreen());
    const char* keys[][2] = {
        {"ENTER", "- Programok indítása, belépés. Parancsok végrehajtása."},
        {"Nyílbillentyűk", "- A kurzor irányítása. Kijelölés megváltoztatása."},
        {"TAB", "- Ugrás egyik elemről a másikra. Kijelölés megváltoztatása."},
        {"BACKSPACE", "- Törlés. A kurzortól balra lévő szöveget törli."},
        {"DELETE", "- Törlés. A kurzortól jobbra lévő szöveget törli."},
        {"NUM LOCK", "- A számbillentyűzet kapcsolója."},
        {"CAPS LOCK", "- A nagybetűs írásmód kapcsolója."},
        {"ESC", "- Menekülés, kilépés programokból. Nem kívánt menük eltüntetése."},
        {"SHIFT", "- A billentyűkön található felső jelek és a nagybetűk segédbillentyűje."},
        {"ALT GR", "- A billentyűkön található alsó jelek segédbillentyűje."},
        {"ALT", "- A menük előhívásának segédbillentyűje."},
        {"CTRL", "- Nem szomszédos elemek kijelöléséhez és másoláshoz használható segédbillentyű."},
    };
    std::vector<std::pair<QString, QString>> rows = {{U("Billentyű neve:"), U("Feladata:")}};
    for (const auto& key : keys)
        rows.emplace_back(U(key[0]), U(key[1]));
    Table(page.painter, QPoint(48, 112), 170, 640, rows);
    PushButton(page.painter, QRect(Places::ReviewNext), U("Tovább"));
    out.Page(page.Done(), "page_bill_review.png");
}

void MouseReview(TPreviewOutput& out)
{
    TPreviewPage page(SummaryScreensArt::SharedScreen());
    Table(page.painter, QPoint(48, 96), 220, 560,
          {{U("Tevékenység:"), U("A tevékenység hatása:")},
           {U("Balkattintás"), U("- Parancsvégrehajtás, kijelölés, kiválasztás, beállítás.")},
           {U("Jobbkattintás"), U("- A gyorsmenük előhívása.")},
           {U("Duplakattintás"), U("- Programok indítása, kiválasztás.")},
           {U("Gombnyomás és\negérmozgatás"), U("- Fogd és vidd! Vonszolás egérrel. Rajzolás egérrel. Kivágás - Másolás.")}});
    // The click clip and the three hand pictures, each with its caption, where the page puts them.
    using MouseLessonsDevicesArt::THold;
    page.Picture(QPoint(320, 364), PreviewPaint::SeeThrough(MouseLessonsClipsArt::ClickClip().front()));
    page.Picture(QPoint(80, 536), MouseLessonsIntroArt::HandPicture(THold::Right));
    page.Picture(QPoint(344, 536), MouseLessonsIntroArt::HandPicture(THold::Left));
    page.Picture(QPoint(616, 504), MouseLessonsIntroArt::HandPicture(THold::Wrong));
    page.Text(QRect(90, 665, 173, 20), U("Jobbkezes kéztartás"), 13);
    page.Text(QRect(364, 665, 170, 20), U("Balkezes kéztartás"), 13);
    page.Text(QRect(636, 665, 155, 32), U("Rossz egértartás és klikkelés"), 13);
    PushButton(page.painter, QRect(384, 720, 89, 25), U("Tovább"));
    out.Page(page.Done(), "page_eger_review.png");
}

// A tool-bar button with its icon and caption; a pressed one sunken and lighter.
void ToolButton(QPainter& p, QRect rect, const QImage& icon, const QString& caption, bool pressed)
{
    p.fillRect(rect, pressed ? QColor(0xe8, 0xe6, 0xe2) : Face);
    p.setPen(pressed ? QColor(0x80, 0x80, 0x80) : Qt::white);
    p.drawLine(rect.topLeft(), rect.topRight());
    p.drawLine(rect.topLeft(), rect.bottomLeft());
    p.setPen(pressed ? Qt::white : QColor(0x80, 0x80, 0x80));
    p.drawLine(rect.bottomLeft(), rect.bottomRight());
    p.drawLine(rect.topRight(), rect.bottomRight());
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint();
    p.drawImage(rect.topLeft() + QPoint(6, (rect.height() - 16) / 2) + shift, icon);
    PreviewPaint::Text(p, rect.adjusted(26, 0, 0, 0).translated(shift), caption, 13, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
}

void ButtonReview(TPreviewOutput& out)
{
    TPreviewPage page(SummaryScreensArt::SharedScreen());
    QPainter& p = page.painter;
    page.Text(QRect(48, 96, 800, 80),
              U("A képernyőn különféle gombokat látsz. A gombok alakja, mérete, színe, felirata, feladata eltérő lehet. Ha "
                "rákattintasz egy gombra, valamilyen utasítást adsz a gépnek.<BR>Az eszköztárgombok közül egyszerre csak egy "
                "lehet benyomva!"),
              16);
    PushButton(p, QRect(56, 200, 75, 25), U("Gomb"));
    p.drawImage(QPoint(150, 178), ButtonsPicturesArt::RoundButton());
    p.fillRect(QRect(240, 200, 75, 25), QColor(0x87, 0xce, 0xeb));
    PreviewPaint::Text(p, QRect(240, 200, 75, 25), U("Gomb  "), 13, Qt::black, Qt::AlignCenter);
    p.drawImage(QPoint(336, 194), ButtonsPicturesArt::EllipseButton());
    ToolButton(p, QRect(452, 198, 80, 28), FolderIcon(), U("Mappa"), false);
    ToolButton(p, QRect(532, 198, 110, 28), CalculatorIcon(), U("Számológép"), true);
    PushButton(p, QRect(662, 192, 90, 40), U("Gomb, hosszú<BR>szöveggel"));
    PushButton(p, QRect(768, 200, 85, 25), U("Inaktív gomb"));
    Table(p, QPoint(48, 260), 220, 580,
          {{U("A gomb jellemzője:"), U("A jellemző leírása:")},
           {U("Állapot"), U("- Aktív = működő. Inaktív (leszürkült) = nem működő.")},
           {U("Állás"), U("- Felengedett, benyomott.")},
           {U("Kijelöltség"), U("- A fókuszkeret látszik a gombon. (Váltás Tabbal, nyilakkal.)")},
           {U("Működtetés (egér)"), U("- Balklikk.")},
           {U("Működtetés (billentyű)"), U("- Enter, Szóköz, a gomb feliratának aláhúzott karaktere.")}});
    PushButton(p, QRect(392, 720, 75, 25), U("Tovább"));
    out.Page(page.Done(), "page_gomb_review.png");
}

void ButtonMatching(TPreviewOutput& out)
{
    TPreviewPage page(SummaryScreensArt::SharedScreen());
    QPainter& p = page.painter;
    PreviewPaint::Text(p, QRect(0, 200, 860, 60), U("Párosítsd a gombokat magyar jelentésükkel!<BR>Húzd a feliratokra a gombokat!"), 19,
                       Blue);
    p.drawImage(Places::TivadarPortrait, Portrait(TCastMember::Tivadar));
    p.drawImage(Places::NoraPortrait, Portrait(TCastMember::Nora));
    p.drawImage(Places::OdonClip.topLeft(), PreviewPaint::SeeThrough(CastPictures::OdonNodding().front()));
    const struct {
        const char* label;
        QPoint labelAt;
        const char* caption;
        QPoint buttonAt;
    } pairs[] = {
        {"IGEN", {120, 496}, "YES ", {496, 328}},         {"MEGSZAKÍTÁS", {192, 536}, "ABORT ", {456, 408}},
        {"LEJÁTSZÁS", {64, 408}, "PLAY ", {496, 488}},    {"ISMÉTLÉS", {208, 288}, "RETRY ", {600, 528}},
        {"KILÉPÉS", {352, 408}, "EXIT", {696, 488}},      {"FOLYTATÁS", {296, 328}, "CONTINUE", {728, 408}},
        {"MÉGSEM", {120, 328}, "CANCEL ", {688, 328}},    {"NEM", {299, 496}, "NO ", {592, 288}},
    };
    for (const auto& pair : pairs) {
        p.setFont(Arial(16, true));
        p.setPen(Blue);
        p.drawText(pair.labelAt + QPoint(0, 16), U(pair.label));
        PushButton(p, QRect(pair.buttonAt, QSize(75, 25)), U(pair.caption));
    }
    PushButton(p, QRect(392, 680, 75, 25), U("Tovább"));
    out.Page(page.Done(), "page_gomb_matching.png");
}

void PanelReview(TPreviewOutput& out)
{
    TPreviewPage page(SummaryScreensArt::SharedScreen());
    page.Picture(Places::Board, Board());
    page.Text(QRect(48, 440, 800, 60),
              U("Az operációs rendszer panelekre írja ki üzeneteit. A panel hasonlít a táblára, amire az osztályban írunk: "
                "általában téglalap alakú és szürke. A paneleket üzenetük tartalma szerint csoportokba soroljuk."),
              16);
    const int bottom = Table(page.painter, QPoint(48, 500), 240, 560,
                             {{U("Üzenetpanelek (közlés)"), QString()},
                              {U("Információs panel"), U("- Üzeneteket, információt, adatokat ír ki, csak az Ok-ra kell kattintani.")},
                              {U("Hibajelző panel"), U("- Rendszer- vagy programhibát jelez, csak az Ok-ra kell kattintani.")}});
    Table(page.painter, QPoint(48, bottom + 6), 240, 560,
          {{U("Párbeszédpanelek (döntéshelyzet)"), QString()},
           {U("Megerősítést kérő panel"), U("- Egy utasítás megerősítésére kér.")},
           {U("Veszélyt jelző panel"), U("- Egy utasítás veszélyességére vagy hiányára hívja fel a figyelmet.")}});
    PushButton(page.painter, QRect(392, 728, 75, 25), U("Tovább"));
    out.Page(page.Done(), "page_panel_review.png");
}

void Detective(TPreviewOutput& out)
{
    TPreviewPage page(SummaryScreensArt::SearchScreen());
    QPainter& p = page.painter;
    const QRect client = PreviewPaint::Window(p, QRect(Places::DetectiveDialog.topLeft(), QSize(603, 497)), U("Nyomozás"), true,
                                              {.close = true}, false, Face);
    // The tab row, Tárolka's tab in front, her picture and statement on the sheet.
    const char* tabs[] = {"Kábel Ödön", "Digit Nóra", "Pixeles Tivadar", "Lemezke", "Tárolka", "Nyilacska"};
    p.setFont(Arial(13));
    int x = client.left() + 4;
    for (int i = 0; i < 6; ++i) {
        const int w = p.fontMetrics().horizontalAdvance(U(tabs[i])) + 16;
        const QRect tab(x, client.top() + (i == 4 ? 2 : 4), w, 20);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.setBrush(Face);
        p.drawRect(tab);
        p.setPen(Qt::black);
        p.drawText(tab, Qt::AlignCenter, U(tabs[i]));
        x += w;
    }
    const QRect sheet(client.left() + 4, client.top() + 24, client.width() - 8, client.height() - 70);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(sheet);
    p.drawImage(sheet.topLeft() + QPoint(200, 24), Portrait(TCastMember::Tarolka));
    PreviewPaint::Text(p, QRect(sheet.left() + 72, sheet.top() + 176, 433, 60), U("Tízig aludtam. Lemezke keltett fel, amikor megjött."),
                       16, Qt::black, Qt::AlignLeft | Qt::TextWordWrap);
    PushButton(p, QRect(client.left() + 120, client.bottom() - 36, 75, 25), U("IGAZ"));
    PushButton(p, QRect(client.left() + 260, client.bottom() - 36, 75, 25), U("HAMIS"));
    PushButton(p, QRect(client.left() + 400, client.bottom() - 36, 75, 25), U("ALKALMAZ"));
    out.Page(page.Done(), "page_nyomozas.png");
}

void MenuSearch(TPreviewOutput& out)
{
    TPreviewPage page(SummaryScreensArt::SearchScreen());
    QPainter& p = page.painter;
    const QRect client = PreviewPaint::Window(p, Places::PracticeWindow, U("Összefoglalás - menük"), true, {}, false);
    p.fillRect(QRect(client.topLeft(), QSize(client.width(), 20)), Face);
    p.setFont(Arial(13));
    p.setPen(Qt::black);
    int x = client.left() + 8;
    for (const char* menu : {"FÁJL", "SZERKESZTÉS", "NÉZET", "BESZÚRÁS", "FORMÁTUM", "SÚGÓ"}) {
        p.drawText(QPoint(x, client.top() + 15), U(menu));
        x += p.fontMetrics().horizontalAdvance(U(menu)) + 18;
    }
    p.drawImage(client.topLeft() + QPoint(264, 52), CastPictures::OdonGreeting());
    p.setFont(Arial(18, true));
    p.setPen(Blue);
    p.drawText(QRect(client.left() + 40, client.top() + 330, 673, 73), Qt::AlignHCenter | Qt::AlignBottom,
               U("Nézet \\ Lista \\ Fekete Péter"));
    PushButton(p, QRect(client.topLeft() + QPoint(328, 542), QSize(75, 25)), U("START"));
    PreviewPaint::Text(p, QRect(872, 192, 137, 41), U("Eltelt idő:"), 32, Blue, Qt::AlignCenter);
    PreviewPaint::Text(p, QRect(872, 224, 137, 41), U("00:17"), 32, Blue, Qt::AlignCenter);
    out.Page(page.Done(), "page_menu_search.png");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "summarypreview OUTPUT_DIR [SHEET]"))
        return 2;
    KeyboardReview(out);
    MouseReview(out);
    ButtonReview(out);
    ButtonMatching(out);
    PanelReview(out);
    Detective(out);
    MenuSearch(out);

    out.Save(SummaryScreensArt::ReviewScreen(), "OsszeFoglBillForm.jpg.png");
    out.Save(SummaryScreensArt::SharedScreen(), "OsszeFoglEgerForm.jpg.png");
    out.Save(SummaryScreensArt::SearchScreen(), "OsszeFoglForm.jpg.png");
    const std::pair<const char*, QImage> pictures[] = {
        {"Tivadar.png", Portrait(TCastMember::Tivadar)},
        {"nora.png", Portrait(TCastMember::Nora)},
        {"tarolka.png", Portrait(TCastMember::Tarolka)},
        {"tabla.png", Board()},
    };
    const std::pair<const char*, QImage> icons[] = {
        {"mappa_ikon.png", FolderIcon()},
        {"szamologep_ikon.png", CalculatorIcon()},
    };
    for (const auto& [name, picture] : pictures)
        out.Save(picture, QString::fromLatin1(name));
    for (const auto& [name, icon] : icons) {
        out.Save(icon, QString::fromLatin1(name));
        out.Save(Enlarged(icon, 16), QStringLiteral("x16_") + QString::fromLatin1(name));
    }

    // The review sheet: the pages at half size, then the pictures at their own size on the page's
    // grey and on white, the icons at their size and enlarged.
    const int picturesHeight = 760;
    QImage sheet = out.ReviewSheet(picturesHeight);
    QPainter painter(&sheet);
    painter.setFont(Arial(12));
    int x = 8;
    const int top = sheet.height() - picturesHeight + 8;
    for (const auto& [name, picture] : pictures) {
        painter.fillRect(QRect(QPoint(x, top), picture.size()), QColor(0xdd, 0xdd, 0xdd));
        painter.drawImage(x, top, picture);
        painter.fillRect(QRect(QPoint(x, top + 360), picture.size()), Qt::white);
        painter.drawImage(x, top + 360, picture);
        painter.setPen(Qt::white);
        painter.drawText(x, top + 352, QString::fromLatin1(name));
        x += picture.width() + 16;
    }
    for (const auto& [name, icon] : icons) {
        painter.fillRect(QRect(QPoint(x, top), QSize(16, 16)), PreviewPaint::Face);
        painter.drawImage(x, top, icon);
        painter.drawImage(x, top + 24, Enlarged(icon, 16));
        painter.setPen(Qt::white);
        painter.drawText(x, top + 24 + 256 + 16, QString::fromLatin1(name));
        x += 256 + 16;
    }
    painter.end();
    out.SaveReviewSheet("summary_media_sheet.png", sheet);
    return out.Result();
}
