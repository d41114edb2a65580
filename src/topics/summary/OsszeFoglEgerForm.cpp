#include "OsszeFoglEgerForm.h"

TOsszeFoglEgerForm::TOsszeFoglEgerForm() : TBaseBillForm(QStringLiteral("OsszeFoglEgerForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
}
