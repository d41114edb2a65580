// programspreview OUTPUT_DIR [SHEET]: the programs topic's pictures as plain PNGs (the icons also
// eight times enlarged), the program handling page's desktop with its icons, task bar, Start
// menu, arrows, panel and house where the page puts them, and the review sheet.

#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPaint.h"
#include "mediakit/topics/programs/ProgramsDesktopArt.h"
#include "mediakit/topics/programs/ProgramsGuidesArt.h"
#include "mediakit/topics/programs/ProgramsIconsArt.h"
#include "mediakit/topics/programs/ProgramsLandscapeArt.h"
#include "mediakit/topics/programs/ProgramsPlaces.h"
#include "mediakit/topics/programs/ProgramsSignsArt.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <functional>

namespace {

namespace Places = ProgramsPlaces;
using namespace ProgramsIconsArt;
using ProgramsSignsArt::TArrow;
using PreviewPaint::Arial;
using PreviewPaint::Face;
using PreviewPaint::PushButton;

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// The desktop icons with their captions; the selected caption on blue.
void Icons(QPainter& p, int selected)
{
    const QImage pictures[] = {Computer(), RecycleBin(), Calculator(), Paint(), TextEditor()};
    const QString captions[] = {U("Sajátgép"), U("Lomtár"), U("Számoló"), U("Rajzoló"), U("Gépelő")};
    p.setFont(Arial(12));
    for (int i = 0; i < 5; ++i) {
        p.drawImage(Places::Icons[i], pictures[i]);
        const QRect caption(Places::Captions[i], QSize(p.fontMetrics().horizontalAdvance(captions[i]) + 4, 15));
        if (i == selected)
            p.fillRect(caption, QColor(0, 0, 255));
        p.setPen(Qt::white);
        p.drawText(caption, Qt::AlignCenter, captions[i]);
    }
}

void TaskBar(QPainter& p)
{
    const QRect bar = Places::TaskBar;
    p.fillRect(bar, Face);
    p.setPen(Qt::white);
    p.drawLine(bar.topLeft(), bar.topRight());
    PushButton(p, Places::StartButton.translated(bar.topLeft()), QStringLiteral("Start"));
    const QImage quick[] = {SmallCalculator(), SmallPaint(), SmallTextEditor()};
    for (int i = 0; i < 3; ++i)
        p.drawImage(Places::QuickLaunch[i] + bar.topLeft() + QPoint(2, 2), quick[i]);
    const QRect tray(bar.right() - Places::TrayWidth + 1, bar.top() + 3, Places::TrayWidth - 3, 24);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(tray.adjusted(0, 0, -1, -1));
    p.drawImage(tray.topLeft() + QPoint(6, 4), Loudspeaker());
    p.drawImage(tray.topLeft() + QPoint(28, 4), Network());
    p.setFont(Arial(13));
    p.setPen(Qt::black);
    p.drawText(tray.adjusted(0, 0, -8, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("10:35"));
}

// The Start menu as the page fills it: its rows written over the picture, one of them lit.
void StartMenu(QPainter& p, int lit)
{
    const QString rows[] = {U("Office dukumentum megnyitása"), U("Programok beállításai"), U("Új Office dokumentum"),
                            U("Windows katalógus"), U("Windows Update"), U("Microsoft Update"), U("Mozilla Firefox"),
                            U("ICQ"), U("Programok"), U("Dokumentumok"), U("Beállítások"), U("Keresés"), U("súgó"),
                            U("Futtatás"), U("Kijelentkezés"), U("A számítógép kikapcsolása...")};
    const QPoint at = Places::StartMenu.topLeft();
    p.drawImage(at, ProgramsSignsArt::StartMenu());
    p.setFont(Arial(14));
    for (int i = 0; i < 16; ++i) {
        const QRect row(at.x() + Places::StartMenuRowLeft, at.y() + Places::StartMenuRowTops[i], 307, Places::StartMenuRowHeight);
        if (i == lit)
            p.fillRect(row, QColor(0x0a, 0x24, 0x6a));
        p.setPen(i == lit ? Qt::white : Qt::black);
        p.drawText(row.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, rows[i]);
    }
}

void BackSign(QPainter& p)
{
    p.drawImage(Places::BackArea.topLeft(), ProgramsSignsArt::BackSign());
}

void InfoPanel(QPainter& p)
{
    p.drawImage(Places::InfoPanel.topLeft(), ProgramsSignsArt::InfoPanel());
    p.setFont(Arial(16, true));
    p.setPen(Qt::black);
    p.drawText(QRect(Places::InfoPanel.topLeft() + Places::InfoText, QSize(470, 40)), Qt::AlignLeft | Qt::TextWordWrap,
               U("HÁTTÉR - Csak díszítő felület, ami az egész képernyőt betölti."));
    const QString buttons[] = {U("Egyszínű"), U("Mintás"), U("Fénykép"), U("Tovább")};
    for (int i = 0; i < 4; ++i)
        PushButton(p, QRect(Places::InfoButtons[i], QSize(75, 25)), buttons[i]);
}

// A balloon hint above and to the left of an arrow's corner, with its title and text.
void Balloon(QPainter& p, QPoint corner, const QString& title, const QString& text)
{
    // Kept on the page, as the balloon keeps itself.
    const QRect box(std::max(4, corner.x() - 330), corner.y() - 100, 320, 80);
    p.setPen(Qt::black);
    p.setBrush(QColor(0xff, 0xff, 0xe1));
    p.drawRoundedRect(box, 8, 8);
    p.drawPolygon(QPolygon({QPoint(box.right() - 40, box.bottom()), QPoint(box.right() - 20, box.bottom()), corner}));
    p.setFont(Arial(13, true));
    p.drawText(box.adjusted(10, 6, -10, 0), Qt::AlignLeft | Qt::AlignTop, title);
    p.setFont(Arial(12));
    p.drawText(box.adjusted(10, 26, -10, -4), Qt::AlignLeft | Qt::TextWordWrap, text);
}

// Nearest-neighbour enlargement, so every pixel of an icon shows.
QImage Enlarged(const QImage& icon, int factor)
{
    QImage big = icon.scaled(icon.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage shown(big.size(), QImage::Format_RGB32);
    shown.fill(QColor(0xe8, 0xe8, 0xe8));
    QPainter p(&shown);
    for (int y = 0; y < shown.height(); y += factor * 4)
        for (int x = (y / (factor * 4)) % 2 * factor * 4; x < shown.width(); x += factor * 8)
            p.fillRect(x, y, factor * 4, factor * 4, QColor(0xc8, 0xc8, 0xc8)); // a checker to show see-through
    p.drawImage(0, 0, big);
    return shown;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "programspreview OUTPUT_DIR [SHEET]"))
        return 2;
    const QImage base = ProgramsDesktopArt::Base();
    const auto page = [&](const QString& name, const QImage& background, const std::function<void(QPainter&)>& paint) {
        QImage image = background;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
        painter.end();
        out.Page(image, name);
    };

    page("step1_desk.png", base, [](QPainter& p) {
        p.drawImage(Places::Desk.topLeft(), ProgramsGuidesArt::Desk());
        Icons(p, -1);
        TaskBar(p);
        BackSign(p);
    });
    const std::pair<const char*, QImage> backgrounds[] = {
        {"step2_plain.png", ProgramsDesktopArt::Plain()},
        {"step2_pattern.png", ProgramsDesktopArt::Pattern()},
        {"step2_photo.png", ProgramsLandscapeArt::Landscape()},
    };
    for (const auto& [name, background] : backgrounds)
        page(QString::fromLatin1(name), background, [](QPainter& p) {
            InfoPanel(p);
            p.drawImage(Places::ArrowUp, ProgramsSignsArt::Arrow(TArrow::Up));
            Icons(p, -1);
            TaskBar(p);
            BackSign(p);
        });
    // The arrow pointing down goes along the task bar from step 3 to step 6, always under it.
    const QString balloons[] = {U("Láthatatlanul működő programok"), U("Tálca"), U("Gyorsindító gombok"), U("Start menü")};
    for (int step = 0; step < 4; ++step) {
        const int left = Places::ArrowDownLefts[step];
        page(QStringLiteral("step%1_arrow_down.png").arg(step + 3), base, [&](QPainter& p) {
            Icons(p, -1);
            p.drawImage(QPoint(left, Places::ArrowDown.y()), ProgramsSignsArt::Arrow(TArrow::Down));
            TaskBar(p);
            if (step > 0)
                BackSign(p);
            Balloon(p, QPoint(left + 114 - 10, Places::ArrowDown.y() - 10), balloons[step],
                    U("Ide ugranak le a futó, de éppen nem használt programok ablakai."));
        });
    }
    page("step6_start_menu.png", base, [](QPainter& p) {
        Icons(p, -1);
        TaskBar(p);
        BackSign(p);
        StartMenu(p, 8);
    });
    page("step9_icons.png", base, [](QPainter& p) {
        Icons(p, 2);
        p.drawImage(Places::ArrowLeft, ProgramsSignsArt::Arrow(TArrow::Left));
        TaskBar(p);
        BackSign(p);
    });
    page("step12_house.png", base, [](QPainter& p) {
        Icons(p, -1);
        TaskBar(p);
        BackSign(p);
        p.drawImage(Places::House.topLeft(), ProgramsGuidesArt::House());
        PushButton(p, QRect(Places::OkButton, QSize(75, 25)), QStringLiteral("OK"));
    });
    page("arrow_right.png", base, [](QPainter& p) {
        Icons(p, -1);
        p.drawImage(Places::ArrowRight, ProgramsSignsArt::Arrow(TArrow::Right));
        TaskBar(p);
        BackSign(p);
    });

    const std::pair<const char*, QImage> pictures[] = {
        {"prg_base.jpg.png", base},
        {"hatter1sz.jpg.png", ProgramsDesktopArt::Plain()},
        {"hatterM.jpg.png", ProgramsDesktopArt::Pattern()},
        {"hatter.jpg.png", ProgramsLandscapeArt::Landscape()},
        {"k_a.png", ProgramsGuidesArt::Desk()},
        {"haz_5_szinttel.png", ProgramsGuidesArt::House()},
        {"infPanel.png", ProgramsSignsArt::InfoPanel()},
        {"exitBtn.png", ProgramsSignsArt::BackSign()},
        {"fel.png", ProgramsSignsArt::Arrow(TArrow::Up)},
        {"le.png", ProgramsSignsArt::Arrow(TArrow::Down)},
        {"balra.png", ProgramsSignsArt::Arrow(TArrow::Left)},
        {"jobbra.png", ProgramsSignsArt::Arrow(TArrow::Right)},
        {"startMenu.png", ProgramsSignsArt::StartMenu()},
    };
    for (const auto& [name, picture] : pictures)
        out.Save(picture, QString::fromLatin1(name));
    const std::pair<const char*, QImage> icons[] = {
        {"sajatgep", Computer()},          {"kuka32", RecycleBin()},      {"Szamolo32", Calculator()},
        {"rajzolo32", Paint()},            {"gepelo32", TextEditor()},    {"Szamolo16", SmallCalculator()},
        {"rajzolo16", SmallPaint()},       {"gepelo16", SmallTextEditor()}, {"hang16", Loudspeaker()},
        {"halo16", Network()},
    };
    for (const auto& [name, icon] : icons) {
        out.Save(icon, QString::fromLatin1(name) + ".png");
        out.Save(Enlarged(icon, icon.width() == 32 ? 8 : 16), QString::fromLatin1(name) + "_x.png");
    }

    // The review sheet: the pages at half size, then the pictures at their own size, the icons
    // also enlarged.
    const int picturesHeight = 2400; // cut to what is drawn
    QImage sheet = out.ReviewSheet(picturesHeight);
    QPainter painter(&sheet);
    painter.setFont(Arial(12));
    int x = 8;
    int top = sheet.height() - picturesHeight + 8;
    int rowHeight = 0;
    const auto tile = [&](const QImage& picture, const QString& caption) {
        if (x + picture.width() > sheet.width() - 8) {
            x = 8;
            top += rowHeight + 24;
            rowHeight = 0;
        }
        painter.fillRect(QRect(QPoint(x, top), picture.size()), QColor(0x9a, 0xa4, 0xb0));
        painter.drawImage(x, top, picture);
        painter.setPen(Qt::white);
        painter.drawText(x, top + picture.height() + 14, caption);
        x += std::max(picture.width(), 70) + 14;
        rowHeight = std::max(rowHeight, picture.height());
    };
    for (const auto& [name, picture] : pictures)
        if (picture.width() < 1024)
            tile(picture, QString::fromLatin1(name));
    for (const auto& [name, icon] : icons)
        tile(icon, QString::fromLatin1(name));
    for (const auto& [name, icon] : icons)
        tile(Enlarged(icon, icon.width() == 32 ? 4 : 8), QString::fromLatin1(name));
    painter.end();
    out.SaveReviewSheet("programs_media_sheet.png", sheet.copy(0, 0, sheet.width(), std::min(sheet.height(), top + rowHeight + 30)));
    return out.Result();
}
