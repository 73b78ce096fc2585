#pragma once
// The results file of a sweep written through QSaveFile: the bytes go to a temporary file
// beside the target, and only a successful Commit puts it in place of the target.

#include "app/ResultsSink.h"

#include <memory>
#include <string>

namespace vortalin {

// path is UTF-8. The bytes written are final (Windows-1250, line ends included) and are
// written unchanged.
std::unique_ptr<ResultsSink> OpenSaveFile(const std::string& path);

} // namespace vortalin
