#pragma once
// Writing a finished file so that it either replaces the old one completely or not at all.
#include <stdexcept>
#include <string>
#include <string_view>

namespace setrix::pdf {

// A file that could not be written; the message names the file and the system's reason,
// for example: Cannot create file "/tmp/gone/a.pdf". No such file or directory
class EFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes `data` with the program's safe file writer (fileio/safe_file.h): a temporary file
// beside the target, flushed and renamed over it only when everything has been written; a
// symbolic link is followed, a target that is no regular file is refused, the old file's
// mode is kept. On any failure `path` is left as it was, the temporary file is removed and
// EFileError is raised.
void WriteFileReplacing(const std::string& path, std::string_view data);

}  // namespace setrix::pdf
