#pragma once

#include <QImage>
#include <QString>
#include <vector>

// Every picture of the selection topic under the name the kit writes it as; the kit's producer
// and the preview tool both take them from here.
namespace SelectionMedia {

struct TNamedPicture {
    QString name;
    QImage image;
};
std::vector<TNamedPicture> Pictures();

inline const char* const ClipName = "jelolesek\\radiogomb_ket_fele.avi";

} // namespace SelectionMedia
