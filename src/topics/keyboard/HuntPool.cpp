#include "HuntPool.h"

#include "platform/RandomSource.h"

#include <algorithm>

namespace HuntPool {

const QString& Letters()
{
    static const QString letters = QStringLiteral(
        "QWERTZUIOPŐÚÖÜÓASDFGHJKLÉÁŰÍYXCVBNMqwertzuiopőúöüóasdfghjkléáűíyxcvbnm");
    return letters;
}

const QString& Signs()
{
    static const QString signs = QStringLiteral("§\"+!%/=()?~\\[]$<>#@{}*");
    return signs;
}

const QString& Everything()
{
    static const QString everything = Letters() + Signs() + QStringLiteral("0123456789");
    return everything;
}

std::optional<QString> ForStep(const QString& step)
{
    if (step == QLatin1String("R1"))
        return Letters();
    if (step == QLatin1String("R2"))
        return Signs();
    if (step == QLatin1String("R3"))
        return Everything();
    return std::nullopt;
}

int DrawPosition(int length, IRandomSource& random)
{
    if (length <= 0)
        return 0;
    const int drawn = random.Random((length + 1) * 10000) / 10000;
    return std::max(1, drawn);
}

} // namespace HuntPool
