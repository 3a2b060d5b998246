// The safe file writer: what it leaves behind after success and after every fault, on
// links, special files, long names and full file systems.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "fileio/safe_file.h"

namespace setrix::fileio {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Put(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

std::set<std::string> Names(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

mode_t ModeOf(const fs::path& p) {
  struct stat st {};
  EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
  return st.st_mode & 07777;
}

// The text of the FileError that writing raises, or "" when it succeeds.
std::string Attempt(const std::string& path, const std::string& bytes) {
  try {
    WriteFileSafely(path, bytes);
    return "";
  } catch (const FileError& e) {
    EXPECT_EQ(e.Path(), path);
    return e.what();
  }
}

class SafeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/setrix-safe-file-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    dir_ = name;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  fs::path dir_;
};

TEST_F(SafeFile, CreatesAndReplacesLeavingNoTemporaryFile) {
  const fs::path target = dir_ / "a.pdf";
  WriteFileSafely(target.string(), "first");
  EXPECT_EQ(Read(target), "first");
  const mode_t mask = ::umask(022);
  ::umask(mask);
  EXPECT_EQ(ModeOf(target), 0666 & ~mask);

  WriteFileSafely(target.string(), std::string("second\0with a zero byte", 23));
  EXPECT_EQ(Read(target), std::string("second\0with a zero byte", 23));
  WriteFileSafely(target.string(), "");
  EXPECT_EQ(Read(target), "");
  EXPECT_EQ(Names(dir_), std::set<std::string>{"a.pdf"});

  // A bare name is written in the working folder.
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  WriteFileSafely("bare.ppm", "P3");
  fs::current_path(before);
  EXPECT_EQ(Read(dir_ / "bare.ppm"), "P3");
}

TEST_F(SafeFile, KeepsTheModeOfTheReplacedFile) {
  for (const mode_t mode : {0600, 0640, 0444, 0755, 0604}) {
    SCOPED_TRACE(mode);
    const fs::path target = dir_ / "m.bmp";
    Put(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), mode), 0);
    WriteFileSafely(target.string(), "new");
    EXPECT_EQ(Read(target), "new");
    EXPECT_EQ(ModeOf(target), mode);
    fs::remove(target);
  }
}

TEST_F(SafeFile, KeepsTheOwnerWhereAllowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  const fs::path target = dir_ / "owned.pdf";
  Put(target, "old");
  ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
  WriteFileSafely(target.string(), "new");
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
}

TEST_F(SafeFile, FollowsSymbolicLinksAndWritesBesideTheTarget) {
  fs::create_directories(dir_ / "archive");
  const fs::path real = dir_ / "archive" / "board.pdf";
  Put(real, "old record");
  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);

  // Absolute, relative (from the link's folder) and a chain of two links.
  fs::create_symlink(real, dir_ / "abs.pdf");
  fs::create_symlink("archive/board.pdf", dir_ / "rel.pdf");
  fs::create_symlink("rel.pdf", dir_ / "chain.pdf");
  for (const char* link : {"abs.pdf", "rel.pdf", "chain.pdf"}) {
    SCOPED_TRACE(link);
    const std::string bytes = std::string("via ") + link;
    WriteFileSafely((dir_ / link).string(), bytes);
    EXPECT_TRUE(fs::is_symlink(dir_ / link));
    EXPECT_EQ(Read(real), bytes);
    EXPECT_EQ(ModeOf(real), 0640u);
  }
  EXPECT_EQ(Names(dir_ / "archive"), std::set<std::string>{"board.pdf"});
  EXPECT_EQ(Names(dir_), (std::set<std::string>{"abs.pdf", "archive", "chain.pdf", "rel.pdf"}));

  // A dangling link gets its target created.
  fs::create_symlink("archive/new.pdf", dir_ / "dangling.pdf");
  WriteFileSafely((dir_ / "dangling.pdf").string(), "fresh");
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.pdf"));
  EXPECT_EQ(Read(dir_ / "archive" / "new.pdf"), "fresh");

  // A loop is refused.
  fs::create_symlink("loop2", dir_ / "loop1");
  fs::create_symlink("loop1", dir_ / "loop2");
  const std::string error = Attempt((dir_ / "loop1").string(), "x");
  EXPECT_NE(error.find("loop1"), std::string::npos) << error;
  EXPECT_NE(error.find(std::strerror(ELOOP)), std::string::npos) << error;
}

