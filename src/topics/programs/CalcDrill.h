#pragma once

#include <QString>

class IRandomSource;

// The calculator's arithmetic drill without its window: the chosen operation and number range,
// the task a (sign) b, the judging of an answer and the two counters. Operands are whole numbers;
// a task never has a divisor of 0.
class TCalcDrill {
public:
    // Operations by the radio buttons' tags; NoOperation after "&Mást választok".
    static constexpr int Addition = 1;
    static constexpr int Subtraction = 2;
    static constexpr int Multiplication = 3;
    static constexpr int Division = 4;
    static constexpr int NoOperation = 5;
    // The range button of division that asks for a remainder.
    static constexpr int WithRemainderTag = 1;

    // The largest operand for a range button's tag under an operation; 0 where none applies.
    static int LimitFor(int operation, int rangeTag);

    // 0 before any choice.
    int Operation() const { return operation_; }
    void ChooseOperation(int operation);
    // A range button was chosen: its limit is kept and a task posed.
    void ChooseRange(int rangeTag, IRandomSource& random);
    // A new task within the kept limit.
    void Pose(IRandomSource& random);
    // Back to the choice of operation: no operation, no task; the counters go on.
    void Reset();

    bool HasTask() const { return posed_; }
    int A() const { return a_; }
    int B() const { return b_; }
    int Limit() const { return limit_; }
    bool WithRemainder() const { return withRemainder_; }
    // "+", "-", "×" or "/"; empty without an operation.
    QString Sign() const;

    // Judges the typed result (and remainder): the task counter rises, a wrong answer raises the
    // error counter, a right one poses the next task. Text that is no whole number is wrong, and
    // so is every answer without a task.
    bool Answer(const QString& result, const QString& remainder, IRandomSource& random);
    int Tasks() const { return tasks_; }
    int Errors() const { return errors_; }

private:
    bool IsRight(const QString& result, const QString& remainder) const;

    int operation_ = 0;
    int limit_ = 0;
    bool withRemainder_ = false;
    bool posed_ = false;
    int a_ = 0;
    int b_ = 0;
    int tasks_ = 0;
    int errors_ = 0;
};
