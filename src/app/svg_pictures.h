#pragma once

class QWidget;

namespace tarnwick {

inline constexpr char kSvgResourceProperty[] = "svgResource";

// Draws every label below `window` whose "svgResource" property names an SVG
// of the resources, scaled to fit with its aspect kept, at the screen's
// device pixel ratio; drawn again when the window moves to another screen, so
// pictures stay crisp on HiDPI screens.
void ShowSvgPictures(QWidget* window);

}  // namespace tarnwick
