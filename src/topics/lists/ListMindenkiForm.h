#pragma once

#include "ListBaseForm.h"

#include <QList>

class QLabel;
class TDragListBox;

// The names page: a first list box; choosing Tárolka's name opens "Tovább".
class TListMindenkiForm : public TListBaseForm {
    Q_OBJECT
public:
    TListMindenkiForm();

    TDragListBox* ListBox1() const { return listBox1_; }
    const QList<QLabel*>& NameLabels() const { return nameLabels_; }

private:
    TDragListBox* listBox1_;
    QList<QLabel*> nameLabels_;
};
