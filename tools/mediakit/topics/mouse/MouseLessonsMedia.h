#pragma once

#include <QImage>
#include <QString>
#include <vector>

// The mouse lessons' pictures by the names the pages give them: the opening pages, the drag
// and drop pages and the colouring and game chooser pages.
namespace MouseLessonsMedia {

struct TNamedPicture {
    QString name;
    QImage image;
};
std::vector<TNamedPicture> Pictures();

} // namespace MouseLessonsMedia
