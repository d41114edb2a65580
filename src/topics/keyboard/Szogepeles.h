#pragma once

#include "framework/BaseBillForm.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class TImage;

// The typing page: a row of digits for the numeric keypad ("SZAMOK"), or ten words one after
// the other with the wrong entries counted ("SZAVAK").
class TSzogepeles : public TBaseBillForm {
    Q_OBJECT
public:
    static inline const QString DigitRow = QStringLiteral("9173468250");
    static inline const QString Mistyped = QStringLiteral("Nézd meg figyelmesebben, valamit elgépeltél...");
    static const QStringList& Words();

    enum class TState { Empty, DigitsTyping, DigitsPraised, Words };

    TSzogepeles();

    void ShowPage() override;

    TState State() const { return state_; }
    const QString& Target() const { return target_; }
    int WordsShown() const { return wordsShown_; }
    int WrongEntries() const { return wrongEntries_; }
    QLabel* txtSzoKi() const { return txtSzoKi_; }
    QLineEdit* szoBe() const { return szoBe_; }
    TImage* feladat() const { return feladat_; }

protected:
    void InitPage() override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;
    void FormKeyPress(QChar& key) override;

private:
    void szoBeEnter();
    void Clear();
    void StartDigits();
    void StartWords();
    void ShowNextWord();
    void WriteInstruction(const QString& text);
    void FinishWords();

    QLabel* txtSzoKi_;
    QLineEdit* szoBe_;
    TImage* feladat_;

    QString exercise_;
    QString target_;
    int wordsShown_ = 0;
    // Counted without a ceiling: a wrapping counter would turn many mistakes into none.
    int wrongEntries_ = 0;
    QStringList words_;
    TState state_ = TState::Empty;
};
