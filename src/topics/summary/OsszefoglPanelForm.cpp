#include "OsszefoglPanelForm.h"

TOsszefoglPanelForm::TOsszefoglPanelForm() : TBaseBillForm(QStringLiteral("OsszefoglPanelForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
}
