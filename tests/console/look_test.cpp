#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "console/shell/about_box.h"
#include "console/shell/qt_dialogs.h"
#include "support/window_fixture.h"

namespace tarnwick::testing {
namespace {

// The console's own boxes of the platform, opened for real on the main window.
class LookTest : public WindowTest {
 protected:
  void SetUp() override {
    Start();
    dialogs.SetMainWindow(form.get());
  }

  // Runs `ask`, which opens a box, and `read` on the box while it is open;
  // then closes it with `press`.
  static void WhileOpen(const std::function<void()>& ask,
                        const std::function<void(QMessageBox&)>& read,
                        QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      read(*box);
      box->button(press)->click();
    });
    ask();
  }

  static std::string Captions(const QMessageBox& box) {
    QStringList captions;
    for (const QAbstractButton* button : box.buttons()) captions << button->text().remove('&');
    captions.sort();
    return captions.join(' ').toStdString();
  }

  QtDialogs dialogs;
};

TEST_F(LookTest, ABoxSitsOnTheMainWindowWhicheverWindowIsActiveInTheConsolesFont) {
  const QFont font = form->font();
  EXPECT_EQ(font.family().toStdString(), "Arial");
  EXPECT_EQ(font.pixelSize(), 11);
  EXPECT_EQ(Widget<QMenu>("SettingsMenuItem")->font(), font);
  EXPECT_EQ(Widget("DeviceInformationGroupBox")->font().pixelSize(), 21);

  form->move(120, 40);
  Choose("InfoMenuItem");
  auto* about = form->findChild<TForm2*>();
  about->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(about));
  WhileOpen([this] { dialogs.ShowWarning("x"); },
            [&](QMessageBox& box) {
              EXPECT_EQ(box.parentWidget(), form.get());
              const QPoint offCentre =
                  box.frameGeometry().center() - form->frameGeometry().center();
              EXPECT_LE(offCentre.manhattanLength(), 4);
              EXPECT_EQ(box.findChild<QLabel*>("qt_msgbox_label")->font(), font);
            },
            QMessageBox::Ok);
}

TEST_F(LookTest, StandardButtonsFollowTheLanguageMenu) {
  if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
    GTEST_SKIP() << "Qt's German translation is not installed (qt6-translations-l10n)";
  }
  Choose("GermanMenuItem");
  bool answer = true;
  WhileOpen([&] { answer = dialogs.AskOkCancel("x"); },
            [](QMessageBox& box) { EXPECT_EQ(Captions(box), "Abbrechen OK"); },
            QMessageBox::Cancel);
  EXPECT_FALSE(answer);

  Choose("EnglishMenuItem");
  WhileOpen([&] { answer = dialogs.ConfirmYesNo("x"); },
            [](QMessageBox& box) { EXPECT_EQ(Captions(box), "No Yes"); }, QMessageBox::Yes);
  EXPECT_TRUE(answer);
}

}  // namespace
}  // namespace tarnwick::testing
