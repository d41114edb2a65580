#pragma once

#include <QImage>
#include <QString>
#include <vector>

// The small pictures of the buttons topic's lesson pages and quiz. Buttons are transparent
// outside their shape, so the page shows around them.
namespace ButtonsPicturesArt {

QImage RoundButton();   // "_roundBtn.png", 70 × 70: a round red button
QImage EllipseButton(); // "_ellipseBtn.png", 96 × 37: an oval green button with a caption
QImage NoraButton();    // "_noraBtn.png", 135 × 75: Digit Nóra's head
QImage MiniNora();      // "_mini_nora.png", 73 × 75: Nóra pointing left at the focused button
QImage CheckMark();     // "GombKerdesekForm_pipa.png", 40 × 40: a green check mark

// The tool-bar page's pictures, each named by the suffix after the page name.
struct TToolBarPicture {
    QString suffix; // "_darts_big.png", "_glyph_darts.png", ...
    QImage image;
};
// The four tools' large pictures (292 × 217) and the four houses (241 × 241), in the page's order.
std::vector<TToolBarPicture> LargePictures();
// The eight speed buttons' glyphs, 48 × 48: darts, chess, arrow, camera, then the four houses.
std::vector<TToolBarPicture> Glyphs();

} // namespace ButtonsPicturesArt
