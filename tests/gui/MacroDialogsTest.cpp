// The macro editor and manager reach the core's rules and file, and the
// Macro menu's commands rebuild the window's macro controls.
#include <QAction>
#include <QCheckBox>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "BoxAnswerer.h"
#include "DialogDriver.h"
#include "engine/Tourney.h"
#include "messages/MacroControls.h"
#include "messages/uMacroEditor.h"
#include "messages/uMacroManager.h"
#include "ui/TarnwickForm.h"

namespace {

vkr::TMacroEdit Macro(const char* name, const char* line, const char* hotKey = "", const char* caption = "") {
  return vkr::TMacroEdit{name, {line}, hotKey, *caption != 0, caption};
}

void Fill(vkr::TMacroEditForm* editor, const QString& name, const QString& text, bool toolbar = false) {
  editor->NameField()->setText(name);
  editor->TextField()->setPlainText(text);
  editor->ToolbarBox()->setChecked(toolbar);
}

}  // namespace

class MacroDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // The fields reach the core's checks (whose refusals are the core's): a
  // refused macro keeps the editor open. The hot-key field takes one
  // shortcut the file can name. A player macro has neither hot-key nor
  // toolbar button, and the sample follows the text.
  void TheEditorReachesTheRulesAndAPlayerMacroHidesItsKeys() {
    vkr::TMacroSet set;
    set.Add(Macro("Rules", "Be nice", "Ctrl+F5", "R"));
    vkr::TMacroEditForm editor(set, -1, vkr::TMacroEdit{}, "Zoe");
    TBoxAnswerer answerer;
    Fill(&editor, QStringLiteral(" rules "), QStringLiteral("Hello"), true);
    editor.accept();
    QCOMPARE(answerer.Seen.size(), 1);
    QVERIFY(editor.result() != QDialog::Accepted);
    editor.HotKeyField()->setKeySequence(QKeySequence(Qt::CTRL | Qt::Key_BracketLeft));
    QVERIFY(editor.Fields().HotKey.empty());
    editor.NameField()->setText(QStringLiteral(" Hello "));
    editor.CaptionField()->setText(QStringLiteral("Hi"));
    editor.HotKeyField()->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Shift+K, F2")));
    editor.accept();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    // Tidied as the macro file writes them.
    QCOMPARE(editor.Edit().Name + "|" + editor.Edit().Caption + "|" + editor.Edit().HotKey,
             std::string("Hello|Hi|Shift+Ctrl+K"));

    QVERIFY(!editor.HotKeyField()->isHidden() && !editor.ToolbarBox()->isHidden());
    editor.TextField()->setPlainText(QStringLiteral("%p, sit at %t\nThanks"));
    QVERIFY(editor.HotKeyField()->isHidden() && editor.ToolbarBox()->isHidden() && editor.CaptionField()->isHidden());
    QCOMPARE(editor.SampleField()->toPlainText(), QStringLiteral("Zoe> %p, sit at %t\nZoe> Thanks"));
    editor.accept();
    QVERIFY(editor.Edit().HotKey.empty() && !editor.Edit().ShowInToolbar);
  }

  // From the Macro menu the manager edits a copy of the current file: Cancel
  // writes nothing, OK writes it and the window's macro controls follow.
  void TheMacroMenuEditsACopyOfTheFileAndRebuildsTheControls() {
    QTemporaryDir dir;
    vkr::TTarnwickForm form;
    vkr::TTourney& t = form.Tourney();
    t.FilesFolder = dir.path().toStdString() + "/";
    const std::string file = dir.filePath(QStringLiteral("Macros.vkm")).toStdString();
    {
      vkr::TMacroSet seed;
      seed.Add(Macro("Rules", "Be nice", "", "Rules"));
      QVERIFY(seed.Save(*t.Ports.Files, file));
    }
    QAction* edit = form.Action(QStringLiteral("Editmacros1"));
    QVERIFY(edit->isEnabled());
    vkr::TMacroSet saved;
    for (const bool accept : {false, true}) {
      const auto act = [](vkr::TMacroManagerForm* manager) {
        WhenModal<vkr::TMacroEditForm>([](vkr::TMacroEditForm* editor) {
          Fill(editor, QStringLiteral("Bye"), QStringLiteral("See you"), true);
          editor->HotKeyField()->setKeySequence(QKeySequence(Qt::CTRL | Qt::Key_F7));
        });
        manager->AddClick();
        manager->List()->setCurrentRow(0);
        manager->CopyClick();
        manager->SortClick();
        QStringList shown;
        for (int i = 0; i < manager->List()->count(); ++i) shown << manager->List()->item(i)->text();
        QCOMPARE(shown, (QStringList{QStringLiteral("Bye"), QStringLiteral("Copy of Rules"), QStringLiteral("Rules")}));
        manager->List()->setCurrentRow(2);
        manager->DeleteClick();
      };
      WhenModal<vkr::TMacroManagerForm>(act, accept);
      edit->trigger();
      saved.Load(*t.Ports.Files, file);
      QCOMPARE(saved.Macros.size(), size_t{accept ? 2U : 1U});
    }
    QCOMPARE(saved.Toolbar, std::vector<std::string>{"Bye=Bye"});  // the deleted macro's button is gone
    auto* bar = form.findChild<QToolBar*>(QStringLiteral("CustomMacroToolbar"));
    QCOMPARE(bar->actions().size(), 1);
    QCOMPARE(bar->actions().at(0)->text(), QStringLiteral("Bye"));
    QStringList entries;
    for (QAction* entry : form.findChildren<QAction*>(QStringLiteral("MacroEntry")))
      entries << entry->text() + QLatin1Char(' ') + entry->shortcut().toString();
    entries.sort();
    QCOMPARE(entries, (QStringList{QStringLiteral("Bye Ctrl+F7"), QStringLiteral("Copy of Rules ")}));
  }

  void RecentFilesAreOfferedByNameAndOpenTheirFile() {
    QTemporaryDir dir;
    vkr::TTarnwickForm form;
    vkr::TTourney& t = form.Tourney();
    const std::string a = dir.filePath(QStringLiteral("a.vkm")).toStdString();
    const std::string b = dir.filePath(QStringLiteral("b.vkm")).toStdString();
    vkr::SetMacroFile(t, a);
    vkr::SetMacroFile(t, b);
    auto* recent = form.findChild<QMenu*>(QStringLiteral("MacroRecentFilesMenu"));
    QCOMPARE(recent->actions().size(), 2);
    QCOMPARE(recent->actions().at(0)->text(), QStringLiteral("b.vkm"));
    recent->actions().at(1)->trigger();
    QCOMPARE(vkr::CurrentMacroFile(t), a);
    QCOMPARE(recent->actions().at(0)->text(), QStringLiteral("a.vkm"));
  }
};

QTEST_MAIN(MacroDialogsTest)
#include "MacroDialogsTest.moc"
