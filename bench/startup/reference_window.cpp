// The yardstick of the start-up benchmark: the least a Qt Widgets program does
// to put one window of the console's size with a line of text on screen. The
// text matters: a window without any never loads the font system, which every
// real window pays for before its first paint.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "console/widgets/exit_after_first_paint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Reference"));
  window.setFixedSize(765, 523);
  QLabel label(QStringLiteral("Tarnwick"), &window);
  tarnwick::ExitAfterFirstPaintIfAsked(&window);
  window.show();
  return QApplication::exec();
}
