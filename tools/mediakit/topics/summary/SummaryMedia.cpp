// The summary topic's pictures: the keyboard review's background, the background six pages
// share, the detective's and the menu search's background, three guides' portraits, the board of
// the panel review and the button review's two tool-bar icons. Ödön's picture and clips are the
// cast's; the other media the pages show are their own topics'.

#include "SummaryPicturesArt.h"
#include "SummaryScreensArt.h"
#include "mediakit/MediaKit.h"
#include "mediakit/MediaProducer.h"

namespace {

const TMediaProducer summary("summary", [](TMediaKit& kit) {
    using namespace SummaryScreensArt;
    kit.WritePicture("osszefoglal\\OsszeFoglBillForm.jpg", ReviewScreen(), 92);
    kit.WritePicture("osszefoglal\\OsszeFoglEgerForm.jpg", SharedScreen(), 92);
    kit.WritePicture("osszefoglal\\OsszeFoglForm.jpg", SearchScreen(), 92);

    using namespace SummaryPicturesArt;
    kit.WritePicture("osszefoglal\\Tivadar.png", Portrait(TCastMember::Tivadar));
    kit.WritePicture("osszefoglal\\nora.png", Portrait(TCastMember::Nora));
    kit.WritePicture("osszefoglal\\tarolka.png", Portrait(TCastMember::Tarolka));
    kit.WritePicture("osszefoglal\\tabla.png", Board());
    kit.WritePicture("osszefoglal\\mappa_ikon.png", FolderIcon());
    kit.WritePicture("osszefoglal\\szamologep_ikon.png", CalculatorIcon());
});

} // namespace
