#pragma once
// A calculation sheet as plain texts: what the painter lays out on paper. The content is
// decided here, without Qt; the painter only chooses fonts, columns and page breaks.

#include <string>
#include <vector>

namespace vortalin {

// One line of a table: a label, its value and a remark (where it was taken, its source).
struct SheetRow {
    std::string label;
    std::string value;
    std::string note;
    bool noteOnlyIfOneLine = false; // a remark the painter leaves out where it would wrap

    bool operator==(const SheetRow&) const = default;
};

struct SheetSection {
    std::string title;
    std::vector<SheetRow> rows;
    std::vector<std::string> paragraphs; // after the rows, one block each
    bool prominent = false;              // the results: larger and bold

    bool operator==(const SheetSection&) const = default;
};

struct Sheet {
    std::string title;
    std::vector<SheetRow> header; // version, date, case file and the case's identity
    std::string sketch;           // the geometry's picture ("Image1"), empty for none
    std::vector<SheetSection> sections;
    std::string footer; // program, version and build; the painter adds the page number

    bool operator==(const Sheet&) const = default;
};

// "Strana 1 z 2"
std::string PageText(int page, int pages);

} // namespace vortalin
