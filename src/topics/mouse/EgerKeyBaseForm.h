#pragma once

#include "framework/BaseBillForm.h"

class QLabel;

// A first mouse lesson that moves on with one key: the key drawn beside the text, a click on it
// or the key itself tells the module, and a small line above it names the key. Each page loads its
// own background, so the media check finds its name in the page's source.
class TEgerKeyBaseForm : public TBaseBillForm {
    Q_OBJECT
public:
    // key: the VirtualKey that moves on.
    TEgerKeyBaseForm(const QString& pageName, const QRect& keyPlace, const QRect& hintPlace, const QString& hint,
                     int key);

    TImage* Key() const { return key_; }
    QLabel* Hint() const { return hint_; }

protected:
    void FormKeyDown(int& key, Qt::KeyboardModifiers shift) override;

private:
    TImage* key_;
    QLabel* hint_;
    int virtualKey_;
};
