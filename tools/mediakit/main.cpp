#include "MediaKit.h"

#include <QGuiApplication>
#include <QTextStream>

// mediakit OUTPUT_DIR: writes res/images, res/sound, res/avis, res/etc and listing.txt.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: mediakit OUTPUT_DIR\n";
        return 2;
    }
    TMediaKit kit(QString::fromLocal8Bit(argv[1]));
    return kit.Run() ? 0 : 1;
}
