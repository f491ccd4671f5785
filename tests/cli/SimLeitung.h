// The simulator served on a new pseudo-terminal for the length of a test, for the miv3x
// program to open by its path.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Engine.h"
#include "PtyRunner.h"

namespace clitest {

class SimLeitung {
 public:
  // raten: the devices hear only a host at their own line rate (9600 at start).
  // takt: the line is paced at this rate (0: as fast as the terminal).
  explicit SimLeitung(const std::string& adressen = "1", bool raten = false, long takt = 0)
      : engine(adressen), runner(engine) {
    if (!runner.openPty()) ADD_FAILURE() << "simulator: " << runner.error();
    runner.setPacing(takt);
    runner.followLineRates(raten);
    if (!runner.start()) ADD_FAILURE() << "simulator: " << runner.error();
  }
  ~SimLeitung() { runner.stop(); }
  const std::string& pfad() const { return runner.path(); }

  sim::Engine engine;
  sim::PtyRunner runner;
};

}  // namespace clitest
