#include "console/shell/bus_log_category.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "bus/bus_log.h"

namespace tarnwick::testing {
namespace {

QStringList captured;

void Capture(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  captured << QStringLiteral("%1 %2 %3").arg(type).arg(context.category, message);
}

class BusLogCategoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    captured.clear();
    previous_ = qInstallMessageHandler(Capture);
  }
  void TearDown() override {
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous_);
  }

  static void LogIdentifyExchange() {
    const std::array<std::uint8_t, 4> request{0xFA, 0x30, 0x04, 0x43};
    const std::array<std::uint8_t, 2> reply{0x0C, 0x01};
    const BusFrameLogger logger = BusLogCategoryLogger();
    logger(FrameDirection::kSent, request);
    logger(FrameDirection::kReceived, reply);
  }

 private:
  QtMessageHandler previous_ = nullptr;
};

TEST_F(BusLogCategoryTest, FramesGoToTheBusCategoryInHexOnceDebugIsSwitchedOn) {
  LogIdentifyExchange();
  EXPECT_TRUE(captured.isEmpty());

  QLoggingCategory::setFilterRules(QStringLiteral("tarnwick.bus.debug=true"));
  LogIdentifyExchange();
  const QString debug = QString::number(QtDebugMsg);
  EXPECT_EQ(captured,
            (QStringList{debug + " tarnwick.bus > FA 30 04 43", debug + " tarnwick.bus < 0C 01"}));
}

}  // namespace
}  // namespace tarnwick::testing
