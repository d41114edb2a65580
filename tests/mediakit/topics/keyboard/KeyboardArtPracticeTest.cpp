// The practice page's keyboard and hands: every step's hand positions put a fingertip on the
// key the step talks about, and the keyboard is a Hungarian one. The hand positions are the
// page's own, so moving a key in the drawing or a hand on the page fails here.

#include "mediakit/topics/keyboard/KeyboardArt.h"
#include "mediakit/topics/keyboard/KeyboardPagesArt.h"
#include "topics/keyboard/PracticeSteps.h"

#include <QImage>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using KeyboardArt::TKeyCap;
using KeyboardArt::TKeyStyle;
using PracticeSteps::THand;

namespace {

// What each hand of a step points at: a key, or a lamp when lamp is set.
struct TTarget {
    const char* step;
    THand hand;
    const char* target;
    bool lamp;
};

const TTarget Targets[] = {
    {"T", THand::Left, "Enter", false},
    {"T", THand::Right, "Num Enter", false},
    {"CAPSLOCK", THand::Right, "Caps Lock", false},
    {"CAPSLOCK", THand::Left, "Caps Lock", true},
    {"SHIFT", THand::Right, "Right Shift", false},
    {"SHIFT", THand::Left, "Left Shift", false},
    {"FELSO", THand::Left, "0", false},
    {"FELSO", THand::Right, "Right Shift", false},
    {"ALSO", THand::Left, "V", false},
    {"ALSO", THand::Right, "Alt Gr", false},
    {"HÁROMBILL", THand::Left, "1", false},
    {"HÁROMBILL", THand::Right, "Alt Gr", false},
    {"NUMLOCK", THand::Left, "Num Lock", false},
    {"NUMLOCK", THand::Right, "Num Lock", true},
    {"ESC", THand::Right, "Esc", false},
};

// How far inside the rectangle the point lies; negative when outside.
int Depth(const QRect& rect, QPoint p)
{
    return std::min({p.x() - rect.left(), rect.right() - p.x(), p.y() - rect.top(), rect.bottom() - p.y()});
}

bool Overlap(const QRect& a, const QRect& b)
{
    return !a.isEmpty() && !b.isEmpty() && a.intersects(b);
}

std::vector<QRect> Parts(const TKeyCap& key)
{
    std::vector<QRect> parts{key.rect};
    if (!key.stem.isEmpty())
        parts.push_back(key.stem);
    return parts;
}

} // namespace

TEST(KeyboardArtPractice, EveryStepPutsAFingertipWellInsideItsKeyOrLamp)
{
    // A finger is about 25 px wide: its pad has to lie clearly on the key, not on an edge.
    const int margin = 6;
    for (const char* step : {"T", "CAPSLOCK", "SHIFT", "FELSO", "ALSO", "HÁROMBILL", "NUMLOCK", "ESC"}) {
        const std::vector<PracticeSteps::TPlacement> hands = PracticeSteps::Hands(QString::fromUtf8(step));
        const auto targets = std::count_if(std::begin(Targets), std::end(Targets),
                                           [&](const TTarget& t) { return std::string(t.step) == step; });
        EXPECT_EQ(hands.size(), size_t(targets)) << step;
        for (const PracticeSteps::TPlacement& placement : hands) {
            const auto target = std::find_if(std::begin(Targets), std::end(Targets), [&](const TTarget& t) {
                return std::string(t.step) == step && t.hand == placement.hand;
            });
            ASSERT_NE(target, std::end(Targets)) << step << ": a hand the test does not expect";
            SCOPED_TRACE(std::string(step) + " " + target->target);
            const QPoint tip = placement.topLeft +
                (placement.hand == THand::Left ? KeyboardArt::LeftFingertip() : KeyboardArt::RightFingertip());
            int depth = -1000;
            if (target->lamp) {
                depth = Depth(KeyboardArt::Lamp(target->target).rect, tip);
            } else {
                for (const QRect& part : Parts(KeyboardArt::Key(target->target)))
                    depth = std::max(depth, Depth(part, tip));
            }
            EXPECT_GE(depth, margin) << "fingertip at " << tip.x() << "," << tip.y();
        }
    }
}

