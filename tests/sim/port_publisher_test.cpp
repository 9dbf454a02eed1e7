#include "sim/port_publisher.h"

#include <gtest/gtest.h>

#include "ports/user_places.h"
#include "support/private_ports_directory.h"

namespace tarnwick {
namespace {

class PortPublisherTest : public ::testing::Test {
 protected:
  testing::PrivatePortsDirectory dir;
  const std::string device = "/dev/null";
  std::string error;
};

TEST_F(PortPublisherTest, TakesTheFirstFreeNumberFrom2AndRemovesItsLink) {
  auto first = PortPublisher::Publish(dir.ports(), device, std::nullopt, {}, error);
  ASSERT_TRUE(first) << error;
  EXPECT_EQ(first->Com(), 2);
  EXPECT_EQ(std::filesystem::read_symlink(PortLinkPath(dir.ports(), 2)), device);
  auto second = PortPublisher::Publish(dir.ports(), device, std::nullopt, {}, error);
  ASSERT_TRUE(second) << error;
  EXPECT_EQ(second->Com(), 3);
  first.reset();
  EXPECT_FALSE(std::filesystem::is_symlink(PortLinkPath(dir.ports(), 2)));
  EXPECT_TRUE(std::filesystem::is_symlink(PortLinkPath(dir.ports(), 3)));
}

TEST_F(PortPublisherTest, AChosenNumberInUseIsRefusedAndAStaleLinkTakenOver) {
  std::filesystem::create_directories(dir.ports());
  std::filesystem::create_symlink("/dev/pts/does-not-exist", PortLinkPath(dir.ports(), 2));
  auto stale = PortPublisher::Publish(dir.ports(), device, std::nullopt, {}, error);
  ASSERT_TRUE(stale) << error;
  EXPECT_EQ(stale->Com(), 2);

  auto chosen = PortPublisher::Publish(dir.ports(), device, 9, {}, error);
  ASSERT_TRUE(chosen) << error;
  EXPECT_EQ(chosen->Com(), 9);
  EXPECT_FALSE(PortPublisher::Publish(dir.ports(), device, 9, {}, error));
  EXPECT_NE(error.find("COM9"), std::string::npos);
}

// The machine's adapters keep their numbers, even when unplugged, but a
// number asked for is the asker's business.
TEST_F(PortPublisherTest, LeavesTheMachinesNumbersAloneUnlessOneIsAskedFor) {
  auto free = PortPublisher::Publish(dir.ports(), device, std::nullopt, {2, 3, 5}, error);
  ASSERT_TRUE(free) << error;
  EXPECT_EQ(free->Com(), 4);
  auto chosen = PortPublisher::Publish(dir.ports(), device, 3, {2, 3, 5}, error);
  ASSERT_TRUE(chosen) << error;
  EXPECT_EQ(chosen->Com(), 3);
}

}  // namespace
}  // namespace tarnwick
