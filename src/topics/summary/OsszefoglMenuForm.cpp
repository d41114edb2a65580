#include "OsszefoglMenuForm.h"

TOsszefoglMenuForm::TOsszefoglMenuForm() : TBaseBillForm(QStringLiteral("OsszefoglMenuForm"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglForm.jpg"));
}
