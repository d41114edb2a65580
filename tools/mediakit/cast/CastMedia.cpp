// The guide cast's own pictures and Kábel Ödön's clips. Other producers paint the guides into
// their pictures with PaintCastMember and PaintCastHead.

#include "CastPictures.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const int ClipRate = 15;

const TMediaProducer cast("cast", [](TMediaKit& kit) {
    kit.WritePicture("egyutt_kicsi.png", CastPictures::Together());
    kit.WritePicture("nora_feje.png", CastPictures::NoraHead());
    kit.WritePicture("osszefoglal\\odon.png", CastPictures::OdonGreeting());
    kit.WritePicture("cast_sheet.png", CastPictures::Sheet());
    kit.WriteClip("kabel_odon_bologat.avi", CastPictures::OdonNodding(), ClipRate);
    kit.WriteClip("kabel_odon_fejet_raz.avi", CastPictures::OdonShakingHead(), ClipRate);
    kit.WriteClip("kabel_odon_integet.avi", CastPictures::OdonWaving(), ClipRate);
});

} // namespace
