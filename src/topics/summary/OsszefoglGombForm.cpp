#include "OsszefoglGombForm.h"

TOsszefoglGombForm::TOsszefoglGombForm() : TBaseBillForm(QStringLiteral("OsszefoglGombForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
}
