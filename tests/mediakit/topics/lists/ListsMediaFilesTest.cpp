// The lists topic's files as the build wrote them: every name its pages use (most built from a
// page name, which the source scan cannot see) at the size the page shows it, and clips that loop
// on the see-through page grey.

#include "mediakit/ResFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(ListsMediaFiles, EveryPictureAndClipThePagesNameIsWrittenAtTheirSize)
{
    const struct {
        const char* path;
        const char* size;
    } expected[] = {
        {"images/lista/listmindenkiform.jpg", "1024x768"},
        {"images/lista/listkajakform.jpg", "1024x768"},
        {"images/lista/listtvform.jpg", "1024x768"},
        {"images/lista/listmertekcsopform.jpg", "1024x768"},
        {"images/lista/list_ly_j_form.jpg", "1024x768"},
        {"images/lista/listcomboform.jpg", "1024x768"},
        {"images/lista/listreflexjatekform.jpg", "1024x768"},
        {"images/lista/listeditablelbform.jpg", "1024x768"},
        {"images/lista/list_ly_j_form_billentyuzet.png", "425x67"},
        {"images/start.png", "285x80"},
        {"avis/lista/listkajakform.avi", "240x320"},
        {"avis/lista/listszulinapform.avi", "240x320"},
        {"avis/lista/list_ly_j_form.avi", "240x320"},
        {"avis/lista/listcomboform.avi", "240x320"},
    };
    const QMap<QString, QString> listed = ResFiles::ListedSizes();
    for (const auto& e : expected) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(listed.contains(e.path));
        EXPECT_EQ(listed.value(e.path).toStdString(), e.size);
    }
}

TEST(ListsMediaFiles, ClipsLoopOnTheSeeThroughColour)
{
    for (const char* path : {"avis/lista/listkajakform.avi", "avis/lista/listszulinapform.avi",
                             "avis/lista/list_ly_j_form.avi", "avis/lista/listcomboform.avi"})
        ResFiles::ExpectLoopOnPageGrey(path, 24);
}

} // namespace
