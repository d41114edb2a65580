#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

class QFrame;
class QLabel;
class QWidget;

// The summary's review tables: two columns of blue Arial 16 px texts, each column in a sunken
// frame; heading rows bold. A row is as tall as its longer side; the right side wraps at its
// column's width, "\n" breaks a line where the table wants it.
namespace ReviewTable {

struct TRow {
    QString left;
    QString right;
    bool heading = false;
};

struct TTable {
    QFrame* leftFrame = nullptr;
    QFrame* rightFrame = nullptr;
    std::vector<QLabel*> labels; // left and right of every row, in order
    QRect area;                  // both frames together
};

// Builds the table with its top-left corner at `at`; the frames are as tall as the rows need. A table
// in a small place (a window's panel) may ask for smaller texts.
TTable Build(QWidget* parent, QPoint at, int leftWidth, int rightWidth, const std::vector<TRow>& rows,
             int textPixels = 16);

// The heading row, then the rows.
std::vector<TRow> WithHeading(const QString& left, const QString& right, std::vector<TRow> rows);

} // namespace ReviewTable
