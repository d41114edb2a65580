#include "JelSpinEdit2Form.h"

#include "framework/Fonts.h"
#include "framework/PushButton.h"
#include "framework/SpinEdit.h"
#include "platform/VirtualKey.h"

#include <QLabel>
#include <QLineEdit>
#include <limits>

namespace {
const QString Instruction = QStringLiteral(
    "Ez a fehér csík egy szerkesztőmező. A villogó pálcikát kurzornak nevezzük. Az értéket úgy is beállíthatod, "
    "hogy a mezőbe kattintasz, és a számjegyeket törlöd vagy átírod.<BR>Nóra biciklit szeretne venni, ami 14560 "
    "forintba kerül. Állítsd be a szerkesztőmezőben látható értéket úgy, hogy megvehesse a bringát!");

// A key typing a digit or Backspace: its character must still arrive.
bool TypesAllowed(int key)
{
    return (key >= '0' && key <= '9') || key == VirtualKey::Back;
}
} // namespace

TJelSpinEdit2Form::TJelSpinEdit2Form()
    : TJelSpinEdit1Form(QStringLiteral("JelSpinEdit2Form"),
                        {QRect(552, 232, 185, 70), 20000, 100, QStringLiteral("nora"), QRect(185, 65, 316, 377)})
{
    QString text = Instruction;
    text.replace(QStringLiteral("<BR>"), QStringLiteral("\n"));
    TextLabel(QRect(30, 450, 560, 310), text, 24)->setObjectName(QStringLiteral("lblText"));
    const QFont small = PixelFont(QStringLiteral("Arial"), 16);
    auto label = [&](const QRect& place, const QString& caption, const QString& name) {
        QLabel* created = TextLabel(place, caption, 16);
        created->setFont(small);
        created->setWordWrap(false);
        created->setObjectName(name);
    };
    label(QRect(770, 245, 60, 50), QStringLiteral("Ft"), QStringLiteral("lblFt"));
    findChild<QLabel*>(QStringLiteral("lblFt"))->setFont(PixelFont(QStringLiteral("Arial"), 40));
    label(QRect(552, 60, 440, 40),
          QStringLiteral("       Backspace (bekszpész)  \nA kurzortól balra lévő szöveget törli."),
          QStringLiteral("LMDLabel1"));
    label(QRect(552, 104, 440, 40),
          QStringLiteral("                   Delete (dilit)\n A kurzortól jobbra lévő szöveget törli."),
          QStringLiteral("LMDLabel2"));
    label(QRect(552, 148, 440, 40),
          QStringLiteral("Nyilak - Ezekkel mozgathatod a kurzort \n              a számok elé és mögé."),
          QStringLiteral("LMDLabel3"));

    QLineEdit* field = Edit1()->Edit();
    OnControlKeyDown(field, [](int& key, Qt::KeyboardModifiers shift) {
        const bool command = shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const bool moves = key == VirtualKey::Left || key == VirtualKey::Right || key == VirtualKey::Delete
                           || key == VirtualKey::Tab;
        if (!(moves || (TypesAllowed(key) && !command)))
            key = 0;
    });
    OnControlKeyPress(field, [](QChar& key) {
        const bool digit = key >= QLatin1Char('0') && key <= QLatin1Char('9');
        if (!digit && key.unicode() != 8 && key.unicode() != 127)
            key = QChar();
    });
}

void TJelSpinEdit2Form::Edit1Change()
{
    const QString text = Edit1()->Text();
    // Six digits or more are more than any price.
    const int value = text.size() >= 6 ? std::numeric_limits<int>::max() : Edit1()->Value();
    if (value == Price)
        btnFinish()->setEnabled(true);
    ShowMood(value >= Price);
}
