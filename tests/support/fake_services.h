#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "console/shell/services.h"
#include "console/widgets/dialogs.h"
#include "support/memory_settings_store.h"
#include "support/scripted_port_source.h"
#include "support/sim_fixture.h"
#include "support/temporary_directory.h"

namespace tarnwick::testing {

enum class BoxKind { kError, kWarning, kOkCancel, kYesNo };

struct ShownBox {
  BoxKind kind;
  QString text;
  // The line below the text that says why; empty for most boxes.
  QString reason{};
  // The hourglass was up while the box was open.
  bool busyCursor = false;
};

// Message boxes that record what they showed and answer from a queue. A
// question nobody scripted fails the test and is answered Cancel / No.
class ScriptedDialogs final : public Dialogs {
 public:
  void ShowError(const QString& text) override { Record(BoxKind::kError, text); }
  void ShowErrorWithReason(const QString& text, const QString& reason) override {
    Record(BoxKind::kError, text, reason);
  }
  void ShowWarning(const QString& text) override { Record(BoxKind::kWarning, text); }
  bool AskOkCancel(const QString& text) override { return Answer(BoxKind::kOkCancel, text); }
  bool ConfirmYesNo(const QString& text) override { return Answer(BoxKind::kYesNo, text); }

  // The next question is answered OK / Yes (true) or Cancel / No (false).
  void QueueAnswer(bool answer) { answers.push_back(answer); }

  // The texts shown so far, as UTF-8 so that a failing test prints them.
  std::vector<std::string> Errors() const { return TextsOf(BoxKind::kError); }
  std::vector<std::string> Questions() const { return TextsOf(BoxKind::kOkCancel); }
  std::vector<std::string> Reasons() const {
    std::vector<std::string> reasons;
    for (const auto& box : boxes) reasons.push_back(box.reason.toStdString());
    return reasons;
  }
  std::vector<std::string> TextsOf(BoxKind kind) const {
    std::vector<std::string> texts;
    for (const auto& box : boxes) {
      if (box.kind == kind) texts.push_back(box.text.toStdString());
    }
    return texts;
  }

  std::vector<ShownBox> boxes;
  std::deque<bool> answers;
  // Runs while each box is open, e.g. to attach a device before the answer.
  std::function<void(const ShownBox&)> whileShown;

 private:
  void Record(BoxKind kind, const QString& text, const QString& reason = {}) {
    const QCursor* cursor = QApplication::overrideCursor();
    boxes.push_back({kind, text, reason, cursor && cursor->shape() == Qt::WaitCursor});
    if (whileShown) whileShown(boxes.back());
  }

  bool Answer(BoxKind kind, const QString& text) {
    Record(kind, text);
    if (answers.empty()) {
      ADD_FAILURE() << "unscripted question: " << text.toStdString();
      return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// Everything a TMainForm needs, faked: the simulated bus on COM<kSimCom> with
// its virtual clock (attached to the bus link), scripted dialogs, settings
// in memory that point the console at the simulated port, and a machine that
// lists no ports until a test gives some.
struct FakeServices {
  SimEnvironment sim;
  ScriptedDialogs dialogs;
  MemorySettingsStore settings;
  // A directory of the test's own for the production journal.
  TemporaryDirectory journal;
  ScriptedPortSource ports;

  FakeServices() { settings.values["COM-Port"] = SimEnvironment::kSimCom; }

  ConsoleServices Services() { return {sim.link, settings, dialogs, ports, journal.path()}; }
};

}  // namespace tarnwick::testing
