#include "sim/port_publisher.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include "ports/ports_directory.h"

namespace tarnwick {
namespace {

class PortPublisherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("TARNWICK_PORTS_DIR");
    if (old) saved_ = old;
    setenv("TARNWICK_PORTS_DIR", dir.c_str(), 1);
  }
  void TearDown() override {
    if (saved_) {
      setenv("TARNWICK_PORTS_DIR", saved_->c_str(), 1);
    } else {
      unsetenv("TARNWICK_PORTS_DIR");
    }
    std::filesystem::remove_all(dir);
  }

  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("tarnwick-publisher-" + std::to_string(getpid())) / "ports";
  const std::string device = "/dev/null";

 private:
  std::optional<std::string> saved_;
};

TEST_F(PortPublisherTest, TakesTheFirstFreeNumberFrom2AndRemovesItsLink) {
  std::string error;
  auto first = PortPublisher::Publish(device, std::nullopt, error);
  ASSERT_TRUE(first) << error;
  EXPECT_EQ(first->Com(), 2);
  EXPECT_EQ(std::filesystem::read_symlink(PortLinkPath(2)), device);
  auto second = PortPublisher::Publish(device, std::nullopt, error);
  ASSERT_TRUE(second) << error;
  EXPECT_EQ(second->Com(), 3);
  first.reset();
  EXPECT_FALSE(std::filesystem::is_symlink(PortLinkPath(2)));
  EXPECT_TRUE(std::filesystem::is_symlink(PortLinkPath(3)));
}

TEST_F(PortPublisherTest, ChosenNumberInUseIsRefused) {
  std::string error;
  auto first = PortPublisher::Publish(device, 9, error);
  ASSERT_TRUE(first) << error;
  EXPECT_EQ(first->Com(), 9);
  EXPECT_FALSE(PortPublisher::Publish(device, 9, error));
  EXPECT_NE(error.find("COM9"), std::string::npos);
}

TEST_F(PortPublisherTest, StaleLinkIsTakenOver) {
  std::filesystem::create_directories(dir);
  std::filesystem::create_symlink("/dev/pts/does-not-exist", PortLinkPath(2));
  std::string error;
  auto publisher = PortPublisher::Publish(device, std::nullopt, error);
  ASSERT_TRUE(publisher) << error;
  EXPECT_EQ(publisher->Com(), 2);
}

}  // namespace
}  // namespace tarnwick
