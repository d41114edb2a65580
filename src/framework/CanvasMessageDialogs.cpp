#include "CanvasMessageDialogs.h"

#include "MessageDialog.h"

TDialogResult TCanvasMessageDialogs::Show(const TDialogRequest& dialog)
{
    TMessageDialog box(canvas_, dialog);
    return box.Exec();
}
