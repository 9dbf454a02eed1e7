#pragma once

#include <QFont>

class QWidget;

namespace tarnwick {

// Arial and Tahoma are Windows faces; on a machine without them the
// metric-compatible Liberation Sans takes their place, so the fixed layouts
// keep their widths.
void InstallFontFallbacks();

// The main window's base font, Arial with a character height of 11 pixels. It
// is set before the window's children exist, so they are laid out once in it
// rather than again when a font of the whole window changes.
QFont MainWindowFont();

// The layouts give fonts in points at 96 dpi; a window of fixed pixel
// geometry needs them in pixels, whatever the screen's dpi. Turns every
// point size below `window` into the pixel size it has at 96 dpi (8 pt into
// 11 px).
void PinFontsToPixels(QWidget* window);

}  // namespace tarnwick
