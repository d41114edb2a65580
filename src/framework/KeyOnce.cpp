#include "KeyOnce.h"

#include <QKeyEvent>

bool TKeyOnce::First(const QKeyEvent& event)
{
    // The address alone could be a new event in an old one's place; its type, key and time tell.
    if (event_ == &event && type_ == event.type() && key_ == event.key() && timestamp_ == event.timestamp())
        return false;
    event_ = &event;
    type_ = event.type();
    key_ = event.key();
    timestamp_ = event.timestamp();
    swallowed_ = false;
    return true;
}
