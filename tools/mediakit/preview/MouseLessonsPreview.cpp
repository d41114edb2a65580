// mouselessonspreview OUTPUT_DIR: the mouse lessons' pictures as plain PNGs, the backgrounds with
// the pictures the pages show over them, the clips as contact sheets, and the review sheet.

#include "mediakit/cast/CastPictures.h"
#include "mediakit/topics/mouse/MouseLessonsMedia.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: mouselessonspreview OUTPUT_DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    std::vector<std::pair<QString, QImage>> pages;
    for (const auto& [name, image] : MouseLessonsMedia::Pictures()) {
        const QString file = name.section('\\', -1).section('.', 0, 0) + ".png";
        image.save(out.filePath(file));
        if (image.width() == 1024)
            pages.emplace_back(file, image);
    }

    // The review sheet: every page at half size, three across.
    const int columns = 3;
    const int rows = int(pages.size() + columns - 1) / columns;
    QImage sheet(columns * 520, rows * 400, QImage::Format_RGB32);
    sheet.fill(QColor(0x40, 0x44, 0x4c));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < int(pages.size()); ++i) {
        const QRect cell((i % columns) * 520 + 4, (i / columns) * 400 + 4, 512, 384);
        painter.drawImage(cell, pages[i].second);
        painter.setPen(Qt::white);
        painter.drawText(cell.left() + 2, cell.bottom() + 11, pages[i].first);
    }
    painter.end();
    sheet.save(out.filePath("mouse_lessons_media_sheet.png"));
    return 0;
}
