#pragma once

#include "platform/PageTimer.h"

#include <QObject>

class QWidget;
class TImage;

// The memory quizzes' help: a panel over the questions that shows the scene again for five
// seconds, or until its back button is clicked. It opens by the help button painted on the
// background or by F1, only while it is closed; every opening counts.
class TQuizHelp : public QObject {
    Q_OBJECT
public:
    static constexpr int ShowMilliseconds = 5000;

    explicit TQuizHelp(QWidget* page);

    void ShowHelp();
    void HideHelp();
    // F1 opens the help; true when the key was F1.
    bool HandleKey(int key);

    int Count() const { return count_; }
    bool Shown() const { return shown_; }
    TImage* imgCallHelp() const { return imgCallHelp_; }
    QWidget* pnlHelp() const { return pnlHelp_; }
    TImage* imgHelp() const { return imgHelp_; }
    TImage* imgBeck() const { return imgBeck_; }
    TPageTimer& Timer1() { return timer1_; }

private:
    TImage* imgCallHelp_;
    QWidget* pnlHelp_;
    TImage* imgHelp_;
    TImage* imgBeck_;
    TPageTimer timer1_;
    int count_ = 0;
    bool shown_ = false;
};
