#pragma once

#include <QObject>
#include <QPointer>
#include <map>

class QWidget;
class TMenu;

// The controls that have pop-up menus (TPopupMenu::Attach), and what a right press, Shift+F10 or
// the menu key on them does: the menu opens, the press goes no further, the control's window or
// page is activated as the press would have done. Qt's own context menus of those controls (and
// of the controls inside them) never open.
class TPopupAttachments : public QObject {
public:
    static TPopupAttachments& Instance();

    // A null menu detaches.
    void Set(QWidget* control, TMenu* menu);
    TMenu* Get(QWidget* control) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;

    // The attached control a widget lies in (a list box's viewport lies in the list box).
    QWidget* Around(QWidget* widget) const;
    static void ActivateAround(QWidget* control);

    std::map<QWidget*, QPointer<TMenu>> menus_;
};
