#include "OsszefoglPanel2Form.h"

TOsszefoglPanel2Form::TOsszefoglPanel2Form() : TBaseBillForm(QStringLiteral("OsszefoglPanel2Form"))
{
    LoadBackground(QStringLiteral("osszefoglal\\OsszeFoglForm.jpg"));
}
