// The mouse lessons' files as the build wrote them: every name the pages use (most are built from
// a page name and a suffix, which the source scan cannot see) at the size the page shows it, and
// the two clips on the see-through colour, each shorter than the timer that replays it.

#include "framework/ClipDecoder.h"
#include "mediakit/PictureChecks.h"
#include "mediakit/ResFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(MouseLessonsMediaFiles, EveryPictureAndClipThePagesNameIsWrittenAtTheirSize)
{
    ResFiles::ExpectListedSizes({
        {"images/egerezes/egerekform.jpg", "1024x768"},
        {"images/egerezes/egertipusform.jpg", "1024x768"},
        {"images/egerezes/egerkurzorform.jpg", "1024x768"},
        {"images/egerezes/egerkattinfoform.jpg", "1024x768"},
        {"images/14_egerezes_kisebb_kurzorok.jpg", "1024x768"},
        {"images/egerezes/egerkattinfoform_jobbkatt.png", "193x145"},
        {"images/egerezes/egerkattinfoform_helyes.png", "200x145"},
        {"images/egerezes/egerkattinfoform_helytelen.png", "185x193"},
        {"images/norafejkatt.png", "125x70"},
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
        {"avis/04_kattintas_fogalma.avi", "232x160"},
        {"avis/egerezes/egerdragdropform_dd.avi", "320x240"},
    });
}

TEST(MouseLessonsMediaFiles, ClipsPlayOnThePageGreyWithinTheirPagesTimers)
{
    const struct {
        const char* path;
        int frames;
        int timerMs;
    } clips[] = {
        {"avis/04_kattintas_fogalma.avi", 16, 1500},
        {"avis/egerezes/egerdragdropform_dd.avi", 22, 2000},
    };
    for (const auto& c : clips) {
        ResFiles::ExpectLoopOnPageGrey(c.path, c.frames);
        const ClipDecoder::TClip clip = ClipDecoder::Decode(ResFiles::Read(c.path), c.path);
        EXPECT_LT(1000 * int(clip.frames.size()) / clip.framesPerSecond, c.timerMs) << c.path;
    }
}

} // namespace

namespace {

bool Orange(const QColor& c)
{
    return c.hsvHue() >= 20 && c.hsvHue() <= 36 && c.hsvSaturation() > 150 && c.value() > 200;
}

TEST(MouseLessonsMediaFiles, TheClickClipPressesTheLeftButtonOnlyInItsMiddle)
{
    const char* path = "avis/04_kattintas_fogalma.avi";
    const ClipDecoder::TClip clip = ClipDecoder::Decode(ResFiles::Read(path), path);
    ASSERT_EQ(clip.frames.size(), 16u);
    const QRect all(0, 0, 232, 160);
    EXPECT_EQ(PictureChecks::Count(clip.frames.front(), all, Orange), 0);
    EXPECT_GT(PictureChecks::Count(clip.frames[8], all, Orange), 300) << "the pressed button and its click";
    EXPECT_EQ(PictureChecks::Count(clip.frames.back(), all, Orange), 0);
}

TEST(MouseLessonsMediaFiles, TheDragClipCarriesTheAppleWithTheButtonHeld)
{
    const char* path = "avis/egerezes/egerdragdropform_dd.avi";
    const ClipDecoder::TClip clip = ClipDecoder::Decode(ResFiles::Read(path), path);
    ASSERT_EQ(clip.frames.size(), 22u);
    const auto apple = [](const QImage& frame) {
        const auto red = [](const QColor& c) {
            return c.hsvSaturation() > 150 && c.value() > 150 && (c.hsvHue() < 8 || c.hsvHue() > 352);
        };
        return PictureChecks::Area(frame, frame.rect(), red).center();
    };
    EXPECT_LT(apple(clip.frames.front()).x(), 110) << "on the table at the left";
    EXPECT_LT(apple(clip.frames[11]).y(), apple(clip.frames.front()).y()) << "lifted while carried";
    EXPECT_GT(apple(clip.frames.back()).x(), 220) << "in the basket at the right";
    // The little mouse in the corner holds its left button down only while carrying.
    const QRect corner(0, 0, 60, 80);
    EXPECT_EQ(PictureChecks::Count(clip.frames.front(), corner, Orange), 0);
    EXPECT_GT(PictureChecks::Count(clip.frames[11], corner, Orange), 40);
    EXPECT_EQ(PictureChecks::Count(clip.frames.back(), corner, Orange), 0);
}

} // namespace
