#include "console/shell/about_box.h"

#include <QDesktopServices>
#include <QUrl>

#include "console/widgets/fonts.h"
#include "console/widgets/svg_pictures.h"
#include "ui_TForm2.h"

namespace tarnwick {

TForm2::TForm2(QWidget* mainWindow) : QDialog(mainWindow), ui(std::make_unique<Ui::TForm2>()) {
  ui->setupUi(this);
  setModal(false);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(size());
  PinFontsToPixels(this);
  ShowSvgPictures(this);
  connect(ui->WebLinkLabel, &QLabel::linkActivated, this, &TForm2::WebLinkLabelClick);
}

TForm2::~TForm2() = default;

void TForm2::ShowCentred() {
  if (isVisible()) return;
  const QWidget* mainWindow = parentWidget();
  QRect box = frameGeometry();
  box.moveCenter(mainWindow->frameGeometry().center());
  move(box.topLeft());
  show();
}

void TForm2::WebLinkLabelClick(const QString& link) { QDesktopServices::openUrl(QUrl(link)); }

}  // namespace tarnwick
