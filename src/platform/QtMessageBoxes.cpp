#include "QtMessageBoxes.h"

#include <QMessageBox>

namespace {
const QString Caption = QStringLiteral("Bitlak");
}

bool TQtMessageBoxes::Question(const QString& text)
{
    return QMessageBox::question(parent_, Caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void TQtMessageBoxes::Error(const QString& text)
{
    QMessageBox::critical(parent_, Caption, text);
}

void TQtMessageBoxes::Information(const QString& text)
{
    QMessageBox::information(parent_, Caption, text);
}

void TQtMessageBoxes::Warning(const QString& text)
{
    QMessageBox::warning(parent_, Caption, text);
}
