#pragma once
// Runs a shell command for a test and collects its standard output and exit
// status (standard error is the caller's to redirect).

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace kx7q::test {

struct ShellRun {
  int status = -1;  // the exit status; -1 when the command did not exit normally
  std::string out;
};

inline ShellRun RunShell(const std::string& command) {
  ShellRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

}  // namespace kx7q::test
