#include "CalcDrill.h"

#include "platform/RandomSource.h"

#include <utility>

namespace {
bool WholeNumber(const QString& text, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}
} // namespace

int TCalcDrill::LimitFor(int operation, int rangeTag)
{
    switch (operation) {
    case Addition:
    case Subtraction: return rangeTag;
    case Multiplication: return rangeTag == 1 ? 10 : rangeTag == 2 ? 100 : 0;
    case Division: return 100;
    default: return 0;
    }
}

void TCalcDrill::ChooseOperation(int operation)
{
    operation_ = operation;
    posed_ = false;
}

void TCalcDrill::ChooseRange(int rangeTag, IRandomSource& random)
{
    limit_ = LimitFor(operation_, rangeTag);
    withRemainder_ = operation_ == Division && rangeTag == WithRemainderTag;
    Pose(random);
}

void TCalcDrill::Pose(IRandomSource& random)
{
    posed_ = operation_ >= Addition && operation_ <= Division && limit_ > 0;
    if (!posed_)
        return;
    a_ = (random.Random(limit_ * 30000) + 1) / 30000;
    b_ = (random.Random(limit_ * 60000) + 1) / 60000;
    if (a_ == 0)
        a_ = 1;
    if (b_ == 0)
        b_ = 1;
    if (a_ < b_)
        std::swap(a_, b_);
    if (operation_ != Division)
        return;
    // Quotients stay below 50; a quartered divisor of 0 becomes 1 again.
    if (a_ / b_ >= 50)
        b_ /= 4;
    if (b_ == 0)
        b_ = 1;
    if (!withRemainder_)
        a_ -= a_ % b_;
}

void TCalcDrill::Reset()
{
    operation_ = NoOperation;
    posed_ = false;
}

QString TCalcDrill::Sign() const
{
    switch (operation_) {
    case Addition: return QStringLiteral("+");
    case Subtraction: return QStringLiteral("-");
    case Multiplication: return QStringLiteral("×");
    case Division: return QStringLiteral("/");
    default: return {};
    }
}

bool TCalcDrill::Answer(const QString& result, const QString& remainder, IRandomSource& random)
{
    ++tasks_;
    if (!IsRight(result, remainder)) {
        ++errors_;
        return false;
    }
    Pose(random);
    return true;
}

bool TCalcDrill::IsRight(const QString& result, const QString& remainder) const
{
    int value = 0;
    if (!posed_ || !WholeNumber(result, value))
        return false;
    switch (operation_) {
    case Addition: return value == a_ + b_;
    case Subtraction: return value == a_ - b_;
    case Multiplication: return value == a_ * b_;
    case Division: {
        if (value != a_ / b_)
            return false;
        int rest = 0;
        return !withRemainder_ || (WholeNumber(remainder, rest) && rest == a_ % b_);
    }
    default: return false;
    }
}
