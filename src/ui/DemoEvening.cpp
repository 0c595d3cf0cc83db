#include "ui/DemoEvening.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>

#include "engine/NewTourney.h"
#include "engine/Results.h"
#include "engine/Tourney.h"
#include "qt/QtText.h"
#include "ui/AutoAnswer.h"
#include "ui/BracketRow.h"
#include "ui/BracketView.h"
#include "ui/PlayerPanel.h"
#include "ui/RoundTabBar.h"
#include "ui/TarnwickForm.h"

namespace vkr {
namespace {

bool Click(TTarnwickForm& form, const char* action) {
  QAction* a = form.Action(QString::fromLatin1(action));
  if (a == nullptr || !a->isEnabled()) return false;
  a->trigger();
  return true;
}

// "win B R T S": the Win button of seat S at row T of round R's tab of bracket B.
bool PressWin(TTarnwickForm& form, const QStringList& words) {
  if (words.size() != 5) return false;
  const int bracket = QStringLiteral("WOT").indexOf(words[1]);
  const int round = words[2].toInt() - 1, row = words[3].toInt() - 1, seat = words[4].toInt();
  if (bracket < 0 || bracket > form.Tourney().ElimFormat || seat < 0 || seat > 1) return false;
  TBracketView* view = form.View(bracket);
  const int tab = round - bracket;
  if (tab < 0 || tab >= view->Tabs()->count()) return false;
  view->Tabs()->setCurrentIndex(tab);
  TBracketRow* widget = view->RowWidget(row);
  if (widget == nullptr || widget->isHidden() || !widget->WinButton(seat)->isEnabled()) return false;
  const bool down = words[0] == QLatin1String("win");
  if (widget->WinButton(seat)->isChecked() != down) widget->WinButton(seat)->click();
  return true;
}

bool NewTourney(TTarnwickForm& form, const QStringList& words, const QString& folder) {
  if (words.size() < 2) return false;
  TNewTourneyChoice choice;
  choice.FileName = FromQt(QDir(folder).filePath(words[1]));
  QFile::remove(QDir(folder).filePath(words[1]));
  StartNewTourney(form.Tourney(), choice);
  for (const QString& word : words.mid(2)) {
    static const char* const kElim[3] = {"Single1", "Double1", "Triple1"};
    const int format = QStringList{"elim=single", "elim=double", "elim=triple"}.indexOf(word);
    if (format < 0 || !Click(form, kElim[format])) return false;
  }
  return true;
}

bool PlayLine(TTarnwickForm& form, const QStringList& words, const QString& folder) {
  const QString& command = words[0];
  // The clock is the real one; what "show" prints, the window shows.
  for (const char* skipped : {"clock", "wait", "seed", "show"}) {
    if (command == QLatin1String(skipped)) return true;
  }
  if (command == QLatin1String("new")) return NewTourney(form, words, folder);
  if (command == QLatin1String("add") && words.size() == 2) {
    QLineEdit* box = form.PlayerPanel()->NewPlayerEdit();
    box->setText(words[1]);
    emit box->returnPressed();
    return true;
  }
  if (command == QLatin1String("option") && words.size() == 3 && words[1] == QLatin1String("one-per-table")) {
    auto* box = form.findChild<QCheckBox*>(QStringLiteral("OnePlayerPerTableBox"));
    if (box->isChecked() != (words[2] == QLatin1String("on"))) box->click();
    return true;
  }
  if (command == QLatin1String("win") || command == QLatin1String("release")) return PressWin(form, words);
  static const std::pair<const char*, const char*> kActions[] = {
      {"welcome", "WelcomeAction"}, {"formatmsg", "FormatAction"}, {"allstart", "AllStartAction"},
      {"close", "CloseSignupsItem"}, {"winners", "WinnersAction"}, {"undo", "UndoItem"}, {"redo", "RedoItem"}};
  for (const auto& [word, action] : kActions) {
    if (command == QLatin1String(word)) return Click(form, action);
  }
  return false;
}

}  // namespace

bool PlayDemoEvening(TTarnwickForm& form, const QString& script, const QString& folder, QString* error) {
  QFile file(script);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    *error = QStringLiteral("cannot read %1").arg(script);
    return false;
  }
  TAutoAnswer yes;
  int number = 0;
  while (!file.atEnd()) {
    ++number;
    QString line = QString::fromUtf8(file.readLine());
    line = line.left(line.indexOf(QLatin1Char('#'))).trimmed();
    if (line.isEmpty()) continue;
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!PlayLine(form, words, folder)) {
      *error = QStringLiteral("%1:%2: cannot play \"%3\"").arg(script).arg(number).arg(line);
      return false;
    }
    QApplication::processEvents();
  }
  return true;
}

}  // namespace vkr
