#pragma once

#include "mediakit/cast/Cast.h"

#include <QImage>

// The summary topic's pictures: the guides' portraits, the school board and the two tool-bar
// icons.
namespace SummaryPicturesArt {

// "osszefoglal\Tivadar.png", "nora.png", "tarolka.png", 174 × 124: the guide in the little framed
// scene of the tab pages, see-through outside the frame's rounded corners.
QImage Portrait(TCastMember who);
// "osszefoglal\tabla.png", 284 × 340, see-through round it: a green school board in a wooden
// frame on an easel, a message panel drawn on it in chalk, chalk and a sponge on its ledge.
QImage Board();
// 16 × 16, see-through, laid out pixel by pixel: "osszefoglal\mappa_ikon.png", a yellow folder;
// "osszefoglal\szamologep_ikon.png", the programs topic's little calculator.
QImage FolderIcon();
QImage CalculatorIcon();

} // namespace SummaryPicturesArt
