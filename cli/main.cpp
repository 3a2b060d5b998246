// setrix-cli: the SETRIX core without a window, for scripts, batch work and tests.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <streambuf>

#include "cli/commands.h"
#include "cli/common.h"

namespace {

// A standard stream the caller closed is opened on /dev/null, so that no file the program
// opens takes its number and receives text meant for the terminal. Returns whether standard
// output was closed.
bool GuardStandardStreams() {
  bool stdoutClosed = false;
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    if (fd == 1) stdoutClosed = true;
    const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened >= 0 && opened != fd) {
      ::dup2(opened, fd);
      ::close(opened);
    }
  }
  return stdoutClosed;
}

// Standard output written straight to its file descriptor, remembering the first failure
// and its reason: a full disk or a closed stream is a failure, never a success with the
// output cut short.
class CheckedOutput : public std::streambuf {
 public:
  CheckedOutput() { setp(buffer_, buffer_ + sizeof buffer_); }
  ~CheckedOutput() override { sync(); }
  // The reason of the first failed write, or 0.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (Drain() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain(); }

 private:
  int Drain() {
    const char* p = pbase();
    while (p < pptr() && error_ == 0) {
      const ssize_t n = ::write(1, p, static_cast<std::size_t>(pptr() - p));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        error_ = n < 0 ? errno : EIO;
        break;
      }
      p += n;
    }
    setp(buffer_, buffer_ + sizeof buffer_);  // after a failure the rest is dropped
    return error_ == 0 ? 0 : -1;
  }
  char buffer_[65536];
  int error_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const bool stdoutClosed = GuardStandardStreams();
  static CheckedOutput output;
  std::streambuf* const standard = std::cout.rdbuf(&output);
  // Named here, so that usage lines show the program's name rather than the path it was started by.
  CLI::App app{"SETRIX command line: DIP switch settings and documentation for the ZOR modules", "setrix-cli"};
  app.set_version_flag("--version", "setrix-cli " SETRIX_VERSION, "Print the program name and version and exit");
  app.require_subcommand(1);
  int exitCode = 0;
  setrix::cli::AddDcCommand(app, exitCode);
  setrix::cli::AddThermoCommand(app, exitCode);
  setrix::cli::AddRtdCommand(app, exitCode);
  setrix::cli::AddFrqCommand(app, exitCode);
  setrix::cli::AddTextsCommand(app, exitCode);
  setrix::cli::AddBankCommand(app, exitCode);
  setrix::cli::AddDecodeCommand(app, exitCode);
  setrix::cli::AddBatchCommand(app, exitCode);
  try {
    setrix::cli::Parse(app, argc, argv);
  } catch (const CLI::CallForHelp& e) {
    exitCode = app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    exitCode = app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    exitCode = app.exit(e);
  } catch (const CLI::ParseError& e) {
    // Bad command lines: a message naming the option and what it accepts, status 2.
    app.exit(e);
    exitCode = 2;
  } catch (const std::exception& e) {
    std::cerr << "setrix-cli: " << e.what() << "\n";
    exitCode = 1;
  }
  // A command that failed has said why on standard error; one that succeeded must also
  // have delivered its output.
  std::cout.flush();
  std::cout.rdbuf(standard);
  const int fault = stdoutClosed ? EBADF : output.Error();
  if (exitCode == 0 && fault != 0) {
    std::cerr << "setrix-cli: cannot write standard output: " << std::strerror(fault) << "\n";
    exitCode = 1;
  }
  return exitCode;
}
