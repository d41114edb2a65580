// The programs topic's files as the build wrote them: every picture the program handling page
// names at the size it shows it, and the plain background still one colour after its encoding.

#include "framework/Cipher.h"
#include "mediakit/ResFiles.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(ProgramsMediaFiles, EveryPictureThePageNamesIsWrittenAtItsSize)
{
    ResFiles::ExpectListedSizes({
        {"images/prg/prg_base.jpg", "1024x768"},
        {"images/prg/hatter1sz.jpg", "1024x768"},
        {"images/prg/hatterm.jpg", "1024x768"},
        {"images/prg/hatter.jpg", "1024x768"},
        {"images/prg/k_a.png", "333x405"},
        {"images/prg/infpanel.png", "500x200"},
        {"images/prg/fel.png", "114x114"},
        {"images/prg/le.png", "114x114"},
        {"images/prg/balra.png", "114x114"},
        {"images/prg/jobbra.png", "114x114"},
        {"images/prg/haz_5_szinttel.png", "581x587"},
        {"images/prg/exitbtn.png", "107x63"},
        {"images/prg/startmenu.png", "330x529"},
        {"images/prg/sajatgep.png", "32x32"},
        {"images/prg/kuka32.png", "32x32"},
        {"images/prg/szamolo32.png", "32x32"},
        {"images/prg/rajzolo32.png", "32x32"},
        {"images/prg/gepelo32.png", "32x32"},
        {"images/prg/szamolo16.png", "16x16"},
        {"images/prg/rajzolo16.png", "16x16"},
        {"images/prg/gepelo16.png", "16x16"},
        {"images/prg/hang16.png", "16x16"},
        {"images/prg/halo16.png", "16x16"},
    });
}

TEST(ProgramsMediaFiles, PlainBackgroundDecodesToOneColour)
{
    const QImage plain = QImage::fromData(Cipher::Applied(ResFiles::Read("images/prg/hatter1sz.jpge")), "JPEG");
    ASSERT_EQ(plain.size(), QSize(1024, 768));
    const QRgb first = plain.pixel(0, 0);
    int others = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            others += plain.pixel(x, y) != first;
    EXPECT_EQ(others, 0);
}

} // namespace
