#include "RandomInput.h"

#include "Learner.h"

QString TRandomInput::Character(const QString& characters)
{
    const QString character(characters.at(Pick(int(characters.size()))));
    learner_.TypeText(character);
    return QStringLiteral("the character ") + character;
}

QString TRandomInput::Key(std::initializer_list<Qt::Key> keys, std::initializer_list<Qt::KeyboardModifiers> modifiers)
{
    const Qt::Key key = OneOf(keys);
    const Qt::KeyboardModifiers held = OneOf(modifiers);
    learner_.PressKey(key, held);
    return QStringLiteral("the key %1 with %2").arg(key, 0, 16).arg(held.toInt(), 0, 16);
}

QString TRandomInput::HalfKey()
{
    static const std::pair<int, const char*> keys[] = {{Qt::Key_Shift, ""},    {Qt::Key_Return, "\r"},
                                                       {Qt::Key_Escape, "\x1b"}, {Qt::Key_Backspace, "\b"},
                                                       {Qt::Key_Space, " "},   {Qt::Key_W, "w"},
                                                       {Qt::Key_E, "E"}};
    const auto& [key, text] = keys[Pick(int(std::size(keys)))];
    TBaseForm* page = learner_.CurrentPage();
    QWidget* target = page->focusWidget() ? page->focusWidget() : page;
    const bool down = Pick(2) == 0;
    learner_.SendKey(target, down ? QEvent::KeyPress : QEvent::KeyRelease, key, QString::fromLatin1(text),
                     key == Qt::Key_Shift && !down ? Qt::ShiftModifier : Qt::NoModifier, Pick(4) == 0);
    return QStringLiteral("half a key %1").arg(key, 0, 16);
}

QString TRandomInput::Composed()
{
    static const char* const composed[] = {"ô", "ő", "ű", "ä", "é"};
    learner_.CommitComposed(QString::fromUtf8(composed[Pick(int(std::size(composed)))]));
    return QStringLiteral("composed text");
}

QString TRandomInput::Click()
{
    const QPoint at = AnyPoint();
    learner_.ClickPageAt(at, OneOf({Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}));
    return QStringLiteral("a click at %1,%2").arg(at.x()).arg(at.y());
}

QString TRandomInput::DoubleClick()
{
    const QPoint at = AnyPoint();
    QWidget* target = learner_.WidgetAt(at);
    learner_.DoubleClick(target, target->mapFrom(learner_.CurrentPage(), at));
    return QStringLiteral("a double click at %1,%2").arg(at.x()).arg(at.y());
}

QString TRandomInput::Drag()
{
    const QPoint from = AnyPoint();
    const QPoint to = AnyPoint();
    TBaseForm* page = learner_.CurrentPage();
    QWidget* target = learner_.WidgetAt(from);
    learner_.Drag(target, target->mapFrom(page, from), target->mapFrom(page, to));
    return QStringLiteral("a drag from %1,%2 to %3,%4").arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y());
}

QString TRandomInput::Wait(int maxMs)
{
    const int ms = Pick(maxMs);
    learner_.time.Advance(ms);
    // A page a timer closed is deleted after the tick, as the event loop does between events.
    learner_.Settle();
    return QStringLiteral("%1 ms").arg(ms);
}
