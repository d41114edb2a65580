// The desktop's icon is no course media: plain PNGs go beside res/, into the share/ tree that
// the install rules copy to the system's icon theme.

#include "AppIcon.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

#include <QDir>
#include <QImage>
#include <stdexcept>

namespace {

const TMediaProducer appIcon("appicon", [](TMediaKit& kit) {
    for (const int size : AppIcon::Sizes) {
        const QString folder =
            QDir(kit.Root()).filePath(QStringLiteral("../share/icons/hicolor/%1x%1/apps").arg(size));
        const QString path = QDir(folder).filePath(QStringLiteral("bitlak.png"));
        if (!QDir().mkpath(folder) || !AppIcon::Draw(size).save(path, "PNG"))
            throw std::runtime_error("cannot write " + path.toStdString());
    }
});

} // namespace
