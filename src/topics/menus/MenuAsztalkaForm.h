#pragma once

#include "MenuLessonWindow.h"

#include <QStringList>

// "Terülj-terülj asztalkám": three menus of three items that carry check marks.
class TMenuAsztalkaForm : public TMenuLessonWindow {
    Q_OBJECT
public:
    explicit TMenuAsztalkaForm(QWidget* host);

    static QString Title();
    static QStringList MenuNames();

    QLabel* txtInfo() const { return txtInfo_; }

private:
    QLabel* txtInfo_;
};
