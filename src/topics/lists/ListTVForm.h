#pragma once

#include "ListBaseForm.h"

#include <QStringList>

class TDropDownList;

// The TV guide page: six drop-down lists to set to Tárolka's favourite programme, found in the
// guide of the background.
class TListTVForm : public TListBaseForm {
    Q_OBJECT
public:
    TListTVForm();

    // The instruction, and Tárolka's favourite programme as the six lists are set to it, left to
    // right: channel, programme, kind, day, hour and minute.
    static QString Instruction();
    static QStringList Favourite();

    TDropDownList* cbAdo() const { return cbAdo_; }
    TDropDownList* cbMusor() const { return cbMusor_; }
    TDropDownList* cbMufaj() const { return cbMufaj_; }
    TDropDownList* cbHNap() const { return cbHNap_; }
    TDropDownList* cbOra() const { return cbOra_; }
    TDropDownList* cbPerc() const { return cbPerc_; }

private:
    void Check();

    TDropDownList* cbAdo_;
    TDropDownList* cbMusor_;
    TDropDownList* cbMufaj_;
    TDropDownList* cbHNap_;
    TDropDownList* cbOra_;
    TDropDownList* cbPerc_;
};
