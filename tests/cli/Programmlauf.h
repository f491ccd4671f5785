// Runs the miv3x program as a child process and collects what it wrote.
#pragma once

#include <string>
#include <vector>

namespace clitest {

struct Lauf {
  int status = -1;     // exit status; -1 when the program did not exit normally
  std::string aus;     // standard output
  std::string fehler;  // standard error
};

struct Laufoptionen {
  // Standard error goes to a new pseudo-terminal instead of a pipe.
  bool fehlerAufTerminal = false;
  // Added to the environment, "NAME=VALUE".
  std::vector<std::string> umgebung;
};

Lauf Miv3x(const std::vector<std::string>& argumente, const Laufoptionen& optionen = {});

}  // namespace clitest
