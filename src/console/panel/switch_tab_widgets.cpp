#include "console/panel/switch_tab_widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "console/widgets/widget_lookup.h"

namespace tarnwick {
namespace {

// The two tabs carry the same names but for their prefix, SW1 or SW2.
class TabFinder {
 public:
  TabFinder(const QWidget& form, int number)
      : form_(form), prefix_(QStringLiteral("SW%1").arg(number)) {}

  template <typename T>
  T* Get(const QString& name) const {
    return FindWidget<T>(form_, prefix_ + name);
  }

 private:
  const QWidget& form_;
  QString prefix_;
};

SwitchTabWidgets FindSwitchTab(const QWidget& form, int number) {
  const TabFinder find(form, number);
  SwitchTabWidgets w;
  w.tab = find.Get<QWidget>("TabSheet");
  w.typeLabel = find.Get<QLabel>("TypeLabel");
  w.functionGroup = find.Get<QGroupBox>("HystGroupBox");
  w.off = find.Get<QRadioButton>("OffRadioButton");
  w.hysteresis = find.Get<QRadioButton>("HysteresisRadioButton");
  w.window = find.Get<QRadioButton>("WindowRadioButton");
  w.contactGroup = find.Get<QGroupBox>("SwitchGroupBox");
  w.normallyOpen = find.Get<QRadioButton>("NORadioButton");
  w.normallyClosed = find.Get<QRadioButton>("NCRadioButton");
  w.normallyOpenImage = find.Get<QLabel>("NOImage");
  w.normallyClosedImage = find.Get<QLabel>("NCImage");
  w.high = find.Get<QLineEdit>("HLevelEdit");
  w.low = find.Get<QLineEdit>("LLevelEdit");
  w.highUnit = find.Get<QLabel>("HLUnitLabel");
  w.lowUnit = find.Get<QLabel>("LLUnitLabel");
  w.switchPoints = {w.high,
                    w.low,
                    w.highUnit,
                    w.lowUnit,
                    find.Get<QLabel>("HighLabel"),
                    find.Get<QLabel>("LowLabel")};
  w.hysteresisGraph = find.Get<QLabel>("HysteresisImage");
  w.windowGraph = find.Get<QLabel>("WindowImage");
  for (std::size_t n = 0; n < w.open.size(); ++n) {
    w.open[n] = find.Get<QLabel>(QStringLiteral("Open%1Image").arg(n + 1));
    w.closed[n] = find.Get<QLabel>(QStringLiteral("Closed%1Image").arg(n + 1));
  }
  w.delayStep = find.Get<QLabel>("DelayStepLabel");
  w.delayRange = find.Get<QLabel>("DelayRangeLabel");
  w.closingDelay = find.Get<QLineEdit>("CDEdit");
  w.openingDelay = find.Get<QLineEdit>("ODEdit");
  w.delayGroup = {find.Get<QWidget>("Panel"),
                  find.Get<QLabel>("DelayLabel"),
                  w.delayRange,
                  w.delayStep,
                  find.Get<QLabel>("CDImage"),
                  w.closingDelay,
                  find.Get<QLabel>("CDLabel"),
                  find.Get<QLabel>("ODImage"),
                  w.openingDelay,
                  find.Get<QLabel>("ODLabel")};
  return w;
}

}  // namespace

SwitchTabs FindSwitchTabs(const QWidget& form) {
  return {FindSwitchTab(form, 1), FindSwitchTab(form, 2)};
}

}  // namespace tarnwick
