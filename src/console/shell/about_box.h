#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm2;
}

namespace tarnwick {

// The About box: created once at start-up, shown without blocking the main
// window, hidden again by its close box.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* mainWindow);
  ~TForm2() override;

  // Shows the box centred on the main window; a box already shown stays as it is.
  void ShowCentred();

 private:
  void WebLinkLabelClick(const QString& link);

  std::unique_ptr<Ui::TForm2> ui;
};

}  // namespace tarnwick
