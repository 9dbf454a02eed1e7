// The yardstick of the start-up benchmark: the least a Qt Widgets program does
// to put one window of the console's size on screen.
#include <QApplication>
#include <QWidget>

#include "app/exit_after_first_paint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Reference"));
  window.setFixedSize(765, 523);
  tarnwick::ExitAfterFirstPaintIfAsked(&window);
  window.show();
  return QApplication::exec();
}
