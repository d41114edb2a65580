#pragma once

#include <QImage>

// The mouse games' full-page backgrounds, 1024 × 768. Nothing a page shows as its own picture
// (clouds, targets, guides, panels, grass, buttons) is drawn into them.
namespace MouseGamesScreensArt {

// "LepkevadaszForm.jpg": a summer sky over green hills, a sun to the right below the clouds.
QImage ButterflyScreen();
// "EgerBallJobbForm.jpg": a light page with a calm writing area, the clip's frame on the left
// and a computer mouse on its pad under imgMouse, its right button red.
QImage RightClickScreen();
// "game\beckgrnd.jpg": a warm, even playroom wall on which the white Nyilacska stands out.
QImage HuntScreen();
// "DuplaKattForm.jpg": a light page with a calm writing area, the double-click clip's frame and
// three stage spots with the guides' names under their clips.
QImage DoubleClickScreen();
// "game\gradient_beckgrnd.jpg": an evening sky from blue to a warm glow over far hills.
QImage BalloonScreen();
// "EgerBasketBallForm.jpg": a sports hall, the backboard with its target square over the hoop's
// rectangle and the orange ring along its bottom edge, a wooden floor where the balls lie.
QImage BasketballScreen();

} // namespace MouseGamesScreensArt
