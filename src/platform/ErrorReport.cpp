#include "ErrorReport.h"

#include "MessageBoxes.h"
#include "Services.h"

void ReportError(const QString& text)
{
    Services::Messages().Error(text);
}
