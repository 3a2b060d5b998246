#pragma once
// Writing a whole file so that a fault never loses the old one: every file the program
// writes (documents, pictures, later configuration files and batch outputs) goes through
// WriteFileSafely.
//
// The new bytes go into a temporary file beside the target, which is flushed to disk and
// then renamed over the target, and the folder is flushed. Until the rename the old file
// stays as it was; on any failure the temporary file is removed.
//
// - A symbolic link is followed (also a chain of them) and the file it points to is
//   replaced; the link stays a link. A dangling link gets its target created.
// - A target that exists but is no regular file (a folder, FIFO, device or socket) is
//   refused; nothing is opened or written there.
// - A replaced file keeps its permission bits and, where the system allows it, its owner
//   and group; a new file gets 0666 less the umask.
// - The temporary name is at most as long as the folder's longest name, so every target
//   name the folder holds can be written.
// - A file with more than one hard link is replaced under the given name only: its other
//   names keep the old bytes (writing into the shared file in place could not be undone
//   after a fault halfway).
#include <stdexcept>
#include <string>
#include <string_view>

namespace setrix::fileio {

// What failed: creating the new file in place of the target, or writing its bytes.
enum class FileStage { Create, Write };

// A file that could not be written, with the name as given and the reason, which is the
// system's (strerror) text or one of the refusals, for example
// "Not a regular file (a FIFO)".
class FileError : public std::runtime_error {
 public:
  FileError(FileStage stage, std::string path, std::string reason);
  FileStage Stage() const { return stage_; }
  const std::string& Path() const { return path_; }
  const std::string& Reason() const { return reason_; }

 private:
  FileStage stage_;
  std::string path_;
  std::string reason_;
};

// Replaces or creates `path` with exactly `bytes`, as described above. Throws FileError;
// the target is then as it was before the call.
void WriteFileSafely(const std::string& path, std::string_view bytes);

// The file a path names once symbolic links in its last part are followed (the path
// itself when it is no link). Relative link targets count from the link's folder. Throws
// FileError for a loop of links.
std::string ResolveFinalLink(const std::string& path);

}  // namespace setrix::fileio
