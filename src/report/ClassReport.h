#pragma once

#include "platform/EvaluationRecord.h"

#include <QDate>
#include <QString>
#include <vector>

// The class sheet a teacher prints: per grade word and name, each topic's evaluations with their
// dates, as an HTML page and an A4 PDF.
class TClassReport {
public:
    struct TOptions {
        // Local dates, both included; an invalid one does not limit.
        QDate from;
        QDate to;
        // One grade word only (any case); empty: every grade.
        QString grade;
    };

    TClassReport(const std::vector<TEvaluationRecord>& records, TOptions options, QDateTime made);

    // The records the options keep.
    std::size_t Evaluations() const { return records_.size(); }
    QString Html() const;
    bool WriteHtml(const QString& path) const;
    bool WritePdf(const QString& path) const;

private:
    std::vector<TEvaluationRecord> records_;
    TOptions options_;
    QDateTime made_;
};
