#include "mediakit/cast/CastPictures.h"
#include "mediakit/preview/PreviewOutput.h"

#include <QGuiApplication>

// castpreview OUTPUT_DIR: the guide cast's pictures as plain PNGs, for looking at them.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TPreviewOutput out;
    if (!out.Open(argc, argv, "castpreview OUTPUT_DIR"))
        return 2;
    out.Save(CastPictures::Sheet(), "cast_sheet.png");
    out.Save(CastPictures::Together(), "egyutt_kicsi.png");
    out.Save(CastPictures::NoraHead(), "nora_feje.png");
    out.Save(CastPictures::OdonGreeting(), "odon.png");
    out.Clip("bologat", CastPictures::OdonNodding(), 8);
    out.Clip("fejet_raz", CastPictures::OdonShakingHead(), 8);
    out.Clip("integet", CastPictures::OdonWaving(), 8);
    return out.Result();
}
