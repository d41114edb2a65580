#pragma once

#include "framework/BaseBillForm.h"
#include "platform/PageTimer.h"

class QLabel;
class TClipPlayer;
class TImage;

// The letter hunt: one character at a time in the blue panel; the learner types it. After ten
// correct characters the result (errors and time) goes to the evaluation page. A summary page
// derives from it and runs its own count on the same operations.
class TBetuvadaszat : public TBaseBillForm {
    Q_OBJECT
public:
    TBetuvadaszat();

    void ShowPage() override;
    void ClosePage() override;

    // Clears the wrong character shown, then draws the next target and shows it.
    void PickNextCharacter();
    void ShowCharacter(const QString& text, QLabel* label);
    void ShowTime(const QString& text);
    void StartHunt();

    // The characters the targets are drawn from; shared with the derived pages.
    static const QString& Pool() { return pool_; }
    static void SetPool(const QString& pool) { pool_ = pool; }

    const QString& Target() const { return target_; }
    const QString& StepWord() const { return stepWord_; }
    int Errors() const { return errors_; }
    int ElapsedSeconds() const { return elapsedSeconds_; }
    int LetterCounter() const { return letterCounter_; }
    bool Running() const { return running_; }

    TImage* feladat() const { return feladat_; }
    QLabel* txtBetuMutat() const { return txtBetuMutat_; }
    QLabel* txtBeirMutat() const { return txtBeirMutat_; }
    QLabel* txtIdo() const { return txtIdo_; }
    TClipPlayer* odonOk() const { return odonOk_; }
    TClipPlayer* odonNem() const { return odonNem_; }
    TPageTimer& Timer1() { return timer1_; }

    // The clock stops at the largest time "mm:ss" can show.
    static constexpr int MaxSeconds = 255 * 60 + 59;

protected:
    // A derived hunt has a page name of its own.
    explicit TBetuvadaszat(const QString& pageName);

    void InitPage() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void FormKeyPress(QChar& key) override;
    void FormKeyUp(int& key, Qt::KeyboardModifiers shift) override;

    // A typed character equal to the target; the hunt decides whether it goes on.
    virtual void CorrectCharacter();
    // Counts a wrong character unless it repeats the last one counted.
    void WrongCharacter(QChar character);
    virtual void Timer1Timer();
    // Stores the result and "STEP_READY", then tells the module.
    virtual void FinishHunt();

    // Fields in the order the derived pages know them.
    int elapsedSeconds_ = 0;
    QString stepWord_;
    int letterCounter_ = 1;
    int errors_ = 0;
    bool running_ = false;
    QString target_;
    QString lastWrong_;
    bool wrongShown_ = false;
    bool swallow_ = false;

private:
    void FormCreate();

    static inline QString pool_;

    TImage* feladat_;
    QLabel* txtBetuMutat_;
    QLabel* txtBeirMutat_;
    QLabel* txtIdo_;
    TClipPlayer* odonOk_;
    TClipPlayer* odonNem_;
    TPageTimer timer1_;
};
