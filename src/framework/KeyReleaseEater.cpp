#include "KeyReleaseEater.h"

#include <QApplication>
#include <QKeyEvent>

TKeyReleaseEater& TKeyReleaseEater::Instance()
{
    static auto* eater = new TKeyReleaseEater(qApp);
    return *eater;
}

void TKeyReleaseEater::Take(int qtKey)
{
    Take(std::set<int>{qtKey});
}

void TKeyReleaseEater::Take(const std::set<int>& qtKeys)
{
    if (qtKeys.empty())
        return;
    keys_.insert(qtKeys.begin(), qtKeys.end());
    // Ahead of every filter installed so far (the page's, its windows').
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
}

bool TKeyReleaseEater::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const auto at = keys_.find(key->key());
    if (at == keys_.end())
        return false;
    if (key->isAutoRepeat())
        return true;
    keys_.erase(at);
    if (keys_.empty())
        qApp->removeEventFilter(this);
    return event->type() == QEvent::KeyRelease;
}
