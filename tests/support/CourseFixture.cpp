#include "CourseFixture.h"

#include "shell/Board.h"

#include <QDir>

std::optional<QString> CourseFixture::BoardText(const QString& key) const
{
    return Board::Text(Controller(), key);
}

void CourseFixture::Snapshot(const QString& name) const
{
    const QString folder = qEnvironmentVariable("BITLAK_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    stage->Canvas()->grab().save(QDir(folder).filePath(name + ".png"));
}
