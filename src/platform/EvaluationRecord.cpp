#include "EvaluationRecord.h"

#include <QSysInfo>
#include <QUuid>

TEvaluationRecord TEvaluationRecord::Make(const QString& topic, const QString& page, const QString& name,
                                          const QString& grade, const QString& text)
{
    return {
        .id = QUuid::createUuid().toString(QUuid::WithoutBraces),
        .time = QDateTime::currentDateTimeUtc(),
        .host = QSysInfo::machineHostName(),
        .name = name,
        .grade = grade,
        .topic = topic,
        .page = page,
        .text = text,
    };
}

QString TEvaluationRecord::TimeText() const
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}
