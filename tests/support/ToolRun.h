// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the built velmira-outil through the shell: its exit status and what
// it wrote on standard output (standard error dropped).
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace velmira::test {

struct ProgramRun {
  int status;
  std::string out;
};

// `arguments` as a shell would read them after the tool's path.
inline ProgramRun runTool(const std::string& arguments) {
  const std::string cmd = std::string(VELMIRA_OUTIL) + " " + arguments + " 2>/dev/null";
  ProgramRun r{-1, {}};
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf;
  std::size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  const int st = ::pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

}  // namespace velmira::test
