#include "console/widgets/svg_pictures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QWidget>

// The pictures are compiled into the console library; a static link needs
// them registered by hand, from outside any namespace.
static void LoadPictures() { Q_INIT_RESOURCE(tarnwick); }

namespace tarnwick::testing {
namespace {

class SvgPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadPictures(); }

  QLabel* Picture(const char* resource, QRect geometry) {
    auto* label = new QLabel(&window);
    label->setGeometry(geometry);
    label->setProperty(kSvgResourceProperty, QString::fromLatin1(resource));
    return label;
  }

  QWidget window;
};

TEST_F(SvgPicturesTest, PicturesAreDrawnToTheirLabelsSizeWhenShown) {
  QLabel* shown = Picture(":/pictures/contact_open.svg", {0, 0, 56, 18});
  QLabel* hidden = Picture(":/pictures/hysteresis.svg", {0, 20, 254, 201});
  QLabel* missing = Picture(":/pictures/no_such_picture.svg", {60, 0, 56, 18});
  hidden->hide();
  ShowSvgPictures(&window);
  window.show();
  QApplication::processEvents();

  EXPECT_EQ(shown->pixmap().deviceIndependentSize().toSize(), QSize(56, 18));
  EXPECT_EQ(shown->pixmap().devicePixelRatio(), shown->devicePixelRatioF());
  EXPECT_TRUE(hidden->pixmap().isNull());
  EXPECT_TRUE(missing->pixmap().isNull());

  hidden->show();
  EXPECT_EQ(hidden->pixmap().deviceIndependentSize().toSize(), QSize(254, 201));
}

TEST_F(SvgPicturesTest, OnePictureInOneSizeIsDrawnOnceForAllItsLabels) {
  QLabel* first = Picture(":/pictures/contact_closed.svg", {0, 0, 56, 18});
  QLabel* second = Picture(":/pictures/contact_closed.svg", {60, 0, 56, 18});
  QLabel* larger = Picture(":/pictures/contact_closed.svg", {0, 20, 112, 36});
  ShowSvgPictures(&window);
  window.show();
  QApplication::processEvents();

  EXPECT_EQ(first->pixmap().cacheKey(), second->pixmap().cacheKey());
  EXPECT_NE(first->pixmap().cacheKey(), larger->pixmap().cacheKey());
}

}  // namespace
}  // namespace tarnwick::testing
