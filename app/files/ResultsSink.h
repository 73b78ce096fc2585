#pragma once
// Destination of the sweep's results file. Nothing reaches the target path until
// Commit succeeds: an earlier file stays untouched when a sweep fails part way.

#include <memory>
#include <string>
#include <string_view>

namespace vortalin {

class ResultsSink {
public:
    virtual ~ResultsSink() = default;
    // False when the file could not be opened; ErrorText then says why.
    virtual bool IsOpen() const = 0;
    // Appends bytes; false on a failed write.
    virtual bool Write(std::string_view bytes) = 0;
    // Puts the finished file in place of the target; false when that failed.
    virtual bool Commit() = 0;
    virtual std::string ErrorText() const = 0;
};

} // namespace vortalin
