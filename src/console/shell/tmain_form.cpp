#include "console/shell/tmain_form.h"

#include <QCheckBox>
#include <QLayout>
#include <QProgressBar>

#include "console/shell/about_box.h"
#include "console/widgets/fonts.h"
#include "console/widgets/svg_pictures.h"
#include "settings/factory_mode.h"
#include "texts/message_table.h"
#include "ui_TMainForm.h"

// The pictures are compiled into the console library, whose resource
// registration a static link would otherwise drop.
static void LoadConsoleResources() {
  static bool loaded = false;
  if (loaded) return;
  Q_INIT_RESOURCE(tarnwick);
  loaded = true;
}

namespace tarnwick {
namespace {

std::vector<std::string> Utf8(const QStringList& arguments) {
  std::vector<std::string> words;
  for (const QString& argument : arguments) words.push_back(argument.toStdString());
  return words;
}

// The window's widgets from its layout, in the application's font.
std::unique_ptr<Ui::TMainForm> SetUpWindow(QMainWindow& window) {
  LoadConsoleResources();
  auto ui = std::make_unique<Ui::TMainForm>();
  ui->setupUi(&window);
  // Single border without a maximise box: the client area is fixed.
  window.setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint);
  PinFontsToPixels(&window);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  ShowSvgPictures(&window);
  return ui;
}

}  // namespace

TMainForm::TMainForm(ConsoleServices services, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      factoryMode_(IsFactoryCommandLine(Utf8(arguments))),
      ui(SetUpWindow(*this)),
      guard_(services.dialogs, texts_),
      switchTabs_(FindSwitchTabs(*this)),
      language_(*this, texts_),
      diagram_(*this, switchTabs_, state_),
      panel_(*this, switchTabs_, state_, texts_, factoryMode_, diagram_),
      units_(*this, switchTabs_, state_, texts_),
      entry_(switchTabs_, state_, texts_, guard_),
      session_(
          *this, state_, services.link, services.dialogs, texts_, factoryMode_,
          {.resetDeviceView = [this] { ResetDeviceView(); },
           .showReadout = [this](const DeviceReadout& readout) { panel_.ShowReadout(readout); },
           .stopLiveTimer = [this] { live_.StopTimer(); }}),
      live_(*this, state_, services.link, services.dialogs, texts_, session_),
      program_(*this, switchTabs_, state_,
               {services.link, services.dialogs, services.journalDirectory}, texts_, factoryMode_,
               session_),
      ports_(*this, state_, services.portSource, texts_,
             {.setComPortClick = [this] { SetComPortMenuItemClick(); },
              .portItemClick = [this](QAction* item) { SelectPortMenuItem(item); }}) {
  ConnectSignals();
  FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TMainForm::ConnectSignals() {
  connect(ui->ReadButton, &QPushButton::clicked, this, &TMainForm::ReadButtonClick);
  connect(ui->ProgramButton, &QPushButton::clicked, this, &TMainForm::ProgramButtonClick);
  connect(ui->SNCheckBox, &QCheckBox::clicked, this, &TMainForm::SNCheckBoxClick);
  connect(ui->OnlineSpeedButton, &QPushButton::clicked, this, &TMainForm::OnlineSpeedButtonClick);
  connect(&live_.timer(), &QTimer::timeout, this, &TMainForm::OnlineTimerTimer);
  connect(ui->ExitMenuItem, &QAction::triggered, this, &TMainForm::ExitMenuItemClick);
  connect(ui->InfoMenuItem, &QAction::triggered, this, &TMainForm::InfoMenuItemClick);
  connect(ui->GermanMenuItem, &QAction::triggered, this, &TMainForm::GermanMenuItemClick);
  connect(ui->EnglishMenuItem, &QAction::triggered, this, &TMainForm::EnglishMenuItemClick);
  connect(ui->FrenchMenuItem, &QAction::triggered, this, &TMainForm::FrenchMenuItemClick);
  connect(ui->BarMenuItem, &QAction::triggered, this, &TMainForm::BarMenuItemClick);
  connect(ui->PSIMenuItem, &QAction::triggered, this, &TMainForm::PSIMenuItemClick);
  connect(ui->MPaMenuItem, &QAction::triggered, this, &TMainForm::MPaMenuItemClick);
}

void TMainForm::ReadButtonClick() {
  guard_.Run([this] { session_.ReadButtonClick(); });
}

void TMainForm::ProgramButtonClick() {
  guard_.Run([this] { program_.ProgramButtonClick(); });
}

void TMainForm::ApplyLanguage() {
  language_.ApplyCaptions();
  panel_.ApplyLanguageCaptions();
  ports_.ApplyLanguage();
}

void TMainForm::ExitMenuItemClick() { close(); }

void TMainForm::InfoMenuItemClick() {
  if (aboutBox_) aboutBox_->ShowCentred();
}

void TMainForm::SelectLanguage(int languageIndex) {
  language_.SelectLanguage(languageIndex);
  ApplyLanguage();
}

void TMainForm::GermanMenuItemClick() { SelectLanguage(kLanguageGerman); }
void TMainForm::EnglishMenuItemClick() { SelectLanguage(kLanguageEnglish); }
void TMainForm::FrenchMenuItemClick() { SelectLanguage(kLanguageFrench); }

void TMainForm::BarMenuItemClick() {
  guard_.Run([this] { units_.PressureUnitMenuItemClick(PressureUnit::kBar); });
}
void TMainForm::PSIMenuItemClick() {
  guard_.Run([this] { units_.PressureUnitMenuItemClick(PressureUnit::kPsi); });
}
void TMainForm::MPaMenuItemClick() {
  guard_.Run([this] { units_.PressureUnitMenuItemClick(PressureUnit::kMpa); });
}

}  // namespace tarnwick
