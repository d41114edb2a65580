// The mouse lessons' files as the build wrote them: every name the pages use (most are built from
// a page name and a suffix, which the source scan cannot see) at the size the page shows it, and
// the two clips on the see-through colour, each shorter than the timer that replays it.

#include "framework/ClipDecoder.h"
#include "mediakit/ResFiles.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

TEST(MouseLessonsMediaFiles, EveryPictureAndClipThePagesNameIsWrittenAtTheirSize)
{
    const struct {
        const char* path;
        const char* size;
    } expected[] = {
        {"images/egerezes/egerekform.jpg", "1024x768"},
        {"images/egerezes/egertipusform.jpg", "1024x768"},
        {"images/egerezes/egerkurzorform.jpg", "1024x768"},
        {"images/egerezes/egerkattinfoform.jpg", "1024x768"},
        {"images/egerezes/14_egerezes_kisebb_kurzorok.jpg", "1024x768"},
        {"images/egerezes/egerkattinfoform_jobbkatt.png", "193x145"},
        {"images/egerezes/egerkattinfoform_helyes.png", "200x145"},
        {"images/egerezes/egerkattinfoform_helytelen.png", "185x193"},
        {"images/egerezes/norafejkatt.png", "125x70"},
        {"images/egerezes/egerdragdropform.jpg", "1024x768"},
        {"images/egerezes/egerdragdropform_nyilacska.png", "168x251"},
        {"images/egerezes/egerahazbabeform.jpg", "1024x768"},
        {"images/egerezes/egerahazbabeform_nyilacska.png", "168x251"},
        {"images/egerezes/egerszinezoinfoform.jpg", "1024x768"},
        {"images/egerezes/egernoraszinezform.jpg", "1024x768"},
        {"images/egerezes/egernoraszinezform_2.jpg", "1024x768"},
        {"images/egerezes/egernoraszinezform_polo_alap.png", "123x108"},
        {"images/egerezes/egernoraszinezform_polo_alfa.png", "123x108"},
        {"images/egerezes/egernoraszinezform_szoknya_alap.png", "103x33"},
        {"images/egerezes/egernoraszinezform_szoknya_alfa.png", "103x33"},
        {"images/egerezes/egernoraszinezform_auto_alap.png", "486x114"},
        {"images/egerezes/egernoraszinezform_auto_alfa.png", "486x114"},
        {"images/egerezes/egerszabalyokform.jpg", "1024x768"},
        {"images/egerezes/egeregerfajtakform.jpg", "1024x768"},
        {"images/egerezes/egerjatekvalasztasform.jpg", "1024x768"},
        {"images/jelolesek/virag_3.png", "220x300"},
        {"avis/egerezes/04_kattintas_fogalma.avi", "232x160"},
        {"avis/egerezes/egerdragdropform_dd.avi", "320x240"},
    };
    const QMap<QString, QString> listed = ResFiles::ListedSizes();
    for (const auto& e : expected) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(listed.contains(e.path));
        EXPECT_EQ(listed.value(e.path).toStdString(), e.size);
    }
}

TEST(MouseLessonsMediaFiles, ClipsPlayOnThePageGreyWithinTheirPagesTimers)
{
    const struct {
        const char* path;
        int frames;
        int timerMs;
    } clips[] = {
        {"avis/egerezes/04_kattintas_fogalma.avi", 16, 1500},
        {"avis/egerezes/egerdragdropform_dd.avi", 22, 2000},
    };
    for (const auto& c : clips) {
        ResFiles::ExpectLoopOnPageGrey(c.path, c.frames);
        const ClipDecoder::TClip clip = ClipDecoder::Decode(ResFiles::Read(c.path), c.path);
        EXPECT_LT(1000 * int(clip.frames.size()) / clip.framesPerSecond, c.timerMs) << c.path;
    }
}

} // namespace
