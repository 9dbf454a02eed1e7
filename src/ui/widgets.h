#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>

namespace tarnwick {

// The child of `root` called `name` (a widget, menu or action of a layout).
// Presenters find the widgets they drive once, by the object names the
// layouts give them; a name that is missing is a mistake in the layout.
template <typename T>
T* FindWidget(const QObject& root, const QString& name) {
  T* child = root.findChild<T*>(name);
  Q_ASSERT_X(child, "FindWidget", qPrintable(name));
  return child;
}

inline void SetVisible(const QList<QWidget*>& widgets, bool visible) {
  for (QWidget* widget : widgets) widget->setVisible(visible);
}

}  // namespace tarnwick
