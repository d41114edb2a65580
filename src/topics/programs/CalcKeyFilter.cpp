#include "CalcKeyFilter.h"

#include "platform/ErrorReport.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

TCalcKeyFilter::TJudgement TCalcKeyFilter::Judge(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return TJudgement::Submit;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return TJudgement::Edit;
    default: break;
    }
    // Ctrl and Alt make commands of digits (and Ctrl + V a paste); Shift only changes the character.
    const bool command = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString text = event.text();
    const bool digit = text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9';
    return digit && !command ? TJudgement::Type : TJudgement::Drop;
}

TCalcKeyFilter::TCalcKeyFilter(QObject* parent) : QObject(parent) {}

void TCalcKeyFilter::Watch(QLineEdit* box)
{
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->installEventFilter(this);
}

bool TCalcKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && OnCharacter)
            Guarded(OnCharacter);
        const TJudgement judgement = Judge(*key);
        if (judgement == TJudgement::Type && box->text() == Placeholder)
            box->clear();
        if (judgement == TJudgement::Submit && OnSubmit)
            Guarded([&] { OnSubmit(box); });
        return judgement == TJudgement::Submit || judgement == TJudgement::Drop;
    }
    case QEvent::InputMethod: {
        auto* composed = static_cast<QInputMethodEvent*>(event);
        QString digits;
        for (QChar character : composed->commitString())
            if (character >= u'0' && character <= u'9')
                digits += character;
        if (!digits.isEmpty() && box->text() == Placeholder)
            box->clear();
        if (digits != composed->commitString())
            composed->setCommitString(digits, composed->replacementStart(), composed->replacementLength());
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection on X11.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default: return false;
    }
}
