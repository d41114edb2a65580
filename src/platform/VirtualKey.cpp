#include "VirtualKey.h"

#include <QKeyEvent>
#include <QString>

namespace VirtualKey {

int FromQtKey(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return Back;
    case Qt::Key_Tab: return Tab;
    case Qt::Key_Clear: return Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Return;
    case Qt::Key_Shift: return Shift;
    case Qt::Key_Control: return Control;
    case Qt::Key_Alt: return Menu;
    case Qt::Key_CapsLock: return Capital;
    case Qt::Key_Escape: return Escape;
    case Qt::Key_Space: return Space;
    case Qt::Key_PageUp: return Prior;
    case Qt::Key_PageDown: return Next;
    case Qt::Key_End: return End;
    case Qt::Key_Home: return Home;
    case Qt::Key_Left: return Left;
    case Qt::Key_Up: return Up;
    case Qt::Key_Right: return Right;
    case Qt::Key_Down: return Down;
    case Qt::Key_Insert: return Insert;
    case Qt::Key_Delete: return Delete;
    case Qt::Key_NumLock: return NumLock;
    default: return 0;
    }
}

int FromEvent(const QKeyEvent& event)
{
    const int code = FromQtKey(event.key());
    return code != 0 ? code : Other;
}

int FromCharacter(QChar character)
{
    const QString decomposed = character.decomposition();
    const QChar base = decomposed.isEmpty() ? character : decomposed.at(0);
    const char16_t code = base.toUpper().unicode();
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return code;
    if (code == ' ')
        return Space;
    return Other;
}

} // namespace VirtualKey
