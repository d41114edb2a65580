#include "PracticeSteps.h"

#include "framework/GraphObj.h"
#include "platform/VirtualKey.h"

namespace PracticeSteps {

std::vector<TPlacement> Hands(const QString& step)
{
    const THand L = THand::Left;
    const THand R = THand::Right;
    if (step == QLatin1String("T"))
        return {{L, {560, 320}}, {R, {960, 390}}};
    if (step == QLatin1String("CAPSLOCK"))
        return {{R, {56, 325}}, {L, {835, 175}}};
    if (step == QLatin1String("SHIFT"))
        return {{R, {620, 360}}, {L, {-30, 365}}};
    if (step == QLatin1String("FELSO"))
        return {{L, {-25, 245}}, {R, {620, 365}}};
    if (step == QLatin1String("ALSO"))
        return {{L, {185, 363}}, {R, {460, 405}}};
    if (step == QStringLiteral("HÁROMBILL"))
        return {{L, {15, 240}}, {R, {460, 405}}};
    if (step == QLatin1String("NUMLOCK"))
        return {{L, {770, 245}}, {R, {865, 175}}};
    if (step == QLatin1String("ESC"))
        return {{R, {45, 165}}};
    return {};
}

void PlaceHands(TGraphObj& left, TGraphObj& right, const std::vector<TPlacement>& placements,
                std::vector<TGraphObj*>& drawn)
{
    for (auto hand = drawn.rbegin(); hand != drawn.rend(); ++hand)
        (*hand)->Hide();
    drawn.clear();
    for (const TPlacement& placement : placements) {
        TGraphObj& hand = placement.hand == THand::Left ? left : right;
        hand.Hide();
        hand.SetPosition(placement.topLeft);
        hand.Show();
        drawn.push_back(&hand);
    }
}

bool CompletedByKeyDown(const QString& step, int key)
{
    if (step == QLatin1String("CAPSLOCK"))
        return key == VirtualKey::Capital;
    if (step == QLatin1String("NUMLOCK"))
        return key == VirtualKey::NumLock;
    if (step == QLatin1String("ESC"))
        return key == VirtualKey::Escape;
    return false;
}

bool CompletedByCharacter(const QString& step, QChar character, bool shiftHeld)
{
    const bool isT = character == QLatin1Char('T') || character == QLatin1Char('t');
    if (step == QLatin1String("T"))
        return isT;
    if (step == QLatin1String("SHIFT"))
        return isT && shiftHeld;
    if (step == QLatin1String("FELSO"))
        return character == QChar(0xA7); // §
    if (step == QLatin1String("ALSO"))
        return character == QLatin1Char('@');
    if (step == QStringLiteral("HÁROMBILL"))
        return character == QLatin1Char('~');
    return false;
}

} // namespace PracticeSteps
