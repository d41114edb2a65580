#pragma once

#include "QtPrinters.h"
#include "Learner.h"

#include "framework/BaseForm.h"

#include <QPoint>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

// The quiet course as a test fixture, with what a learner does to it.
class CourseFixture : public ::testing::Test, public TLearner {
protected:
    TModulVezerlo& Controller() const { return *bitlak->Controller(); }
    std::optional<QString> BoardText(const QString& key) const;
    // With BITLAK_SCREENSHOTS set to a folder, saves what the learner sees there as name.png.
    void Snapshot(const QString& name) const;
};
