#include "CourseFixture.h"

#include "shell/Board.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>

std::optional<QString> CourseFixture::BoardText(const QString& key) const
{
    return Board::Text(Controller(), key);
}

TBaseForm* CourseFixture::CurrentPage() const
{
    TBaseForm* top = nullptr;
    for (QObject* child : stage->Canvas()->children()) {
        auto* page = qobject_cast<TBaseForm*>(child);
        if (page && page->PageState() == TBaseForm::TPageState::Shown && page->isVisible())
            top = page; // later children lie above earlier ones
    }
    return top;
}

QString CourseFixture::CurrentPageName() const
{
    TBaseForm* page = CurrentPage();
    return page ? page->GetPageName() : QString();
}

int CourseFixture::PagesAlive() const
{
    int count = 0;
    for (QObject* child : stage->Canvas()->children())
        if (qobject_cast<TBaseForm*>(child))
            ++count;
    return count;
}

namespace {
QWidget* KeyTarget(TBaseForm* page)
{
    if (!page)
        return nullptr;
    QWidget* focus = page->focusWidget();
    return focus && (focus == page || page->isAncestorOf(focus)) ? focus : page;
}
} // namespace

void CourseFixture::PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = KeyTarget(CurrentPage());
    ASSERT_NE(target, nullptr) << "no page to type on";
    QTest::keyClick(target, key, modifiers);
    Settle();
}

void CourseFixture::TypeText(const QString& text)
{
    for (QChar character : text) {
        QWidget* target = KeyTarget(CurrentPage());
        ASSERT_NE(target, nullptr) << "no page to type on";
        // Qt names a letter's key by its capital, as a keyboard reports it.
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        const Qt::KeyboardModifiers shift = character.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(character), shift);
        Settle();
    }
}

void CourseFixture::Click(QWidget* widget, QPoint at, Qt::MouseButton button)
{
    ASSERT_NE(widget, nullptr);
    if (at.x() < 0)
        at = widget->rect().center();
    QTest::mouseClick(widget, button, Qt::NoModifier, at);
    Settle();
}

void CourseFixture::MoveMouse(QWidget* widget, QPoint at)
{
    ASSERT_NE(widget, nullptr);
    if (at.x() < 0)
        at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    Settle();
}

void CourseFixture::TypeOnStage(const QString& text)
{
    for (QChar character : text) {
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        const Qt::KeyboardModifiers shift = character.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::sendKeyEvent(QTest::Click, stage.get(), key, QString(character), shift);
        Settle();
    }
}

void CourseFixture::PressOnStage(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(stage.get(), key, modifiers);
    Settle();
}

void CourseFixture::CommitComposed(const QString& text)
{
    // The input method hands its text to the focused control itself.
    QWidget* target = KeyTarget(CurrentPage());
    ASSERT_NE(target, nullptr) << "no page to type on";
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(target, &composed);
    Settle();
}

void CourseFixture::ClickStage(QPoint at)
{
    QTest::mouseClick(stage->viewport(), Qt::LeftButton, Qt::NoModifier, stage->viewport()->mapFrom(stage.get(), at));
    Settle();
}

void CourseFixture::Snapshot(const QString& name) const
{
    const QString folder = qEnvironmentVariable("BITLAK_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    stage->Canvas()->grab().save(QDir(folder).filePath(name + ".png"));
}
