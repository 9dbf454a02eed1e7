#include "console/widgets/widget_lookup.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWidget>

namespace tarnwick::testing {
namespace {

TEST(WidgetLookupDeathTest, ANameTheLayoutLacksEndsTheProgramNamingIt) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QWidget root;
  auto* edit = new QLineEdit(&root);
  edit->setObjectName(QStringLiteral("SW1HLevelEdit"));
  EXPECT_EQ(FindWidget<QLineEdit>(root, QStringLiteral("SW1HLevelEdit")), edit);
  EXPECT_DEATH(FindWidget<QLineEdit>(root, QStringLiteral("SW1HLevelEdt")),
               "no QLineEdit called SW1HLevelEdt");
}

}  // namespace
}  // namespace tarnwick::testing
