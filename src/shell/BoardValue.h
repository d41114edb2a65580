#pragma once

// A value kept on the message board. Entries own their values; readers use them at once.
class TBoardValue {
public:
    virtual ~TBoardValue() = default;
};
