#include "OsszeFoglBillForm.h"

TOsszeFoglBillForm::TOsszeFoglBillForm() : TBaseForm(QStringLiteral("OsszeFoglBillForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglBillForm.jpg"));
}
