#pragma once
// CSV lines as spreadsheets read them back: fields quoted by libcsv, "," between them.
#include <string>
#include <vector>

namespace setrix::configfile {

// One row: every field in quotes (quotes inside doubled), separated by ",", ending in CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace setrix::configfile
