#pragma once
// The reason a file could not be written, as the results-file messages give it: in Slovak
// for the common cases, in the system's own words for the rest.

#include <string>

namespace vortalin {

// From an errno value.
std::string FileErrorReason(int errorNumber);

// From a system's error text (as a library reports it): the Slovak reason when the text is
// the system's text of a common case, otherwise the text unchanged.
std::string FileErrorReason(const std::string& systemText);

} // namespace vortalin
