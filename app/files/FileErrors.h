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

// The reason a file could not be read (opened for reading), from a system's or Qt's error
// text: in Slovak for a missing file, no permission and a folder, otherwise as for writing.
std::string FileReadErrorReason(const std::string& systemText);

} // namespace vortalin
