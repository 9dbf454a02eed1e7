#include "app/tmain_form.h"

#include <QLayout>

#include "app/fonts.h"
#include "app/svg_pictures.h"
#include "app/tform2.h"
#include "texts/message_table.h"
#include "ui_TMainForm.h"
#include "view/number_text.h"

// The pictures are compiled into the console library, whose resource
// registration a static link would otherwise drop.
static void LoadConsoleResources() {
  static bool loaded = false;
  if (loaded) return;
  Q_INIT_RESOURCE(tarnwick);
  loaded = true;
}

namespace tarnwick {

TMainForm::TMainForm(ConsoleServices services, QStringList arguments, QWidget* parent)
    : QMainWindow(parent), services_(services), ui(std::make_unique<Ui::TMainForm>()) {
  LoadConsoleResources();
  setFont(MainWindowFont());
  ui->setupUi(this);
  switchTabs_ = {FindSwitchTab(*this, 1), FindSwitchTab(*this, 2)};
  // Single border without a maximise box: the client area is fixed.
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  PinFontsToPixels(this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  ShowSvgPictures(this);
  ConnectShellMenus();
  ConnectSession();
  ConnectSwitchDiagram();
  ConnectUnitMenu();
  FormCreate(arguments);
}

TMainForm::~TMainForm() = default;

QString TMainForm::Text(int number) const {
  return QString::fromStdString(MessageText(languageIndex_, number));
}

void TMainForm::RunGuarded(const std::function<void()>& action) {
  try {
    action();
  } catch (const EConvertError& error) {
    services_.dialogs.ShowError(QString::fromStdString(error.what()));
  }
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TMainForm::ConnectShellMenus() {
  connect(ui->ExitMenuItem, &QAction::triggered, this, &TMainForm::ExitMenuItemClick);
  connect(ui->InfoMenuItem, &QAction::triggered, this, &TMainForm::InfoMenuItemClick);
  connect(ui->GermanMenuItem, &QAction::triggered, this, &TMainForm::GermanMenuItemClick);
  connect(ui->EnglishMenuItem, &QAction::triggered, this, &TMainForm::EnglishMenuItemClick);
  connect(ui->FrenchMenuItem, &QAction::triggered, this, &TMainForm::FrenchMenuItemClick);
}

void TMainForm::ExitMenuItemClick() { close(); }

void TMainForm::InfoMenuItemClick() {
  if (aboutBox_) aboutBox_->ShowCentred();
}

}  // namespace tarnwick
