#pragma once

class QWidget;

namespace tarnwick {

// Arial and Tahoma are Windows faces; on a machine without them the
// metric-compatible Liberation Sans takes their place, so the fixed layouts
// keep their widths.
void InstallFontFallbacks();

// The layouts give fonts in points at 96 dpi; a window of fixed pixel
// geometry needs them in pixels, whatever the screen's dpi. Turns every
// point size below `window` into the pixel size it has at 96 dpi (8 pt into
// 11 px).
void PinFontsToPixels(QWidget* window);

}  // namespace tarnwick
