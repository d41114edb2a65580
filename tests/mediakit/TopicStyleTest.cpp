#include "mediakit/PictureChecks.h"
#include "mediakit/home/HomeMedia.h"
#include "mediakit/topics/lists/ListsScreensArt.h"
#include "mediakit/topics/mouse/MouseLessonsIntroArt.h"
#include "mediakit/topics/selection/SelectionScreensArt.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Strongly coloured pixels of rect within 12 degrees of the hue.
int OfHue(const QImage& picture, QRect rect, int hue)
{
    return PictureChecks::Count(picture, rect, [hue](const QColor& c) {
        const int apart = std::abs(c.hsvHue() - hue);
        return c.hsvHue() >= 0 && c.hsvSaturation() > 90 && c.value() > 70 && std::min(apart, 360 - apart) <= 12;
    });
}

} // namespace

// A topic's pages frame their lists, buttons and tiles in the colour of the tile the learner
// chose the topic by.
TEST(TopicStyle, ATopicsPagesWearTheColourOfItsChooserTile)
{
    const QImage chooser = HomeMedia::ChooserScreen();
    const struct {
        const char* topic;
        QPoint tile;
        int hue;
        QImage page;
        QRect accented; // on the page, where the accent edges a control or fills a sign
        int least;
    } topics[] = {
        {"Listadobozok: the names list's card", {676, 137}, 269, ListsScreensArt::NamesScreen(), {348, 300, 8, 100}, 120},
        {"Jelölések: the help button's disc", {520, 137}, 129, SelectionScreensArt::QuizScreen(), {140, 134, 34, 34}, 300},
        {"Egerezés: a cursor tile's edge", {208, 137}, 349, MouseLessonsIntroArt::CursorScreen(), {220, 498, 90, 8}, 120},
    };
    for (const auto& t : topics) {
        SCOPED_TRACE(t.topic);
        // The tile's title band, below its title.
        const QRect band(t.tile.x() + 6, t.tile.y() + 36, 128, 8);
        EXPECT_GT(OfHue(chooser, band, t.hue), band.width() * band.height() * 9 / 10);
        EXPECT_GT(OfHue(t.page, t.accented, t.hue), t.least);
    }
}
