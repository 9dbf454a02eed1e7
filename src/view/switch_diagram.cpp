#include <QLabel>
#include <QRadioButton>

#include "app/tmain_form.h"
#include "ui_TMainForm.h"
#include "view/diagram_pictures.h"
#include "view/release_watcher.h"
#include "view/switch_tab_widgets.h"

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

void TMainForm::UpdateSwitchDiagram() {
  const bool delays = DelayPanelAvailable(deviceFamily_, deviceIdentity_);
  for (const SwitchTabWidgets& tab : switchTabs_) {
    ShowPictures(tab, SwitchTabPicturesFor(SelectedFunction(tab), SelectedContact(tab), delays));
  }
}

void TMainForm::SelectContactAndUpdate(QRadioButton* contact) {
  contact->setChecked(true);
  UpdateSwitchDiagram();
}

void TMainForm::ConnectSwitchDiagram() {
  // The diagram follows a selection when the key or mouse button that made it
  // is released, and a click on a contact symbol selects that contact.
  auto* radioRelease = new ReleaseWatcher(this, [this] { UpdateSwitchDiagram(); });
  for (const SwitchTabWidgets& tab : switchTabs_) {
    for (QRadioButton* radio :
         {tab.off, tab.hysteresis, tab.window, tab.normallyOpen, tab.normallyClosed}) {
      radioRelease->Watch(radio);
    }
    QRadioButton* normallyOpen = tab.normallyOpen;
    QRadioButton* normallyClosed = tab.normallyClosed;
    auto* noImageClick =
        new ReleaseWatcher(this, [this, normallyOpen] { SelectContactAndUpdate(normallyOpen); });
    noImageClick->Watch(tab.normallyOpenImage);
    auto* ncImageClick = new ReleaseWatcher(
        this, [this, normallyClosed] { SelectContactAndUpdate(normallyClosed); });
    ncImageClick->Watch(tab.normallyClosedImage);
  }
}

}  // namespace tarnwick
