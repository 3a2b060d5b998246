#pragma once
// Runs setrix-cli as a program for the command tests.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace setrix::cli::test {

struct RunResult {
  int status = -1;  // the exit status; -1 when the program did not end normally
  std::string output;
};

// Runs setrix-cli with `args` (a shell command line); standard error goes into the output
// with `withErrors`, else away.
inline RunResult RunCli(const std::string& args, bool withErrors = false) {
  const std::string command =
      std::string("\"") + SETRIX_CLI_PATH + "\" " + args + (withErrors ? " 2>&1" : " 2>/dev/null");
  RunResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  const int raw = pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

}  // namespace setrix::cli::test
