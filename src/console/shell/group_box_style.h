#pragma once

#include <QProxyStyle>

namespace tarnwick {

// Group boxes drawn the classic way the fixed layouts were made for: an etched
// frame that starts half a caption line below the top, whether or not there
// is a caption, and the caption on the frame's top edge at the left, the line
// broken behind it. Children placed near the top of a box then stay inside
// its frame. Everything else, checkable group boxes included, is the
// platform's style.
class GroupBoxStyle final : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
};

}  // namespace tarnwick
