#pragma once

#include <QImage>

// The panels topic's page backgrounds, 1024 × 768 each, drawn for the places in PanelsPlaces:
// every one keeps its message or dialog panel's place calm and has the back sign under the back area.
namespace PanelsScreensArt {

QImage OperatingSystemScreen(); // "PnlNyomtatForm.jpg": a computer the system looks after
QImage RaceScreen();            // "PnlPanelForm.jpg": a grey panel and the class board over the race lane
QImage TripScreen();            // "PnlAutosForm.jpg": the country road of the car trip (the tabbed panel's too)
QImage MemoryScreen();          // "PnlMemJatekForm.jpg": the clock's plate and the board under the cards
QImage BookmarkScreen();        // "PnlKonyvJelzForm.jpg": an open book with bookmark tabs
QImage ExamIntroScreen();       // "PnlMiniVizsgaIntroForm.jpg": Digit Nóra with the exam paper
QImage ExamScreen();            // "PnlMiniVizsgaForm.jpg": the six topics' icons over the exam panel

} // namespace PanelsScreensArt
