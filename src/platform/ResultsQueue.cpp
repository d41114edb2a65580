#include "ResultsQueue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

TResultsQueue::TResultsQueue(QString path) : path_(std::move(path)) {}

QString TResultsQueue::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/bitlak/results-queue.jsonl");
}

std::vector<TEvaluationRecord> TResultsQueue::Load() const
{
    std::vector<TEvaluationRecord> records;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    while (!file.atEnd()) {
        const QJsonObject line = QJsonDocument::fromJson(file.readLine()).object();
        TEvaluationRecord record{
            .id = line.value(QLatin1String("id")).toString(),
            .time = QDateTime::fromString(line.value(QLatin1String("time")).toString(), Qt::ISODateWithMs).toUTC(),
            .host = line.value(QLatin1String("host")).toString(),
            .name = line.value(QLatin1String("name")).toString(),
            .grade = line.value(QLatin1String("grade")).toString(),
            .topic = line.value(QLatin1String("topic")).toString(),
            .page = line.value(QLatin1String("page")).toString(),
            .text = line.value(QLatin1String("text")).toString(),
        };
        if (!record.id.isEmpty() && record.time.isValid())
            records.push_back(record);
    }
    return records;
}

bool TResultsQueue::Save(const std::vector<TEvaluationRecord>& records) const
{
    if (records.empty())
        return !QFileInfo::exists(path_) || QFile::remove(path_);
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    // Written whole beside the old file and then renamed: a full disk leaves the old queue intact.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const TEvaluationRecord& record : records) {
        const QJsonObject line{
            {QLatin1String("id"), record.id},       {QLatin1String("time"), record.TimeText()},
            {QLatin1String("host"), record.host},   {QLatin1String("name"), record.name},
            {QLatin1String("grade"), record.grade}, {QLatin1String("topic"), record.topic},
            {QLatin1String("page"), record.page},   {QLatin1String("text"), record.text},
        };
        file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    }
    // Names of children: for the learner's account only.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file.commit();
}
