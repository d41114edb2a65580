#include "OsszeFoglBillForm.h"

#include "framework/BackAreas.h"
#include "framework/PushButton.h"

TOsszeFoglBillForm::TOsszeFoglBillForm() : TBaseForm(QStringLiteral("OsszeFoglBillForm"))
{
    UseTabStops();
    imgToMenu_ = AddBackArea(BackAreas::Usual);
    table_ = ReviewTable::Build(this, QPoint(50, 250), 180, 620, Rows());
    btnTovabb_ = new TPushButton(this, QRect(384, 728, 75, 25), QStringLiteral("Tovább"));
    btnTovabb_->OnClick = [this] { NotifyModule(); };
    FormCreate();
}

void TOsszeFoglBillForm::FormCreate()
{
    LoadBackground(QStringLiteral("osszefoglal\\") + GetPageName() + QStringLiteral(".jpg"));
}

std::vector<ReviewTable::TRow> TOsszeFoglBillForm::Rows()
{
    return ReviewTable::WithHeading(
        QStringLiteral("Billentyű neve:"), QStringLiteral("Feladata:"),
        {
            {QStringLiteral("ENTER"), QStringLiteral("- Programok indítása, belépés. Parancsok végrehajtása.")},
            {QStringLiteral("Nyílbillentyűk"), QStringLiteral("- A kurzor irányítása. Kijelölés megváltoztatása.")},
            {QStringLiteral("TAB"), QStringLiteral("- Ugrás egyik elemről a másikra. Kijelölés megváltoztatása.")},
            {QStringLiteral("BACKSPACE"), QStringLiteral("- Törlés. A kurzortól balra lévő szöveget törli.")},
            {QStringLiteral("DELETE"), QStringLiteral("- Törlés. A kurzortól jobbra lévő szöveget törli.")},
            {QStringLiteral("NUM LOCK"), QStringLiteral("- A számbillentyűzet kapcsolója.")},
            {QStringLiteral("CAPS LOCK"), QStringLiteral("- A nagybetűs írásmód kapcsolója.")},
            {QStringLiteral("ESC"),
             QStringLiteral("- Menekülés, kilépés programokból. Nem kívánt menük eltüntetése.")},
            {QStringLiteral("SHIFT"),
             QStringLiteral("- A billentyűkön található felső jelek és a nagybetűk segédbillentyűje.")},
            {QStringLiteral("ALT GR"), QStringLiteral("- A billentyűkön található alsó jelek segédbillentyűje.")},
            {QStringLiteral("ALT"), QStringLiteral("- A menük előhívásának segédbillentyűje.")},
            {QStringLiteral("CTRL"),
             QStringLiteral("- Nem szomszédos elemek kijelöléséhez és másoláshoz használható segédbillentyű.")},
        });
}