TEST(KeyboardArtPractice, HandPicturesPointWithTheirFingertipAtTheTop)
{
    const struct {
        const char* name;
        QImage image;
        QPoint tip;
    } hands[] = {{"left", KeyboardArt::LeftHand(), KeyboardArt::LeftFingertip()},
                 {"right", KeyboardArt::RightHand(), KeyboardArt::RightFingertip()}};
    for (const auto& hand : hands) {
        SCOPED_TRACE(hand.name);
        const QImage& image = hand.image;
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_GE(std::min(image.width(), image.height()), 100);
        EXPECT_LE(std::max(image.width(), image.height()), 260);
        ASSERT_TRUE(image.rect().contains(hand.tip));

        // The finger is there, and above it is nothing but air within a fingertip's reach.
        EXPECT_EQ(qAlpha(image.pixel(hand.tip)), 255);
        int top = hand.tip.y();
        while (top > 0 && qAlpha(image.pixel(hand.tip.x(), top - 1)) > 0)
            --top;
        EXPECT_LE(hand.tip.y() - top, 20) << "the pad lies this far below the finger's end";
        int highest = image.height();
        for (int y = 0; y < image.height() && highest == image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 0) {
                    highest = y;
                    break;
                }
        EXPECT_GE(highest, top - 2) << "nothing of the hand reaches above the pointing finger";

        // Nothing of the hand is cut off by the picture's edges.
        for (int x = 0; x < image.width(); ++x) {
            EXPECT_EQ(qAlpha(image.pixel(x, 0)), 0);
            EXPECT_EQ(qAlpha(image.pixel(x, image.height() - 1)), 0);
        }
        for (int y = 0; y < image.height(); ++y) {
            EXPECT_EQ(qAlpha(image.pixel(0, y)), 0);
            EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, y)), 0);
        }
    }
}

TEST(KeyboardArtPractice, TheKeyboardIsAFullIsoBoardAboveTheTaskText)
{
    const std::vector<TKeyCap>& keys = KeyboardArt::Keys();
    EXPECT_EQ(keys.size(), 105u);
    QSet<QString> names;
    for (const TKeyCap& key : keys)
        names.insert(key.name);
    EXPECT_EQ(names.size(), int(keys.size())) << "every key has its own name";

    const QRect board = KeyboardArt::CaseRect();
    EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(board));
    EXPECT_LT(board.bottom(), KeyboardPagesArt::Places::PracticeTask.top());
    for (size_t i = 0; i < keys.size(); ++i) {
        for (const QRect& part : Parts(keys[i]))
            EXPECT_TRUE(board.contains(part)) << keys[i].name.toStdString();
        for (size_t j = i + 1; j < keys.size(); ++j)
            for (const QRect& a : Parts(keys[i]))
                for (const QRect& b : Parts(keys[j]))
                    EXPECT_FALSE(Overlap(a, b)) << keys[i].name.toStdString() << " and " << keys[j].name.toStdString();
    }
    for (const KeyboardArt::TLamp& lamp : KeyboardArt::Lamps()) {
        EXPECT_TRUE(board.contains(lamp.rect)) << lamp.name.toStdString();
        for (const TKeyCap& key : keys)
            for (const QRect& part : Parts(key))
                EXPECT_FALSE(Overlap(lamp.rect, part)) << lamp.name.toStdString() << " and " << key.name.toStdString();
    }

    // The ISO Enter: the stem hangs below the wide part and is narrower on the left.
    const TKeyCap& enter = KeyboardArt::Key("Enter");
    EXPECT_EQ(enter.stem.top(), enter.rect.top());
    EXPECT_GT(enter.stem.bottom(), enter.rect.bottom() + 20);
    EXPECT_GT(enter.stem.left(), enter.rect.left());
    EXPECT_EQ(enter.stem.right(), enter.rect.right());
}