TEST_F(SafeFile, RefusesTargetsThatAreNoRegularFile) {
  fs::create_directories(dir_ / "folder.pdf" / "inside");
  ASSERT_EQ(::mkfifo((dir_ / "fifo.bmp").c_str(), 0644), 0);
  fs::create_symlink("/dev/null", dir_ / "null.ppm");
  fs::create_symlink("folder.pdf", dir_ / "to-folder.pdf");
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(sock, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const std::string sockPath = (dir_ / "sock.pdf").string();
  ASSERT_LT(sockPath.size(), sizeof addr.sun_path);
  std::strcpy(addr.sun_path, sockPath.c_str());
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);

  const std::set<std::string> before = Names(dir_);
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {(dir_ / "folder.pdf").string(), "Is a directory"},
      {(dir_ / "to-folder.pdf").string(), "Is a directory"},
      {(dir_ / "folder.pdf").string() + "/", "Is a directory"},
      {(dir_ / ".").string(), "Is a directory"},
      {(dir_ / "fifo.bmp").string(), "Not a regular file (a FIFO)"},  // would block an open
      {(dir_ / "null.ppm").string(), "Not a regular file (a character device)"},
      {"/dev/full", "Not a regular file (a character device)"},
      {sockPath, "Not a regular file (a socket)"},
      {(dir_ / "missing" / "a.pdf").string(), "No such file or directory"},
      {"", "No such file or directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const std::string error = Attempt(c.path, "data");
    EXPECT_EQ(error, "cannot create \"" + c.path + "\": " + c.reason);
  }
  ::close(sock);
  EXPECT_EQ(Names(dir_), before);  // nothing added, nothing replaced
  EXPECT_EQ(Names(dir_ / "folder.pdf"), std::set<std::string>{"inside"});
  EXPECT_TRUE(fs::is_fifo(dir_ / "fifo.bmp"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(SafeFile, WritesEveryNameTheFolderHolds) {
  const struct {
    const char* what;
    std::string name;
  } cases[] = {
      {"255 bytes", std::string(251, 'n') + ".pdf"},
      {"255 bytes of two-byte letters", std::string(1, 'x') +
                                            [] {
                                              std::string s;
                                              for (int i = 0; i < 125; ++i) s += "\xC3\xA4";
                                              return s;
                                            }() +
                                            ".pdf"},
      {"leading dot and blanks", ". a b .bmp"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_LE(c.name.size(), 255u);
    const fs::path target = dir_ / c.name;
    WriteFileSafely(target.string(), "one");
    WriteFileSafely(target.string(), "two");  // replacing needs the temporary name too
    EXPECT_EQ(Read(target), "two");
    EXPECT_EQ(Names(dir_), std::set<std::string>{c.name});
    fs::remove(target);
  }
  const std::string tooLong = (dir_ / (std::string(252, 'n') + ".pdf")).string();
  EXPECT_EQ(Attempt(tooLong, "x"), "cannot create \"" + tooLong + "\": File name too long");
  EXPECT_TRUE(Names(dir_).empty());
}

TEST_F(SafeFile, HardLinkedFileIsReplacedUnderTheGivenNameOnly) {
  const fs::path a = dir_ / "a.pdf";
  const fs::path b = dir_ / "b.pdf";
  Put(a, "old record");
  fs::create_hard_link(a, b);
  WriteFileSafely(a.string(), "new record");
  EXPECT_EQ(Read(a), "new record");
  EXPECT_EQ(Read(b), "old record");  // the other name keeps the previous document intact
  EXPECT_EQ(Names(dir_), (std::set<std::string>{"a.pdf", "b.pdf"}));
}

TEST_F(SafeFile, ReadOnlyFolderKeepsTheOldFile) {
  const fs::path target = dir_ / "keep.pdf";
  Put(target, "old bytes");
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  const auto attempt = [&] { return Attempt(target.string(), "new bytes"); };
  const std::string expected = "cannot create \"" + target.string() + "\": Permission denied";
  if (::geteuid() != 0) {
    EXPECT_EQ(attempt(), expected);
  } else {  // root writes anywhere: try as nobody
    const pid_t child = ::fork();
    if (child == 0) {
      const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && attempt() == expected;
      ::_exit(ok ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  EXPECT_EQ(Read(target), "old bytes");
  EXPECT_EQ(Names(dir_), std::set<std::string>{"keep.pdf"});
}

// Runs `body` in a child process that has its own mount namespace with a tmpfs mounted
// on `dir` with `options`. Gives "" when the body said "", its text otherwise, or "skip"
// when no such file system can be mounted here.
std::string InSmallTmpfs(const fs::path& dir, const std::string& options,
                         const std::function<std::string()>& body) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return "no pipe";
  const uid_t uid = ::geteuid();
  const gid_t gid = ::getegid();
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    const auto say = [&](const std::string& text) {
      (void)!::write(pipeFds[1], text.data(), text.size());
      ::_exit(0);
    };
    if (::unshare(CLONE_NEWNS) != 0) {
      // Without privileges a user namespace of one's own may still allow the mount.
      if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) say("skip");
      const auto put = [](const char* file, const std::string& text) {
        const int fd = ::open(file, O_WRONLY);
        const bool ok = fd >= 0 && ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        if (fd >= 0) ::close(fd);
        return ok;
      };
      put("/proc/self/setgroups", "deny");
      if (!put("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
          !put("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
        say("skip");
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) say("skip");
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, options.c_str()) != 0) say("skip");
    say(body());
  }
  ::close(pipeFds[1]);
  std::string result;
  char buffer[512];
  ssize_t n;
  while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0) result.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeFds[0]);
  int status = -1;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child ended with status " + std::to_string(status);
  return result;
}

TEST_F(SafeFile, FullFileSystemKeepsTheOldFileByteForByte) {
  const fs::path mount = dir_ / "small";
  fs::create_directories(mount);
  const std::string old = "%PDF-1.2 the old document\n";
  const auto check = [&](const std::string& error, const std::string& reason,
                         const fs::path& target) -> std::string {
    std::string why;
    if (error != "cannot " + reason + " \"" + target.string() + "\": No space left on device")
      why += "message: " + error + "; ";
    if (Read(target) != old) why += "the old file changed; ";
    if (Names(mount) != std::set<std::string>{target.filename().string()}) why += "a temporary file was left; ";
    return why;
  };

  // No room for the data: the write fails after the temporary file was made.
  const std::string blocks = InSmallTmpfs(mount, "size=64k", [&]() -> std::string {
    const fs::path target = mount / "doc.pdf";
    Put(target, old);
    return check(Attempt(target.string(), std::string(1 << 20, 'x')), "write", target);
  });
  if (blocks == "skip") GTEST_SKIP() << "no tmpfs can be mounted here; the full-disk cases need one";
  EXPECT_EQ(blocks, "");

  // No inode left for the temporary file.
  const std::string inodes = InSmallTmpfs(mount, "size=1m,nr_inodes=8", [&]() -> std::string {
    const fs::path target = mount / "doc.pdf";
    Put(target, old);
    for (int i = 0; i < 16; ++i) {
      const int fd = ::open((mount / ("f" + std::to_string(i))).c_str(), O_WRONLY | O_CREAT, 0644);
      if (fd < 0) break;
      ::close(fd);
    }
    std::string why;
    const std::string error = Attempt(target.string(), "new");
    if (error != "cannot create \"" + target.string() + "\": No space left on device")
      why += "message: " + error + "; ";
    if (Read(target) != old) why += "the old file changed; ";
    for (const auto& name : Names(mount))
      if (name.find(".tmp") != std::string::npos) why += "temporary file left: " + name + "; ";
    return why;
  });
  EXPECT_EQ(inodes, "");
}

}  // namespace
}  // namespace setrix::fileio
