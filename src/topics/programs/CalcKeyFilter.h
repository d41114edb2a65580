#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;
class QLineEdit;

// What the calculator's answer boxes let in, judged by the character a key makes whatever keys are
// held: digits are typed, Enter submits, Backspace, Delete and the arrows edit, Tab moves on;
// every other key is dropped. Pasting (keys, the context menu, the middle button, dropping) is
// dropped too, and text from the input method keeps its digits only. A digit typed into a box
// that holds only the placeholder replaces it.
class TCalcKeyFilter : public QObject {
    Q_OBJECT
public:
    // What a box holds after a judgement, selected so that the next digit replaces it.
    static inline const QString Placeholder = QStringLiteral("?");
    // Empty, or the placeholder untouched: nothing has been answered there.
    static bool Blank(const QString& text) { return text.isEmpty() || text == Placeholder; }

    enum class TJudgement { Type, Submit, Edit, Drop };
    static TJudgement Judge(const QKeyEvent& event);

    explicit TCalcKeyFilter(QObject* parent);
    void Watch(QLineEdit* box);

    // A key that makes a character went down in a box (before it is judged).
    std::function<void()> OnCharacter;
    // Enter in a box.
    std::function<void(QLineEdit* box)> OnSubmit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
