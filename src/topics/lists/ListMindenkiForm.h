#pragma once

#include "ListBaseForm.h"

#include <QList>
#include <QStringList>

class QLabel;
class TDragListBox;

// The names page: a first list box; choosing Tárolka's name opens "Tovább".
class TListMindenkiForm : public TListBaseForm {
    Q_OBJECT
public:
    TListMindenkiForm();

    // The instruction, and the names in the list box, Tárolka's the third.
    static QString Instruction();
    static QStringList Names();

    TDragListBox* ListBox1() const { return listBox1_; }
    const QList<QLabel*>& NameLabels() const { return nameLabels_; }

private:
    TDragListBox* listBox1_;
    QList<QLabel*> nameLabels_;
};
