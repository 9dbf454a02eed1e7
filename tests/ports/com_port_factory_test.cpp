#include "ports/com_port_factory.h"

#include <gtest/gtest.h>

#include "support/pty_pair.h"

namespace tarnwick {
namespace {

using testing::PtyPair;

TEST(ComPortFactoryTest, OpensTheDeviceTheTableMapsTheNumberTo) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  const FixedPortTable table(4, pty.slavePath());
  ComPortFactory factory(table);

  EXPECT_EQ(factory.DeviceName(4), pty.slavePath());
  PortStatus status;
  EXPECT_TRUE(factory.Open(4, status));
  EXPECT_TRUE(status.ok());

  EXPECT_EQ(factory.DeviceName(5), "");
  EXPECT_EQ(factory.Open(5, status), nullptr);
  EXPECT_EQ(status.error, PortError::kNotFound);
  EXPECT_EQ(status.systemText, "no such port is present");
}

}  // namespace
}  // namespace tarnwick
