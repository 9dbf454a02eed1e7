#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace tarnwick {

// The child of `root` called `name` (a widget, menu or action of a layout).
// Presenters find the widgets they drive once, by the object names the
// layouts give them, while the window is built. A name the layout lacks is a
// mistake in the program, so it ends the program there, naming the widget, in
// every build: no presenter ever runs on a widget that is not there.
template <typename T>
T* FindWidget(const QObject& root, const QString& name) {
  T* child = root.findChild<T*>(name);
  if (child == nullptr) {
    qFatal("the window has no %s called %s", T::staticMetaObject.className(), qPrintable(name));
  }
  return child;
}

inline void SetVisible(const QList<QWidget*>& widgets, bool visible) {
  for (QWidget* widget : widgets) widget->setVisible(visible);
}

}  // namespace tarnwick
