#pragma once

#include "MenuBaseMForm.h"

#include <QStringList>

class QLineEdit;
class QListWidget;
class TFocusPanel;
class TMenu;
class TNoraInfoForm;
class TPushButton;

// The second pop-up lesson: a picture, a button, an edit box and a list each have their own
// pop-up menu; seven tasks are done through them, one after the other.
class TMenuPopUp2MForm : public TMenuBaseMForm {
    Q_OBJECT
public:
    TMenuPopUp2MForm();

    // What the information window says first, and the task once step n (from 1) is done; the
    // button's caption and the fruits the list starts with.
    static QString StartText();
    static QString NextTask(int step);
    static QString ButtonCaption();
    static QStringList Fruits();

    void ShowPage() override;

    TNoraInfoForm* InfoWindow() const { return info_; }
    TFocusPanel* imgPanel() const { return imgPanel_; }
    TImage* img() const;
    TPushButton* btn() const { return btn_; }
    QLineEdit* listEdit() const { return listEdit_; }
    QListWidget* list() const { return list_; }
    TMenu* PanelMenu() const { return panelMenu_; }
    TMenu* ButtonMenu() const { return buttonMenu_; }
    TMenu* ListMenu() const { return listMenu_; }
    // 0 … 7: the task on screen (7: all done).
    int Step() const { return step_; }

private:
    void Command(const QString& name);
    bool Completes(const QString& name) const;
    void Done();

    TNoraInfoForm* info_;
    TFocusPanel* imgPanel_;
    TPushButton* btn_;
    QLineEdit* listEdit_;
    QListWidget* list_;
    TMenu* panelMenu_;
    TMenu* buttonMenu_;
    TMenu* listMenu_;
    int step_ = 0;
};
