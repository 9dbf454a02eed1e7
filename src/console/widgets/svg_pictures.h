#pragma once

class QWidget;

namespace tarnwick {

inline constexpr char kSvgResourceProperty[] = "svgResource";

// Draws every label below `window` whose "svgResource" property names an SVG
// of the resources, scaled to fit with its aspect kept, at the device pixel
// ratio of the window's screen, so pictures stay crisp on HiDPI screens. A
// label is drawn when it is first shown and again when the window moves to a
// screen of another pixel ratio; each picture is parsed once and each size
// drawn once, however many labels show it.
void ShowSvgPictures(QWidget* window);

}  // namespace tarnwick
