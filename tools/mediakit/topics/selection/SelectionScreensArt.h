#pragma once

#include <QImage>

// The selection topic's page backgrounds (1024 × 768) and the quizzes' help picture. Each has
// its back button under the page's "Image1" (SelectionPlaces) and stays calm and light where the
// pages put their labels and controls.
namespace SelectionScreensArt {

QImage RadioButtonScreen();  // "JelRdBtnForm.jpg": an old radio set in the lower right
QImage RadioGroupScreen();   // "JelRdCsopForm.jpg"
QImage SceneScreen();        // "JelMemIntroForm.jpg": the scene the quizzes ask about
QImage QuizScreen();         // "JelMemRdQuizForm.jpg": the "Súgó" button under "imgCallHelp"
QImage HelpPanel();          // "help_panel.jpg", 850 × 630: the scene and "Bezár" under "imgBeck"
QImage CheckBoxScreen();     // "JelChkBoxForm.jpg"
QImage CheckBox2Screen();    // "JelChkBox2Form.jpg"
QImage SpinEdit1Screen();    // "JelSpinEdit1Form.jpg": a grade book of fives beside the field
QImage SpinEdit2Screen();    // "JelSpinEdit2Form.jpg": the bicycle with its price tag
QImage TrackBarScreen();     // "JelTreckBarForm.jpg"
QImage ProgressBarScreen();  // "JelProgressBarForm.jpg": the finish line at the end of the tracks
QImage CannonScreen();       // "JelAgyuzasForm.jpg": sky over a meadow, the strip for shots and hits

} // namespace SelectionScreensArt
