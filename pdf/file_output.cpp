#include "pdf/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace setrix::pdf {

namespace {

std::string Reason(int err) { return std::strerror(err); }

[[noreturn]] void Fail(const char* what, const std::string& path, int err) {
  throw EFileError(std::string(what) + " \"" + path + "\". " + Reason(err));
}

// The folder part of path including its trailing "/", or "" for a bare name.
std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string BaseOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void WriteFileReplacing(const std::string& path, std::string_view data) {
  if (path.empty() || path.back() == '/') Fail("Cannot create file", path, EISDIR);

  // A fresh name next to the target, so that the final rename stays within one file system.
  static std::atomic<unsigned> counter{0};
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = FolderOf(path) + "." + BaseOf(path) + "." + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + ".tmp";
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) Fail("Cannot create file", path, errno);
  }
  if (fd < 0) Fail("Cannot create file", path, EEXIST);

  const auto abandon = [&](const char* what, int err) {
    ::close(fd);
    ::unlink(temp.c_str());
    Fail(what, path, err);
  };

  const char* p = data.data();
  std::size_t left = data.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      abandon("Cannot write file", errno);
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 && errno != EINVAL) abandon("Cannot write file", errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    Fail("Cannot write file", path, err);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    Fail("Cannot create file", path, err);
  }
}

}  // namespace setrix::pdf
