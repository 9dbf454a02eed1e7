#pragma once

class QWidget;

namespace tarnwick {

// Makes Arial with a character height of 11 pixels the font of the whole
// application. Menus, message boxes and dialogs are windows of their own and
// take the application's font, not the main window's. Called before the first
// window exists, so that widgets are laid out once in it rather than again
// when a font changes. Arial, Tahoma and MS Sans Serif are Windows faces; on a machine
// without them the metric-compatible Liberation Sans takes their place, so
// the fixed layouts keep their widths.
void InstallApplicationFont();

// The layouts give fonts in points at 96 dpi; a window of fixed pixel
// geometry needs them in pixels, whatever the screen's dpi. Turns every
// point size below `window` into the pixel size it has at 96 dpi (8 pt into
// 11 px).
void PinFontsToPixels(QWidget* window);

}  // namespace tarnwick