TEST(KeyboardArtPractice, EverySignOfTheLetterHuntsIsPrintedWhereAHungarianKeyboardHasIt)
{
    // Where each sign is printed on the keys: plain, with Shift, or with Alt Gr.
    QSet<QChar> plain, shifted, altGr, capitals;
    for (const TKeyCap& key : KeyboardArt::Keys()) {
        for (QChar c : key.lower)
            plain.insert(c);
        for (QChar c : key.altGr)
            altGr.insert(c);
        if (key.style == TKeyStyle::Letter)
            capitals.insert(key.upper.at(0));
        else
            for (QChar c : key.upper)
                shifted.insert(c);
    }
    // The letters of the first hunt: every capital is on a letter key, its small letter with it.
    for (QChar c : QStringLiteral("QWERTZUIOPŐÚÖÜÓASDFGHJKLÉÁŰÍYXCVBNM"))
        EXPECT_TRUE(capitals.contains(c)) << QString(c).toStdString();
    // The second hunt asks for signs that need Shift or Alt Gr.
    const QString withShift = QStringLiteral("§\"+!%/=()?");
    const QString withAltGr = QStringLiteral("~\\[]$<>#@{}*");
    for (QChar c : withShift)
        EXPECT_TRUE(shifted.contains(c)) << QString(c).toStdString();
    for (QChar c : withAltGr)
        EXPECT_TRUE(altGr.contains(c)) << QString(c).toStdString();
    for (QChar c : QStringLiteral("0123456789"))
        EXPECT_TRUE(plain.contains(c)) << QString(c).toStdString();

    // The keys the practice page names carry the signs it talks about.
    EXPECT_EQ(KeyboardArt::Key("0").upper, QStringLiteral("§"));
    EXPECT_EQ(KeyboardArt::Key("V").altGr, QStringLiteral("@"));
    EXPECT_EQ(KeyboardArt::Key("1").altGr, QStringLiteral("~"));
    // Hungarian keyboards start the number row with 0 and put Z where others have Y.
    EXPECT_LT(KeyboardArt::Key("0").rect.left(), KeyboardArt::Key("1").rect.left());
    EXPECT_LT(KeyboardArt::Key("T").rect.left(), KeyboardArt::Key("Z").rect.left());
    EXPECT_LT(KeyboardArt::Key("Z").rect.left(), KeyboardArt::Key("U").rect.left());
    EXPECT_LT(KeyboardArt::Key("Í").rect.left(), KeyboardArt::Key("Y").rect.left());
}

TEST(KeyboardArtPractice, ThePictureShowsEveryKeyWhereTheHandsExpectIt)
{
    const QImage page = KeyboardArt::KeyboardScreen();
    ASSERT_EQ(page.size(), QSize(1024, 768));
    // A key's cap is light against the grey case around it; the light spot lies at the key's
    // place, so the drawing and the rectangles the hands are tested against agree. The legends
    // are dark, so the cap is judged by its lighter part.
    auto lightness = [&](QRect r) {
        std::vector<int> grey;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                grey.push_back(qGray(page.pixel(x, y)));
        std::sort(grey.begin(), grey.end());
        return grey[grey.size() * 6 / 10];
    };
    for (const TKeyCap& key : KeyboardArt::Keys()) {
        const QRect cap = key.rect.adjusted(6, 4, -6, -10);
        const QRect gapBelow(key.rect.left() + 4, key.rect.bottom() + 1, key.rect.width() - 8, 2);
        EXPECT_GT(lightness(cap), 210) << key.name.toStdString();
        // Below the Enter key's wide part hangs its stem, not the case.
        if (key.stem.isEmpty()) {
            EXPECT_LT(lightness(gapBelow), lightness(cap) - 30) << key.name.toStdString();
        }
    }
}
