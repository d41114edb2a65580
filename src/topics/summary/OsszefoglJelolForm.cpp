#include "OsszefoglJelolForm.h"

TOsszefoglJelolForm::TOsszefoglJelolForm() : TBaseBillForm(QStringLiteral("OsszefoglJelolForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
}
