#include "fileio/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <vector>

namespace setrix::fileio {

namespace {

std::string StageText(FileStage stage) { return stage == FileStage::Create ? "cannot create" : "cannot write"; }

[[noreturn]] void Fail(FileStage stage, const std::string& path, int err) {
  throw FileError(stage, path, std::strerror(err));
}

// The folder part of a path ("." for a bare name) and its last part.
std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Why an existing file of this kind is not replaced.
std::string RefusalOf(mode_t mode) {
  if (S_ISDIR(mode)) return std::strerror(EISDIR);
  if (S_ISFIFO(mode)) return "Not a regular file (a FIFO)";
  if (S_ISCHR(mode)) return "Not a regular file (a character device)";
  if (S_ISBLK(mode)) return "Not a regular file (a block device)";
  if (S_ISSOCK(mode)) return "Not a regular file (a socket)";
  return "Not a regular file";
}

// Owns a file descriptor.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { Close(); }
  int Get() const { return fd_; }
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }
  // The result of close(2); 0 when nothing was open.
  int Close() {
    if (fd_ < 0) return 0;
    const int r = ::close(fd_);
    fd_ = -1;
    return r;
  }

 private:
  int fd_;
};

// A temporary name for `base` that is no longer than `maxName` bytes: "." + as much of
// the target's name as fits (cut at a character boundary) + "." + six letters + ".tmp".
std::string TemporaryName(const std::string& base, std::size_t maxName, unsigned serial) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string tag;
  unsigned v = serial;
  for (int i = 0; i < 6; ++i) {
    tag += kLetters[v % 36];
    v /= 36;
  }
  const std::string suffix = "." + tag + ".tmp";
  std::size_t keep = base.size();
  const std::size_t room = maxName > suffix.size() + 1 ? maxName - suffix.size() - 1 : 0;
  if (keep > room) {
    keep = room;
    // Do not cut a UTF-8 sequence apart.
    while (keep > 0 && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80) --keep;
  }
  return "." + base.substr(0, keep) + suffix;
}

unsigned NextSerial() {
  static std::atomic<unsigned> counter{0};
  const auto now = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  return now * 2654435761u + static_cast<unsigned>(::getpid()) * 40503u + counter++ * 7919u;
}

}  // namespace

FileError::FileError(FileStage stage, std::string path, std::string reason)
    : std::runtime_error(StageText(stage) + " \"" + path + "\": " + reason),
      stage_(stage),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

std::string ResolveFinalLink(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
    const ssize_t n = ::readlink(current.c_str(), buffer.data(), buffer.size());
    if (n < 0) return current;  // gone meanwhile: the caller finds out when it opens it
    if (static_cast<std::size_t>(n) >= buffer.size()) {
      continue;  // the link grew meanwhile: read it again
    }
    std::string target(buffer.data(), static_cast<std::size_t>(n));
    if (target.empty()) Fail(FileStage::Create, path, ENOENT);
    if (target.front() != '/') {
      const auto slash = current.rfind('/');
      if (slash != std::string::npos) target = current.substr(0, slash + 1) + target;
    }
    current = target;
  }
  Fail(FileStage::Create, path, ELOOP);
}

void WriteFileSafely(const std::string& path, std::string_view bytes) {
  if (path.empty()) Fail(FileStage::Create, path, ENOENT);
  if (path.back() == '/') Fail(FileStage::Create, path, EISDIR);

  const std::string target = ResolveFinalLink(path);
  const std::string folder = FolderOf(target);
  const std::string base = BaseOf(target);
  if (base.empty() || base == "." || base == "..") Fail(FileStage::Create, path, EISDIR);

  // Everything below works relative to the folder, so that the temporary name's path is
  // never longer than the target's in a way that matters, and the rename stays inside it.
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Get() < 0) Fail(FileStage::Create, path, errno);

  struct stat old {};
  bool replacing = false;
  if (::fstatat(dir.Get(), base.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
    if (!S_ISREG(old.st_mode)) throw FileError(FileStage::Create, path, RefusalOf(old.st_mode));
    replacing = true;
  } else if (errno != ENOENT) {
    Fail(FileStage::Create, path, errno);
  }

  long nameMax = ::fpathconf(dir.Get(), _PC_NAME_MAX);
  if (nameMax <= 0) nameMax = NAME_MAX;
  if (base.size() > static_cast<std::size_t>(nameMax)) Fail(FileStage::Create, path, ENAMETOOLONG);

  // A replaced file's bits are set on the new one before it takes the name; until then it
  // is private, so that a private old file is never readable under another name.
  std::string temp;
  Fd file;
  for (int attempt = 0; attempt < 100 && file.Get() < 0; ++attempt) {
    temp = TemporaryName(base, static_cast<std::size_t>(nameMax), NextSerial());
    file.Reset(
        ::openat(dir.Get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666));
    if (file.Get() < 0 && errno != EEXIST) Fail(FileStage::Create, path, errno);
  }
  if (file.Get() < 0) Fail(FileStage::Create, path, EEXIST);

  const auto abandon = [&](FileStage stage, int err) {
    file.Close();
    ::unlinkat(dir.Get(), temp.c_str(), 0);
    Fail(stage, path, err);
  };

  if (replacing) {
    // Keeping the owner needs privileges; without them the file is simply ours.
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(file.Get(), old.st_uid, old.st_gid) != 0) {
      (void)::fchown(file.Get(), static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(file.Get(), old.st_mode & 07777) != 0) abandon(FileStage::Create, errno);
  }

  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(file.Get(), p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      abandon(FileStage::Write, errno);
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fsync(file.Get()) != 0 && errno != EINVAL) abandon(FileStage::Write, errno);
  if (file.Close() != 0) {
    const int err = errno;
    ::unlinkat(dir.Get(), temp.c_str(), 0);
    Fail(FileStage::Write, path, err);
  }

  // The target may have been replaced by something else while the bytes were written.
  struct stat now {};
  if (::fstatat(dir.Get(), base.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(now.st_mode)) {
    ::unlinkat(dir.Get(), temp.c_str(), 0);
    throw FileError(FileStage::Create, path, RefusalOf(now.st_mode));
  }
  if (::renameat(dir.Get(), temp.c_str(), dir.Get(), base.c_str()) != 0) {
    const int err = errno;
    ::unlinkat(dir.Get(), temp.c_str(), 0);
    Fail(FileStage::Create, path, err);
  }
  // The new name is in place and its bytes are on disk; flushing the folder makes the
  // rename itself permanent. If that fails there is nothing left to undo, so it is not
  // reported as a failed write.
  (void)::fsync(dir.Get());
}

}  // namespace setrix::fileio
