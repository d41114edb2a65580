#pragma once

#include <QApplication>

// The application object: an error that escapes any event handler is shown in the standard error
// box and the course goes on.
class TBitlakApplication : public QApplication {
    Q_OBJECT
public:
    TBitlakApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // Qt's own standard buttons in Hungarian ("Igen", "Nem").
    void LoadHungarianTranslation();
};
