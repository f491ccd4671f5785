// Runs the miv3x program as a child process and collects what it wrote.
#pragma once

#include <functional>
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

// Where the program runs and when it is interrupted.
struct Laufsteuerung {
  // The program's working folder; empty: the test's.
  std::string ordner;
  // Asked with the standard output so far; the first true sends the program SIGINT.
  std::function<bool(const std::string& aus)> unterbrechenWenn;
};

Lauf Miv3x(const std::vector<std::string>& argumente, const Laufoptionen& optionen = {},
           const Laufsteuerung& steuerung = {});

}  // namespace clitest
