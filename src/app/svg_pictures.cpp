#include "app/svg_pictures.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>
#include <QWindow>

namespace tarnwick {
namespace {

void Draw(QLabel* label) {
  const QString resource = label->property(kSvgResourceProperty).toString();
  QSvgRenderer renderer(resource);
  if (!renderer.isValid()) {
    qWarning("picture %s of %s cannot be drawn", qPrintable(resource),
             qPrintable(label->objectName()));
    return;
  }
  const qreal ratio = label->devicePixelRatioF();
  const QSize logical = label->contentsRect().size();
  QPixmap pixmap(logical * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QSizeF drawn = renderer.defaultSize();
  drawn.scale(logical, Qt::KeepAspectRatio);
  const QPointF corner((logical.width() - drawn.width()) / 2,
                       (logical.height() - drawn.height()) / 2);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(corner, drawn));
  painter.end();
  label->setPixmap(pixmap);
}

void DrawAll(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->property(kSvgResourceProperty).isValid()) Draw(label);
  }
}

// The native window, and with it the screen, exists only once the window is
// shown; from then on a change of screen may change the pixel ratio.
class RedrawOnScreenChange final : public QObject {
 public:
  explicit RedrawOnScreenChange(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show && !connected_ &&
        window_->windowHandle()) {
      connected_ = true;
      connect(window_->windowHandle(), &QWindow::screenChanged, this, [this] { DrawAll(window_); });
      DrawAll(window_);
    }
    return false;
  }

 private:
  QWidget* window_;
  bool connected_ = false;
};

}  // namespace

void ShowSvgPictures(QWidget* window) {
  DrawAll(window);
  new RedrawOnScreenChange(window);
}

}  // namespace tarnwick
