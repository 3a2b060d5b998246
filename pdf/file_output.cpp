#include "pdf/file_output.h"

#include "fileio/safe_file.h"

namespace setrix::pdf {

void WriteFileReplacing(const std::string& path, std::string_view data) {
  try {
    fileio::WriteFileSafely(path, data);
  } catch (const fileio::FileError& e) {
    const char* what = e.Stage() == fileio::FileStage::Create ? "Cannot create file" : "Cannot write file";
    throw EFileError(std::string(what) + " \"" + e.Path() + "\". " + e.Reason());
  }
}

}  // namespace setrix::pdf
