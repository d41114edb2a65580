#pragma once

#include "framework/BaseBillForm.h"
#include "framework/GraphObj.h"

#include <QStringList>
#include <memory>
#include <vector>

class TImage;
class TTextImgWriter;

// The keyboard practice page: a photograph of the keyboard, two hands over the keys to use and an
// explanation ending with the key that completes the step. The module shows it once per step.
class TBillentyuzet : public TBaseBillForm {
    Q_OBJECT
public:
    TBillentyuzet();
    ~TBillentyuzet() override;

    void ShowPage() override;

    const QString& Step() const { return step_; }
    TImage* feladat() const { return feladat_; }
    const TGraphObj& LeftHand() const { return leftHand_; }
    const TGraphObj& RightHand() const { return rightHand_; }

    // Whether a Shift key is down. It outlives the page: Shift may be pressed on one page and let go
    // on another.
    static bool ShiftHeld() { return shiftHeld_; }

    // The lines of the first step, "T", for the learner's name and grade.
    static QStringList LinesT(const QString& name, const QString& grade);

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void FormKeyPress(QChar& key) override;
    void FormKeyUp(int& key, Qt::KeyboardModifiers shift) override;

private:
    void Prepare();
    void DrawStep();
    void DrawLinesT();
    void DrawLinesCapsLock();
    void DrawLinesShift();
    void WriteStepText(const QString& text);
    void PlaceHands();
    void Complete();

    static inline bool shiftHeld_ = false;

    TImage* feladat_;
    QString step_;
    bool prepared_ = false;
    TGraphObj leftHand_;
    TGraphObj rightHand_;
    // Drawn hands, in the order they went onto the background; they come off in reverse.
    std::vector<TGraphObj*> drawnOrder_;
    std::unique_ptr<TTextImgWriter> writer_;
};
