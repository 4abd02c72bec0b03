// Tests that need the platform run it over the headless backend: virtual
// clock from 0, a 640 x 480 single page, no window.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/backends/headless/headless_backend.h"
#include "platform/platform.h"
#include "platform/run_options.h"
#include "tests/support/headless_access.h"
#include "tests/support/test_files.h"

namespace testbench_test {

class HeadlessTest : public testing::Test {
 protected:
  // tickPerRead > 0 lets busy waits on the clock end.
  explicit HeadlessTest(double tickPerRead = 0.0) : tickPerRead_(tickPerRead) {}

  void SetUp() override {
    platform::RunOptions options;
    options.seed = 1234;
    ASSERT_FALSE(platform::initPlatform(std::make_unique<platform::HeadlessBackend>(tickPerRead_), options).has_value());
    platform::openScreen(640, 480, 1, false);
  }
  void TearDown() override { platform::shutdownPlatform(); }

  static platform::HeadlessBackend& headless() {
    return platform::test_support::headlessBackend();
  }
  static std::string tempPath(const std::string& name) { return test_support::processTempPath("testbench", name); }

 private:
  double tickPerRead_;
};

}  // namespace testbench_test
