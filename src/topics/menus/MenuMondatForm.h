#pragma once

#include "MenuLessonWindow.h"

#include <functional>

class TMenuItem;

// "Mondatösszerakósdi": the words menu, the target sentence in the info text, and the button that
// starts the game and, once the six sentences are built, leads to the evaluation.
class TMenuMondatForm : public TMenuLessonWindow {
    Q_OBJECT
public:
    explicit TMenuMondatForm(QWidget* host);

    // The window's title and what it says before START.
    static QString Title();
    static QString Info();

    TImage* img() const { return img_; }
    QLabel* txtInfo() const { return txtInfo_; }
    // 0 before the first sentence, 1 … 6 while building, 7 when all are built.
    int SentenceIndex() const { return index_; }
    QString TargetSentence() const { return target_; }
    int Errors() const { return errors_; }

    // START: the first target shows.
    void Begin();

    // All six sentences built: the page takes the error count.
    std::function<void(int errors)> OnGameOver;

private:
    void Choose(TMenuItem& item);
    void Advance();

    TImage* img_;
    QLabel* txtInfo_;
    int index_ = 0;
    QString target_;
    int errors_ = 0;
};
