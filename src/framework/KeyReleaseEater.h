#pragma once

#include <QObject>
#include <set>

// A key a menu took is the menu's until it is let go: its release and its repeats reach no one,
// even after the menu has closed (the Enter that chose an item must not reach the page as a
// released Enter). A fresh press of the key is the learner's next key and goes its way.
class TKeyReleaseEater : public QObject {
public:
    static TKeyReleaseEater& Instance();

    void Take(int qtKey);
    void Take(const std::set<int>& qtKeys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;

    std::set<int> keys_;
};
