#include "console/shell/group_box_style.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace tarnwick {
namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 2;

const QStyleOptionGroupBox* PlainGroupBox(QStyle::ComplexControl control,
                                          const QStyleOptionComplex* option) {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != QStyle::CC_GroupBox || box == nullptr ||
      (box->subControls & QStyle::SC_GroupBoxCheckBox)) {
    return nullptr;
  }
  return box;
}

QRect CaptionRect(const QStyleOptionGroupBox& box) {
  const QFontMetrics& metrics = box.fontMetrics;
  const int width = metrics.size(Qt::TextShowMnemonic, box.text).width() + 2 * kCaptionGap;
  return {box.rect.left() + kCaptionIndent, box.rect.top(), width, metrics.height()};
}

QRect FrameRect(const QStyleOptionGroupBox& box) {
  return box.rect.adjusted(0, box.fontMetrics.height() / 2, 0, 0);
}

// Filled one-pixel strips rather than pen lines, whose ends overshoot or fall
// short of each other at 2x, so the corners meet at every scale.
void Outline(QPainter& painter, const QRect& rect, const QColor& color) {
  painter.fillRect(rect.left(), rect.top(), rect.width(), 1, color);
  painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, color);
  painter.fillRect(rect.left(), rect.top(), 1, rect.height(), color);
  painter.fillRect(rect.right(), rect.top(), 1, rect.height(), color);
}

// The sunken etched frame: a dark outline, and a light one a pixel below and
// to the right whose bottom and right edges reach the frame's corners.
void DrawEtchedFrame(QPainter& painter, const QRect& frame, const QPalette& palette) {
  const QColor light = palette.color(QPalette::Light);
  Outline(painter, frame.adjusted(1, 1, 0, 0), light);
  painter.fillRect(frame.left(), frame.bottom(), 1, 1, light);
  painter.fillRect(frame.right(), frame.top(), 1, 1, light);
  Outline(painter, frame.adjusted(0, 0, -1, -1), palette.color(QPalette::Dark));
}

}  // namespace

QRect GroupBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl part, const QWidget* widget) const {
  const QStyleOptionGroupBox* box = PlainGroupBox(control, option);
  if (box != nullptr && part == SC_GroupBoxFrame) return FrameRect(*box);
  if (box != nullptr && part == SC_GroupBoxLabel) return CaptionRect(*box);
  return QProxyStyle::subControlRect(control, option, part, widget);
}

void GroupBoxStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
  const QStyleOptionGroupBox* box = PlainGroupBox(control, option);
  if (box == nullptr) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  const bool captioned = !box->text.isEmpty();
  painter->save();
  if (captioned) painter->setClipRegion(QRegion(box->rect).subtracted(CaptionRect(*box)));
  DrawEtchedFrame(*painter, FrameRect(*box), box->palette);
  painter->restore();
  if (captioned) {
    proxy()->drawItemText(painter, CaptionRect(*box).adjusted(kCaptionGap, 0, -kCaptionGap, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->palette,
                          box->state & State_Enabled, box->text, QPalette::WindowText);
  }
}

}  // namespace tarnwick
