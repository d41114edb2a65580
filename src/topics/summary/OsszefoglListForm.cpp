#include "OsszefoglListForm.h"

TOsszefoglListForm::TOsszefoglListForm() : TBaseBillForm(QStringLiteral("OsszefoglListForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
}
