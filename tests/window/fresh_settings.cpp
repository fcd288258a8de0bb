// Every game test starts without a settings file in the working directory,
// so that one test's option clicks never leak into the next one's start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

namespace velmora {
namespace {

class FreshSettingsFile : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    std::error_code ec;
    std::filesystem::remove("Velmora.ini", ec);
  }
};

[[maybe_unused]] const bool registered = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettingsFile);
  return true;
}();

}  // namespace
}  // namespace velmora
