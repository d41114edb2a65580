#include "OsszefoglBill2Form.h"

TOsszefoglBill2Form::TOsszefoglBill2Form() : TBetuvadaszat(QStringLiteral("OsszefoglBill2Form"))
{
}
