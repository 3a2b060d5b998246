#pragma once
// Runs setrix-cli as a program in the command-line tests: its exit status and what it wrote.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace setrix::test {

struct CliRun {
  int status = -1;     // the exit status; -1 when the program did not exit by itself
  std::string output;  // standard output, and standard error with `withErrors`
};

// Runs `setrix-cli ARGS` through the shell (`args` quoted for it), with the environment
// settings `env` before it ("LC_ALL=C"); standard error is dropped unless `withErrors`.
inline CliRun RunCli(const std::string& args, bool withErrors = false, const std::string& env = "") {
  const std::string command = (env.empty() ? "" : "env " + env + " ") + "\"" + SETRIX_CLI_PATH + "\" " + args +
                              (withErrors ? " 2>&1" : " 2>/dev/null");
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

// Runs a shell command; returns its standard output.
inline std::string Shell(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

}  // namespace setrix::test
