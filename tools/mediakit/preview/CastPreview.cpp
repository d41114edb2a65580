#include "mediakit/cast/CastPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

// castpreview OUTPUT_DIR: the guide cast's pictures as plain PNGs, for looking at them.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: castpreview OUTPUT_DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    bool ok = CastPictures::Sheet().save(out.filePath("cast_sheet.png"));
    ok = CastPictures::Together().save(out.filePath("egyutt_kicsi.png")) && ok;
    ok = CastPictures::NoraHead().save(out.filePath("nora_feje.png")) && ok;
    ok = CastPictures::OdonGreeting().save(out.filePath("odon.png")) && ok;
    ok = CastPictures::ContactSheet(CastPictures::OdonNodding(), 8).save(out.filePath("clip_bologat.png")) && ok;
    ok = CastPictures::ContactSheet(CastPictures::OdonShakingHead(), 8).save(out.filePath("clip_fejet_raz.png")) && ok;
    ok = CastPictures::ContactSheet(CastPictures::OdonWaving(), 8).save(out.filePath("clip_integet.png")) && ok;
    return ok ? 0 : 1;
}
