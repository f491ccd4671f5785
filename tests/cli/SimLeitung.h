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
  explicit SimLeitung(const std::string& adressen = "1") : engine(adressen), runner(engine) {
    if (!runner.openPty() || !runner.start()) ADD_FAILURE() << "simulator: " << runner.error();
  }
  ~SimLeitung() { runner.stop(); }
  const std::string& pfad() const { return runner.path(); }

  sim::Engine engine;
  sim::PtyRunner runner;
};

}  // namespace clitest
