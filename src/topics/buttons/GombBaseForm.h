#pragma once

#include "framework/BaseForm.h"

#include <QColor>

class TImage;

// The page of the buttons topic: an end picture (hidden) and a back picture that takes the learner
// back to the chooser once the page shows it. The pages are worked with the keyboard as well as
// the mouse, so Tab and the arrows move the focus over their buttons.
class TGombBaseForm : public TBaseForm {
    Q_OBJECT
public:
    // Whether Esc hands over to the module, as the page's "Tovább" does.
    enum class TEscape { Ignored, Leaves };

    explicit TGombBaseForm(const QString& pageName, TEscape escape = TEscape::Ignored);

    TImage* imgEndGame() const { return imgEndGame_; }
    TImage* imgToMenu() const { return imgToMenu_; }

protected:
    void InitPage() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

    void ShowToMenu();
    void Notify();
    // The writer on the background, in the page's blue.
    void WriteOnBackground(const QString& text, int left, int right, int top, int lineSpacing, int size = 16,
                           const QColor& colour = Blue);
    // A picture used as a button sinks 2 pixels right and down while a mouse button holds it.
    static void MakePressable(TImage* picture);

    static inline const QColor Blue = QColor(0, 0, 255);

private:

    TEscape escape_;
    TImage* imgEndGame_;
    TImage* imgToMenu_;
};
