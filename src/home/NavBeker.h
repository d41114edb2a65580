#pragma once

#include "framework/BaseForm.h"

class QLabel;
class QLineEdit;
class TImage;

// The name page: the learner types a first name and presses Enter.
class TNavBeker : public TBaseForm {
    Q_OBJECT
public:
    static inline const QString TooLong = QStringLiteral("Csak 15 karakteres vagy annál kisebb nevet adj meg.");
    static inline const QString TooShort = QStringLiteral("A három karakternél kisebb név túlontúl rövid.");

    TNavBeker();

    // Letters a name may hold: the English alphabet and the Hungarian accented vowels.
    static bool NameLetter(QChar character);

    QLineEdit* username() const { return username_; }
    QLabel* txtErrorMsg() const { return txtErrorMsg_; }
    TImage* kilep() const { return kilep_; }
    TImage* enter() const { return enter_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    void usernameKeyDown(int& key);
    void usernameKeyPress(QChar& key);
    void kilepClick();
    // Checks the length; shows the error and empties the box when it is wrong.
    bool ValidName();
    void PostName();

    TImage* enter_;
    TImage* kilep_;
    QLabel* LMDSimpleLabel1_;
    TImage* Image1_;
    QLabel* txtErrorMsg_;
    QLineEdit* username_;
    QLabel* nevek1_;
    QLabel* nevek2_;
    bool lastKeyWasControl_ = false;
    bool errorShown_ = false;
};
