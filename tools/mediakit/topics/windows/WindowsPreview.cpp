// windowspreview OUTPUT_DIR: the windows topic's pictures as plain PNGs, the desktop with mock
// practice windows, guides and texts where the pages put them, the clip as a contact sheet, and
// the review sheet.

#include "mediakit/preview/PreviewOutput.h"
#include "mediakit/preview/PreviewPaint.h"
#include "mediakit/topics/windows/WindowsDesktopArt.h"
#include "mediakit/topics/windows/WindowsGuidesArt.h"
#include "mediakit/topics/windows/WindowsPlaces.h"
#include "framework/KezelWndForm.h"
#include "framework/NoraInfoForm.h"
#include "topics/windows/MeretWndForm.h"
#include "topics/windows/NoraForm.h"
#include "topics/windows/WndKezelForm.h"
#include "topics/windows/WndMasolForm.h"
#include "topics/windows/WndMeretForm.h"
#include "topics/windows/WndMunkaterForm.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

namespace Places = WindowsPlaces;
using namespace WindowsGuidesArt;
using PreviewPaint::Arial;
using PreviewPaint::Centred;
using PreviewPaint::Face;
using PreviewPaint::PushButton;
using PreviewPaint::Text;
using PreviewPaint::Window;

void TaskBar(QPainter& p, bool noraDown, bool tivadar)
{
    const QRect bar = Places::TaskBar;
    p.fillRect(bar, Face);
    p.setPen(Qt::white);
    p.drawLine(bar.topLeft(), bar.topRight());
    PushButton(p, QRect(2, bar.top() + 3, 60, 25), QStringLiteral("Start"));
    PushButton(p, QRect(96, bar.top() + 3, 113, 25), TWndKezelForm::WindowName(1));
    if (noraDown)
        p.fillRect(QRect(97, bar.top() + 4, 111, 23), QColor(255, 255, 255, 90));
    if (tivadar)
        PushButton(p, QRect(216, bar.top() + 3, 113, 25), TWndKezelForm::WindowName(2));
    PushButton(p, QRect(bar.right() - 60, bar.top() + 3, 58, 25), QStringLiteral("00:00"));
}

// The practice window with a guide on top and the task text below it.
void PracticeWindow(QPainter& p, QRect outer, const QImage& guide, const QString& task, QColor colour, bool active,
                    PreviewPaint::TTitleButtons buttons, bool resizable)
{
    const QRect client = Window(p, outer, TKezelWndForm::Title(), active, buttons, resizable);
    Centred(p, QRect(client.left(), client.top(), client.width(), 201), guide);
    Text(p, QRect(client.left() + 4, client.top() + 205, client.width() - 8, client.height() - 205), task, 16, colour);
}

