#include "console/widgets/svg_pictures.h"

#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>
#include <QWindow>

namespace tarnwick {
namespace {

QString SvgResource(const QObject* object) {
  return object->property(kSvgResourceProperty).toString();
}

class SvgPictures final : public QObject {
 public:
  explicit SvgPictures(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (!SvgResource(label).isEmpty()) label->installEventFilter(this);
    }
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    if (watched == window_) {
      WatchScreen();
    } else if (auto* label = qobject_cast<QLabel*>(watched)) {
      Draw(label);
    }
    return false;
  }

 private:
  // The native window, and with it the screen, exists only once the window
  // is shown. Hidden labels catch up when they are shown next.
  void WatchScreen() {
    if (screenWatched_ || window_->windowHandle() == nullptr) return;
    screenWatched_ = true;
    connect(window_->windowHandle(), &QWindow::screenChanged, this, [this] {
      for (QLabel* label : window_->findChildren<QLabel*>()) {
        if (label->isVisible() && !SvgResource(label).isEmpty()) Draw(label);
      }
    });
  }

  void Draw(QLabel* label) {
    const qreal ratio = label->devicePixelRatioF();
    const QSize size = label->contentsRect().size();
    const QPixmap current = label->pixmap();
    if (!current.isNull() && current.devicePixelRatio() == ratio &&
        current.deviceIndependentSize().toSize() == size) {
      return;
    }
    const QPixmap picture = Picture(SvgResource(label), size, ratio);
    if (picture.isNull()) {
      qWarning("picture %s of %s cannot be drawn", qPrintable(SvgResource(label)),
               qPrintable(label->objectName()));
      return;
    }
    label->setPixmap(picture);
  }

  QPixmap Picture(const QString& resource, QSize size, qreal ratio) {
    const QString key =
        QStringLiteral("%1 %2x%3 %4").arg(resource).arg(size.width()).arg(size.height()).arg(ratio);
    if (const auto drawn = pictures_.constFind(key); drawn != pictures_.cend()) return *drawn;
    QSvgRenderer* renderer = Renderer(resource);
    if (!renderer->isValid()) return {};
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSizeF drawn = renderer->defaultSize();
    drawn.scale(size, Qt::KeepAspectRatio);
    const QPointF corner((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2);
    QPainter painter(&pixmap);
    renderer->render(&painter, QRectF(corner, drawn));
    painter.end();
    pictures_.insert(key, pixmap);
    return pixmap;
  }

  QSvgRenderer* Renderer(const QString& resource) {
    QSvgRenderer*& renderer = renderers_[resource];
    if (renderer == nullptr) renderer = new QSvgRenderer(resource, this);
    return renderer;
  }

  QWidget* window_;
  bool screenWatched_ = false;
  QHash<QString, QSvgRenderer*> renderers_;
  QHash<QString, QPixmap> pictures_;
};

}  // namespace

void ShowSvgPictures(QWidget* window) { new SvgPictures(window); }

}  // namespace tarnwick
