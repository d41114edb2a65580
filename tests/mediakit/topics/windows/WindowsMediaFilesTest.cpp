// The windows topic's files as the build wrote them: every name its pages and windows use (the
// icons' names are built from the guides' names, which the source scan cannot see) at the size
// the windows show them, and Nóra's clip looping on the see-through page grey.

#include "mediakit/ResFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsMediaFiles, EveryPictureAndTheClipAreWrittenAtTheirSize)
{
    const struct {
        const char* path;
        const char* size;
    } expected[] = {
        {"images/ablakok/windows.jpg", "1024x768"},
        {"images/ablakok/wnd_v_sz_k.png", "200x200"},
        {"images/ablakok/wnd_v_f_m.png", "201x201"},
        {"images/ablakok/wnd_v_gugol.png", "201x201"},
        {"images/ablakok/wnd_v.png", "201x201"},
        {"images/ablakok/wnd_v_ok.png", "201x201"},
        {"images/ablakok/tivadar.png", "201x201"},
        {"images/ablakok/tivadar_ico.png", "105x105"},
        {"images/ablakok/nora_ico.png", "105x105"},
        {"images/ablakok/tarolka_ico.png", "105x105"},
        {"images/ablakok/odon_ico.png", "105x105"},
        {"images/ablakok/nyilacska_ico.png", "105x105"},
        {"images/ablakok/lemezke_ico.png", "105x105"},
        {"images/img_info.png", "32x32"},
        {"avis/ablakok/nora_integet.avi", "201x201"},
    };
    const QMap<QString, QString> listed = ResFiles::ListedSizes();
    for (const auto& e : expected) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(listed.contains(e.path));
        EXPECT_EQ(listed.value(e.path).toStdString(), e.size);
    }
    ResFiles::ExpectLoopOnPageGrey("avis/ablakok/nora_integet.avi", 24);
}

} // namespace
