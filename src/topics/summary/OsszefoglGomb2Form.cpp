#include "OsszefoglGomb2Form.h"

TOsszefoglGomb2Form::TOsszefoglGomb2Form() : TBaseBillForm(QStringLiteral("OsszefoglGomb2Form"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglEgerForm.jpg"));
}
