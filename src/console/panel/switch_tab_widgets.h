#pragma once

#include <QList>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tarnwick {

// The widgets of one switch tab, found by their names (SW1… or SW2…) on the
// main window. The tabs carry the same widgets, so every routine that treats
// both tabs alike works on this.
struct SwitchTabWidgets {
  QWidget* tab = nullptr;
  QLabel* typeLabel = nullptr;
  QGroupBox* functionGroup = nullptr;
  QRadioButton* off = nullptr;
  QRadioButton* hysteresis = nullptr;
  QRadioButton* window = nullptr;
  QGroupBox* contactGroup = nullptr;
  QRadioButton* normallyOpen = nullptr;
  QRadioButton* normallyClosed = nullptr;
  QLabel* normallyOpenImage = nullptr;
  QLabel* normallyClosedImage = nullptr;
  QLineEdit* high = nullptr;
  QLineEdit* low = nullptr;
  QLabel* highUnit = nullptr;
  QLabel* lowUnit = nullptr;
  // The edits, their unit labels and the "High" / "Low" captions.
  QList<QWidget*> switchPoints;
  QLabel* hysteresisGraph = nullptr;
  QLabel* windowGraph = nullptr;
  // Index 0 is place 1.
  std::array<QLabel*, 6> open{};
  std::array<QLabel*, 6> closed{};
  QLabel* delayStep = nullptr;
  QLabel* delayRange = nullptr;
  QLineEdit* closingDelay = nullptr;
  QLineEdit* openingDelay = nullptr;
  // Divider, captions, symbols, edits and their "s" labels.
  QList<QWidget*> delayGroup;
};

// Both switch tabs; index 0 is switch 1.
using SwitchTabs = std::array<SwitchTabWidgets, 2>;

// The tabs' widgets below `form`.
SwitchTabs FindSwitchTabs(const QWidget& form);

}  // namespace tarnwick
