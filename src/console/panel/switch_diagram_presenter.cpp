#include "console/panel/switch_diagram_presenter.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "console/panel/release_watcher.h"
#include "console/widgets/widget_lookup.h"
#include "view/diagram_pictures.h"

namespace tarnwick {
namespace {

SwitchFunction SelectedFunction(const SwitchTabWidgets& tab) {
  if (tab.off->isChecked()) return SwitchFunction::kOff;
  if (tab.window->isChecked()) return SwitchFunction::kWindow;
  return SwitchFunction::kHysteresis;
}

SwitchContact SelectedContact(const SwitchTabWidgets& tab) {
  return tab.normallyClosed->isChecked() ? SwitchContact::kNormallyClosed
                                         : SwitchContact::kNormallyOpen;
}

void ShowPictures(const SwitchTabWidgets& tab, const SwitchTabPictures& pictures) {
  tab.contactGroup->setVisible(pictures.contactGroup);
  SetVisible(tab.switchPoints, pictures.switchPoints);
  SetVisible(tab.delayGroup, pictures.delayGroup);
  tab.hysteresisGraph->setVisible(pictures.hysteresisGraph);
  tab.windowGraph->setVisible(pictures.windowGraph);
  for (std::size_t n = 0; n < pictures.places.size(); ++n) {
    tab.open[n]->setVisible(pictures.places[n] == ContactPicture::kOpen);
    tab.closed[n]->setVisible(pictures.places[n] == ContactPicture::kClosed);
  }
}

}  // namespace

SwitchDiagramPresenter::SwitchDiagramPresenter(QObject& owner, const SwitchTabs& tabs,
                                               const ConsoleState& state)
    : tabs_(tabs), state_(state) {
  // The diagram follows a selection when the key or mouse button that made it
  // is released, and a click on a contact symbol selects that contact.
  auto* radioRelease = new ReleaseWatcher(&owner, [this] { UpdateSwitchDiagram(); });
  for (const SwitchTabWidgets& tab : tabs_) {
    for (QRadioButton* radio :
         {tab.off, tab.hysteresis, tab.window, tab.normallyOpen, tab.normallyClosed}) {
      radioRelease->Watch(radio);
    }
    QRadioButton* normallyOpen = tab.normallyOpen;
    QRadioButton* normallyClosed = tab.normallyClosed;
    auto* noImageClick =
        new ReleaseWatcher(&owner, [this, normallyOpen] { SelectContactAndUpdate(normallyOpen); });
    noImageClick->Watch(tab.normallyOpenImage);
    auto* ncImageClick = new ReleaseWatcher(
        &owner, [this, normallyClosed] { SelectContactAndUpdate(normallyClosed); });
    ncImageClick->Watch(tab.normallyClosedImage);
  }
}

void SwitchDiagramPresenter::UpdateSwitchDiagram() {
  const bool delays = DelayPanelAvailable(state_.deviceFamily, state_.deviceIdentity);
  for (const SwitchTabWidgets& tab : tabs_) {
    ShowPictures(tab, SwitchTabPicturesFor(SelectedFunction(tab), SelectedContact(tab), delays));
  }
}

void SwitchDiagramPresenter::SelectContactAndUpdate(QRadioButton* contact) {
  contact->setChecked(true);
  UpdateSwitchDiagram();
}

}  // namespace tarnwick
