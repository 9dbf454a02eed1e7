#include "app/group_box_style.h"

#include <qdrawutil.h>

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
  qDrawShadeRect(painter, FrameRect(*box), box->palette, /*sunken=*/true);
  painter->restore();
  if (captioned) {
    proxy()->drawItemText(painter, CaptionRect(*box).adjusted(kCaptionGap, 0, -kCaptionGap, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->palette,
                          box->state & State_Enabled, box->text, QPalette::WindowText);
  }
}

}  // namespace tarnwick
