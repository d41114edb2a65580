#include "MenuPopUp2MForm.h"

#include "FocusPanel.h"
#include "framework/Fonts.h"
#include "framework/Image.h"
#include "framework/MediaAccess.h"
#include "framework/Menu.h"
#include "framework/NoraInfoForm.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/WindowGroup.h"
#include "platform/HungarianText.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

// The task shown once step n is done (index n − 1).
const char* const NextTasks[] = {
    "Készíts széles gombot!",
    "Tivadar figyeljen!",
    "Vedd fel a gyümölcsök közé a körtét!",
    "A gomb felirata legyen kék!",
    "Töröld egyszerre a listából az almát és a citromot!",
    "Tivadar ismét rejtőzzön el!",
};
// The command that completes each step.
const char* const StepCommands[] = {"Rejt", "Szeles", "Figyel", "newItem", "blue", "delSel", "Rejt"};

TMenu* ListCommands(QObject* owner)
{
    auto* menu = new TMenu(owner);
    menu->Add(QStringLiteral("Új elem felvétele"), 0, QStringLiteral("newItem"));
    menu->Add(QStringLiteral("Beszúrás"));
    TMenuItem& remove = menu->Add(QStringLiteral("Törlés"));
    remove.Add(QStringLiteral("A kijelölt elemek törlése"), 0, QStringLiteral("delSel"));
    remove.Add(QStringLiteral("Mind"));
    return menu;
}

} // namespace

QString TMenuPopUp2MForm::StartText()
{
    return QStringLiteral(
        "Gyorsmenüje sok mindennek lehet: képnek, gombnak, listadoboznak vagy ablaknak is. Mindig annak az elemnek a "
        "gyorsmenüje hívható elő, amin az egérmutató van. Tivadar gyorsmenüjéből válaszd a \"Rejtőzés\" parancsot!");
}

QString TMenuPopUp2MForm::NextTask(int step)
{
    if (step < 1 || step > static_cast<int>(std::size(NextTasks)))
        return QString();
    return QString::fromUtf8(NextTasks[step - 1]);
}

QString TMenuPopUp2MForm::ButtonCaption()
{
    return QStringLiteral("GOMB");
}

QStringList TMenuPopUp2MForm::Fruits()
{
    return {QStringLiteral("alma"), QStringLiteral("dinnye"), QStringLiteral("narancs"), QStringLiteral("citrom"),
            QStringLiteral("szilva")};
}

TMenuPopUp2MForm::TMenuPopUp2MForm() : TMenuBaseMForm(QStringLiteral("MenuPopUp2MForm"))
{
    const QFont font = PixelFont(QStringLiteral("Arial"), 16);
    imgPanel_ = new TFocusPanel(this, QRect(56, 202, 353, 297));
    imgPanel_->img()->SetPng(LoadPng(QStringLiteral("menu\\Tivadar_kem_02.png")));
    btn_ = new TPushButton(this, QRect(672, 328, 113, 33), ButtonCaption());
    btn_->setFont(font);
    listEdit_ = new QLineEdit(this);
    listEdit_->setGeometry(472, 256, 145, 24);
    listEdit_->setFont(font);
    list_ = new QListWidget(this);
    list_->setGeometry(472, 280, 145, 169);
    list_->setFont(font);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->addItems(Fruits());

    panelMenu_ = new TMenu(this);
    panelMenu_->Add(QStringLiteral("Rejtőzés"), 0, QStringLiteral("Rejt"));
    panelMenu_->Add(QStringLiteral("Előbújás"));
    panelMenu_->Add(QStringLiteral("Figyelés"), 0, QStringLiteral("Figyel"));
    TMenuItem& disguise = panelMenu_->Add(QStringLiteral("Álcázás"));
    for (const char* who : {"Indián", "Nénike", "Cowboy"})
        disguise.Add(QString::fromUtf8(who));

    buttonMenu_ = new TMenu(this);
    buttonMenu_->Add(QStringLiteral("Széles gomb"), 0, QStringLiteral("Szeles"));
    buttonMenu_->Add(QStringLiteral("Magas gomb"));
    TMenuItem& colours = buttonMenu_->Add(QStringLiteral("Színes felirat"));
    colours.Add(QStringLiteral("piros"));
    colours.Add(QStringLiteral("zöld"));
    colours.Add(QStringLiteral("kék"), 0, QStringLiteral("blue"));
    buttonMenu_->Add(QStringLiteral("Félkövér felirat"));
    buttonMenu_->Add(QStringLiteral("Döntött felirat"));
    buttonMenu_->Add(QStringLiteral("Aláhúzott felirat"));

    listMenu_ = ListCommands(this);
    for (TMenu* menu : {panelMenu_, buttonMenu_, listMenu_})
        menu->OnChoose = [this](TMenuItem& item) { Command(item.Name); };
    TPopupMenu::Attach(imgPanel_, panelMenu_);
    TPopupMenu::Attach(imgPanel_->img(), panelMenu_);
    TPopupMenu::Attach(btn_, buttonMenu_);
    TPopupMenu::Attach(listEdit_, listMenu_);
    TPopupMenu::Attach(list_, listMenu_);
    TPopupMenu::Attach(list_->viewport(), listMenu_);

    info_ = OpenInfoWindow(QPoint(110, 520));
    // Whenever the page is active again, Tivadar's panel has the keys.
    TWindowGroup::Of(this).OnHostActivate = [this] { imgPanel_->setFocus(Qt::OtherFocusReason); };
}

TImage* TMenuPopUp2MForm::img() const
{
    return imgPanel_->img();
}

void TMenuPopUp2MForm::ShowPage()
{
    TMenuBaseMForm::ShowPage();
    info_->txtDialog()->setText(StartText());
    info_->Show();
    step_ = 0;
    imgPanel_->setFocus(Qt::OtherFocusReason);
}

bool TMenuPopUp2MForm::Completes(const QString& name) const
{
    if (step_ >= static_cast<int>(std::size(StepCommands)) || name != QLatin1String(StepCommands[step_]))
        return false;
    if (name == QLatin1String("newItem"))
        return HungarianText::Lower(listEdit_->text()) == QStringLiteral("körte");
    if (name == QLatin1String("delSel")) {
        QStringList selected;
        for (const QListWidgetItem* item : list_->selectedItems())
            selected << item->text();
        selected.sort();
        return selected == QStringList{QStringLiteral("alma"), QStringLiteral("citrom")};
    }
    return true;
}

void TMenuPopUp2MForm::Command(const QString& name)
{
    if (!Completes(name))
        return;
    if (name == QLatin1String("Rejt")) {
        img()->SetPng(LoadPng(QStringLiteral("menu\\Tivadar_kem_01.png")));
    } else if (name == QLatin1String("Szeles")) {
        btn_->resize(btn_->width() + 30, btn_->height());
    } else if (name == QLatin1String("Figyel")) {
        img()->SetPng(LoadPng(QStringLiteral("menu\\Tivadar_kem_03.png")));
    } else if (name == QLatin1String("newItem")) {
        list_->addItem(listEdit_->text());
        listEdit_->clear();
    } else if (name == QLatin1String("blue")) {
        btn_->SetColours(btn_->palette().color(QPalette::Button), QColor(0, 0, 255));
    } else if (name == QLatin1String("delSel")) {
        qDeleteAll(list_->selectedItems());
    }
    Done();
}

void TMenuPopUp2MForm::Done()
{
    ++step_;
    if (const QString next = NextTask(step_); !next.isEmpty())
        info_->txtDialog()->setText(next);
    else
        info_->Button1()->setEnabled(true);
}
