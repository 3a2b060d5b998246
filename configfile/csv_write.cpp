#include "configfile/csv_write.h"

#include <csv.h>

namespace setrix::configfile {

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& f = fields[i];
    std::string quoted(2 * f.size() + 2, '\0');
    const std::size_t n = csv_write(quoted.data(), quoted.size(), f.data(), f.size());
    quoted.resize(n);
    line += quoted;
  }
  return line + "\r\n";
}

}  // namespace setrix::configfile
