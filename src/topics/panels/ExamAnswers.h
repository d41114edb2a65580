#pragma once

#include <QString>
#include <QStringList>
#include <map>

// What the learner left on the six exam pages, and its score out of 29.
struct TExamAnswers {
    std::map<int, bool> checks; // check box tag → checked
    bool leftClick = false;
    bool rightClick = false;
    bool doubleClick = false;
    bool cancel = false;
    int buttonsChoice = -1; // RadioGroup1
    int radioChoice = -1;   // RadioGroup2
    int trackBar = 0;
    int spinEdit = 0;
    QStringList fruits;
    int year = -1;  // item indexes of cbEv, cbHo, cbNap
    int month = -1;
    int day = -1;
    QStringList names;
    int emptyListCount = 6;
    int error = -1; // item indexes of cbError, cbWarning, cbInfo
    int warning = -1;
    int info = -1;

    static constexpr int MaxScore = 29;

    int Score() const;
    static QString Grade(int score);
    // The text the evaluation page shows.
    static QString ResultText(const QString& userName, int elapsedMs, int score);
};