void IconWindow(QPainter& p, QRect outer, const QString& title, const QImage& guide, const std::vector<TCastMember>& icons,
                int selected, const QString& task, QColor colour)
{
    const QRect client = Window(p, outer, title, true, {}, false);
    Centred(p, QRect(client.left(), client.top(), client.width(), 217), guide);
    // The frames overlap in the 2-pixel gaps, so the blue ones go over the white ones.
    const auto at = [&](int k) { return QPoint(client.left() + 20 + k * 107, client.top() + 222); };
    for (int k = 0; k < int(icons.size()); ++k)
        p.drawImage(at(k), Icon(icons[k]));
    p.setBrush(Qt::NoBrush);
    for (const bool blue : {false, true})
        for (int k = 0; k < int(icons.size()); ++k)
            if (bool(selected >> k & 1) == blue) {
                p.setPen(QPen(blue ? QColor(0, 0, 255) : Qt::white, 3));
                p.drawRect(QRect(at(k), Places::Icon).adjusted(-2, -2, 1, 1));
            }
    Text(p, QRect(client.left() + 16, client.top() + 328, 361, 149), task, 16, colour);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "windowspreview OUTPUT_DIR"))
        return 2;
    const QImage desktop = WindowsDesktopArt::Desktop();
    const std::vector<QImage> waving = NoraWaving(); // drawn once for the page, its sheet and the review sheet
    const auto page = [&](const QString& name, const std::function<void(QPainter&)>& paint) {
        QImage image = desktop;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter);
        painter.end();
        out.Page(image, name);
    };

    page("intro.png", [](QPainter& p) {
        const QRect nora = Window(p, Places::NoraWindow, TNoraForm::Title(), false, {}, false);
        p.drawImage(nora.topLeft() + QPoint(104, 40), NoraWelcome());
        const QRect info = Window(p, Places::InfoWindow, QString(), true, {.close = true}, false, Face);
        p.drawImage(info.topLeft() + QPoint(16, 16), InfoIcon());
        Text(p, QRect(info.left() + 64, info.top() + 16, 547, 74), TNoraInfoForm::Text(), 16, Qt::black,
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        PushButton(p, QRect(info.left() + 272, info.top() + 100, 89, 25), QStringLiteral("Ok"));
    });
    page("practice_corner.png", [](QPainter& p) {
        PracticeWindow(p, QRect(0, 0, 470, 415), NoraPointingUp(), TKezelWndForm::FirstTask(), Qt::black, true, {},
                       true);
    });
    page("practice_taskbar.png", [](QPainter& p) {
        // The task the closing step's end gives: the task bar has come.
        PracticeWindow(p, Places::PracticeWindow, NoraPointingUp(),
                       TWndKezelForm::NoraTask(TWndKezelForm::TStep::CloseButton), QColor(128, 0, 128), true,
                       {.minimise = true, .maximise = true, .close = true}, false);
        TaskBar(p, true, false);
    });
    page("practice_two_windows.png", [](QPainter& p) {
        using TStep = TWndKezelForm::TStep;
        const QRect two = Window(p, QRect(120, 160, 470, 415), TKezelWndForm::Title(), false,
                                 {.minimise = true, .maximise = true, .close = true}, false);
        Centred(p, QRect(two.left(), two.top(), two.width(), 201), Tivadar());
        Text(p, QRect(two.left() + 4, two.top() + 205, two.width() - 8, two.height() - 205),
             TWndKezelForm::TivadarTask(TStep::NoraBack), 16, QColor(0, 0, 255));
        PracticeWindow(p, Places::PracticeWindow, NoraPointingUp(), TWndKezelForm::StillToGo(TStep::Switching, 5),
                       Qt::blue, true, {.minimise = true, .maximise = true, .close = true}, false);
        TaskBar(p, true, true);
    });
    const auto resize = [&](const QString& name, QRect outer, const QImage& guide, const QString& task, QColor colour) {
        page(name, [&](QPainter& p) {
            const QRect client = Window(p, outer, TMeretWndForm::Title(), true, {}, true);
            Text(p, QRect(client.left(), client.top(), client.width(), 170), task, 16, colour);
            Centred(p, QRect(client.left(), client.top() + 170, client.width(), client.height() - 170), guide);
        });
    };
    resize("resize_start.png", Places::PracticeWindow, NoraCrouching(), TWndMeretForm::Task(1), QColor(0, 0, 255));
    resize("resize_large.png", QRect(100, 100, 820, 555), Nora(), TWndMeretForm::Task(2), QColor(0, 128, 0));
    page("work_area.png", [&](QPainter& p) {
        const QRect client = Window(p, Places::PracticeWindow, TKezelWndForm::Title(), true, {}, true);
        p.drawImage(client.topLeft() + QPoint(128, 0), PreviewPaint::SeeThrough(waving[5]));
        Text(p, QRect(client.left() + 10, client.top() + 206, 430, 150), TWndMunkaterForm::Text(), 16, Qt::black,
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        PushButton(p, QRect(client.left() + 192, 415 - 25 - 50 + Places::PracticeWindow.top(), 75, 25), QString::fromUtf8("Tovább"));
    });
    page("copy_icons.png", [](QPainter& p) {
        IconWindow(p, Places::SourceWindow, TWndMasolForm::TaskTitle(3), Nora(),
                   {TCastMember::Tarolka, TCastMember::Nyilacska, TCastMember::Lemezke}, 0b011,
                   TWndMasolForm::TaskText(3), QColor(0, 128, 0));
        IconWindow(p, Places::TargetWindow, TWndMasolForm::TaskTitle(3), Tivadar(),
                   {TCastMember::Tivadar, TCastMember::Nora, TCastMember::Odon}, 0b100, QString(), Qt::black);
    });
    page("copy_done.png", [](QPainter& p) {
        const QRect client = Window(p, Places::SourceWindow.translated(302, 0), QString::fromUtf8("Címsáv"), true, {}, false);
        Centred(p, QRect(client.left(), client.top(), client.width(), 217), NoraOk());
        PushButton(p, QRect(client.left() + 160, client.top() + 440, 75, 25), QString::fromUtf8("Tovább!"));
    });

    const std::pair<const char*, QImage> pictures[] = {
        {"wnd_v_sz_k.png", NoraWelcome()}, {"wnd_v_f_m.png", NoraPointingUp()}, {"wnd_v_gugol.png", NoraCrouching()},
        {"wnd_v.png", Nora()}, {"wnd_v_ok.png", NoraOk()}, {"tivadar.png", Tivadar()},
        {"img_info.png", InfoIcon()},
    };
    for (const auto& [name, picture] : pictures)
        out.Save(picture, QString::fromLatin1(name));
    for (TCastMember who : AllCastMembers())
        out.Save(Icon(who), QStringLiteral("icon_%1.png").arg(int(who)));
    out.Clip("nora_integet", waving, 8);

    // The review sheet: every page at half size, three across, then every picture on white.
    const int picturesHeight = 480;
    QImage sheet = out.ReviewSheet(picturesHeight);
    QPainter painter(&sheet);
    painter.setFont(Arial(12));
    int x = 8;
    int top = sheet.height() - picturesHeight + 8;
    const auto tile = [&](const QImage& picture, const QString& caption) {
        painter.fillRect(QRect(QPoint(x, top), picture.size()), Qt::white);
        painter.drawImage(x, top, picture);
        painter.setPen(Qt::white);
        painter.drawText(x, top + picture.height() + 13, caption);
        x += std::max(picture.width(), 90) + 12;
    };
    for (const auto& [name, picture] : pictures)
        tile(picture, QString::fromLatin1(name));
    x = 8;
    top += 225;
    for (TCastMember who : AllCastMembers())
        tile(Icon(who), CastMemberName(who));
    tile(PreviewPaint::SeeThrough(waving[0]), QStringLiteral("Nora_integet.avi"));
    painter.end();
    out.SaveReviewSheet("windows_media_sheet.png", sheet);
    return out.Result();
}
