#pragma once
// The one way to write a file the user owns (results file, case file, batch output, chart
// image), shared by the command line and the window: nothing reaches the target until
// Commit succeeds, so an earlier file stays untouched when writing fails part way.

#include "app/ResultsSink.h"

#include <memory>
#include <string>
#include <string_view>

namespace vortalin {

// path is UTF-8. The bytes written are final and are written unchanged.
std::unique_ptr<ResultsSink> OpenUserFile(const std::string& path);

// Writes a whole file at once by the same rules. Returns an empty string on success,
// otherwise the reason it failed.
std::string WriteUserFile(const std::string& path, std::string_view bytes);

} // namespace vortalin
