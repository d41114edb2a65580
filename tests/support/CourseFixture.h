#pragma once

#include "QtPrinters.h"
#include "QuietCourse.h"

#include "framework/BaseForm.h"

#include <QPoint>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

// The quiet course as a test fixture, with what a learner does: keys, text, clicks and mouse
// moves on the page on screen.
class CourseFixture : public ::testing::Test, public TQuietCourse {
protected:
    TModulVezerlo& Controller() const { return *bitlak->Controller(); }
    std::optional<QString> BoardText(const QString& key) const;
    // The page on screen (the topmost shown page of the stage).
    TBaseForm* CurrentPage() const;
    QString CurrentPageName() const;
    template <class Page> Page* CurrentPageAs() const { return dynamic_cast<Page*>(CurrentPage()); }
    int PagesAlive() const;

    // Input goes to the widget that has the focus on the current page, as a learner's keys do.
    void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void TypeText(const QString& text);
    void Click(QWidget* widget, QPoint at = QPoint(-1, -1), Qt::MouseButton button = Qt::LeftButton);
    void MoveMouse(QWidget* widget, QPoint at = QPoint(-1, -1));
    // Input as the window system delivers it: to the stage window, which passes it on.
    void TypeOnStage(const QString& text);
    void PressOnStage(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Text the input method composed (a dead key and a letter), committed to the focused control.
    void CommitComposed(const QString& text);
    // A click on the stage at a point of its window (beside the canvas, where it is wider).
    void ClickStage(QPoint at);
    // With BITLAK_SCREENSHOTS set to a folder, saves what the learner sees there as name.png.
    void Snapshot(const QString& name) const;
};
