// The format manager, the format editor and the new-tournament dialog: their
// widgets reach the core's rules, what they produce reaches the store and the
// tournament, and File/New and the format menu in the window follow.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "DialogDriver.h"
#include "WindowSetup.h"
#include "formats/FormatEditing.h"
#include "formats/FormatMenu.h"
#include "formats/MessageFile.h"
#include "formats/PointsList.h"
#include "formats/uFormatEditor.h"
#include "formats/uFormatManager.h"
#include "formats/uFormatViewer.h"
#include "formats/uMatchPoints.h"
#include "formats/uNewTourney.h"
#include "messages/Templates.h"
#include "support/TourneyHost.h"

using namespace vkr;

namespace {

const char* const kStore = "files/Tourney Formats.ini";
const char* const kFormats =
    "[Fast]\r\nHost name=Hal\r\nStart time=8:30pm\r\nElim=2\r\nBoot time=3\r\n\r\n[Slow]\r\nWelcome=x\r\n";

struct TStoreHost : test::TEngineHost {
  TStoreHost() {
    T.FilesFolder = "files/";
    Files.Files[kStore] = kFormats;
    RebuildFormatMenu(T, "Fast");
  }
  // The lines of a stored format as the store holds them now; null when missing.
  const std::vector<std::string>* Section(const std::string& name) {
    Store.Load();
    return Store.FindSection(name);
  }
  TMessageFile Store{Files, kStore};
};

}  // namespace

class FormatDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // From the window: buttons follow the selection; delete, edit (which
  // renames the current format) and copy reach the store on OK, and the
  // format menu follows.
  void TheManagerEditsTheStoreAndTheFormatMenuFollows() {
    TCupWindow cup;
    TTarnwickForm& form = cup.Form;
    const std::string file = FolderName(cup.Dir) + "Tourney Formats.ini";
    WriteFile(ToQt(file), kFormats);
    RebuildFormatMenu(form.Tourney(), "Fast");
    WhenModal<TFormatEditForm>([](TFormatEditForm* editor) {
      Child<QLineEdit>(editor, "NameEdit")->setText(QStringLiteral("Faster"));
      QLineEdit* host = Child<QLineEdit>(editor, "HostNameEdit");
      host->clear();
      emit host->textEdited(QString());
    });
    WhenModal<TFormatManagerForm>([](TFormatManagerForm* manager) {
      QListWidget* list = Child<QListWidget>(manager, "FormatList");
      QCOMPARE(list->count(), 3);
      const auto select = [list](std::initializer_list<int> rows) {
        list->clearSelection();
        for (int row : rows) list->item(row)->setSelected(true);
      };
      select({0, 1});
      QVERIFY(!Child<QPushButton>(manager, "EditButton")->isEnabled());
      select({2});
      Child<QPushButton>(manager, "DeleteButton")->click();
      select({1});
      Child<QPushButton>(manager, "EditButton")->click();
      QCOMPARE(list->item(1)->text(), QStringLiteral("Faster"));
      select({0});
      Child<QPushButton>(manager, "CopyButton")->click();
    });
    form.Action(QStringLiteral("Editformat1"))->trigger();
    TMessageFile store(*form.Tourney().Ports.Files, file);
    QVERIFY(store.Load());
    QVERIFY(store.FindSection("Slow") == nullptr);
    QVERIFY(store.FindSection("Copy of Default") != nullptr);
    QCOMPARE(CurrentFormatName(form.Tourney()), std::string("Faster"));
    QCOMPARE(FormatKeyValue(*store.FindSection("Faster"), "Host name"), std::string());
    QCOMPARE(FormatKeyValue(*store.FindSection("Faster"), "Boot time"), std::string("3"));
    QStringList captions;
    for (QAction* a : form.findChild<QMenu*>(QStringLiteral("FormatMenu"))->actions()) captions << a->text();
    QVERIFY2(captions.contains(QStringLiteral("Copy of Default")), qPrintable(captions.join(',')));
    QVERIFY2(!captions.contains(QStringLiteral("Slow")), qPrintable(captions.join(',')));
  }

  // Each field writes its key and the sample follows; "Other..." match
  // points write the size keys instead of Points. The name rules are the
  // core's: here a refused name keeps the editor open, and the format's own
  // name in other case passes.
  void TheEditorsFieldsWriteTheirKeysAndARefusedNameKeepsItOpen() {
    TStoreHost h;
    const std::vector<TFormat> others{{"Default", {}}, {"Fast", {}}, {"Slow", {}}};
    TFormatEditForm editor(h.T, TFormat{"Fast", {"Elim=1", "Points=" + ListToText(PointsPresets[2])}}, others, nullptr);
    editor.show();
    QComboBox* points = Child<QComboBox>(&editor, "MatchPointsCombo");
    QCOMPARE(points->currentIndex(), 2);
    points->setCurrentIndex(6);
    emit points->activated(6);
    QCOMPARE(FormatKeyValue(editor.Lines(), "Elim"), std::string("2"));
    QCOMPARE(FormatKeyValue(editor.Lines(), "Points"), ListToText(PointsPresets[1]));

    QTest::keyClicks(Child<QLineEdit>(&editor, "HostNameEdit"), QStringLiteral("Hal"));
    QCOMPARE(FormatKeyValue(editor.Lines(), "Host name"), std::string("Hal"));

    Child<QComboBox>(&editor, "MessageKeyCombo")->setCurrentIndex(MsgWelcome);
    Child<QPlainTextEdit>(&editor, "MessageEdit")->setPlainText(QStringLiteral("Hi %h\nsit at %t"));
    Child<QCheckBox>(&editor, "NoAutoPostCheck")->setChecked(true);
    QCOMPARE(FormatKeyValue(editor.Lines(), "Welcome"), std::string("%!Hi %h%csit at %t"));
    QCOMPARE(Child<QLabel>(&editor, "SampleLabel")->text(), QStringLiteral("Hi Hal\nsit at 50"));
    Child<QPushButton>(&editor, "DefaultMessageButton")->click();
    QCOMPARE(FormatKeyValue(editor.Lines(), "Welcome"), "%!" + DefaultFormatValue("Welcome"));

    Child<QSpinBox>(&editor, "BootTimeEdit")->setValue(12);
    QCOMPARE(FormatKeyValue(editor.Lines(), "Boot time"), std::string("12"));

    WhenModal<TCustomPointsForm>([](TCustomPointsForm* other) {
      Child<QCheckBox>(other, "SameCheck")->setChecked(false);
      Child<QSpinBox>(other, "FinalEdit")->setValue(9);
    });
    emit points->activated(kMatchPointsOtherItem);
    TPointsList smallest = PointsPresets[1];
    smallest[14] = 9;
    QCOMPARE(FormatKeyValue(editor.Lines(), "Points"), std::string());
    QCOMPARE(FormatKeyValue(editor.Lines(), "Points8to16"), ListToText(smallest));
    QCOMPARE(points->currentIndex(), kMatchPointsOtherItem);

    Child<QLineEdit>(&editor, "NameEdit")->setText(QStringLiteral("slow"));
    QCOMPARE(Answered(QMessageBox::Ok, [&editor] { editor.accept(); }).size(), 1);
    QVERIFY(editor.isVisible());
    Child<QLineEdit>(&editor, "NameEdit")->setText(QStringLiteral("FAST"));
    editor.accept();
    QVERIFY(!editor.isVisible());
    QCOMPARE(editor.result(), int(QDialog::Accepted));
  }

  void ImportViewerMergesTickedFormatsAndAsksAboutTakenNames() {
    TStoreHost h;
    h.Files.Files["in/more.vkrf"] = "[Fast]\r\nWelcome=new\r\n[Extra]\r\nWelcome=e\r\n[Skip me]\r\nWelcome=s\r\n";
    TFormatViewer viewer(h.T, {"in/more.vkrf"}, nullptr);
    QTreeWidget* list = Child<QTreeWidget>(&viewer, "FormatList");
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("more"));
    list->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
    WhenModal<TFormatExistsForm>([](TFormatExistsForm* exists) {
      QCOMPARE(Child<QLineEdit>(exists, "NameEdit")->text(), QStringLiteral("Fast (2)"));
      Child<QPushButton>(exists, "OverwriteButton")->click();
    }, false);
    viewer.AddClick();
    QCOMPARE(viewer.result(), int(QDialog::Accepted));
    QCOMPARE(FormatKeyValue(*h.Section("Fast"), "Welcome"), std::string("new"));
    QVERIFY(h.Section("Extra") != nullptr);
    QVERIFY(h.Section("Skip me") == nullptr);
  }

  void NewTourneyTakesTheFormatsFieldsAndAsksBeforeOverwriting() {
    TStoreHost h;
    TNewTourneyForm form(h.T, {}, nullptr);
    QComboBox* format = Child<QComboBox>(&form, "FormatCombo");
    QCOMPARE(format->count(), 3);
    format->setCurrentIndex(1);
    emit format->activated(1);
    QCOMPARE(Child<QLineEdit>(&form, "HostNameEdit")->text(), QStringLiteral("Hal"));
    Child<QLineEdit>(&form, "FileNameEdit")->setText(QStringLiteral("files/cup"));
    h.Files.Files["files/cup.vkr"] = "old";
    form.show();
    const auto accept = [&form] { form.accept(); };
    QCOMPARE(Answered(QMessageBox::No, accept),
             QStringList{QStringLiteral("A tourney file of that name already exists, do you want to overwrite it?")});
    QVERIFY(form.isVisible());
    QCOMPARE(Child<QLineEdit>(&form, "HostNameEdit")->text(), QStringLiteral("Hal"));
    Answered(QMessageBox::Yes, accept);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Draft().Choice.FormatName, std::string("Fast"));
  }

  // File/New: the old entries go, the new file is written and heads the
  // recent list; "Restore" on a recent entry reopens that tournament instead.
  void NewStartsAnEmptyTournamentInItsOwnFile() {
    TCupWindow cup;
    TTarnwickForm& form = cup.Form;
    TBoxAnswerer answerer(QMessageBox::Yes);
    QLineEdit* box = form.findChild<QLineEdit*>(QStringLiteral("NewPlayerEdit"));
    box->setText(QStringLiteral("Alice"));
    emit box->returnPressed();
    QVERIFY(form.OpenTourney(cup.Dir.filePath(QStringLiteral("cup.vkr"))));  // now on the recent list
    const QString evening = cup.Dir.filePath(QStringLiteral("evening"));
    WhenModal<TNewTourneyForm>([evening](TNewTourneyForm* d) {
      Child<QLineEdit>(d, "FileNameEdit")->setText(evening);
      Child<QLineEdit>(d, "HostNameEdit")->setText(QStringLiteral("Ann"));
      Child<QCheckBox>(d, "TeamsCheck")->setChecked(true);
    });
    form.Action(QStringLiteral("New1"))->trigger();
    const TTourney& t = form.Tourney();
    QCOMPARE(t.Model.PlayerCount(), 0);
    QVERIFY(t.TeamMode);
    QCOMPARE(t.Context.HostName, std::string("Ann"));
    QCOMPARE(ToQt(t.Storage.FileName), QDir::toNativeSeparators(evening + QStringLiteral(".vkr")));
    QVERIFY(QFile::exists(evening + QStringLiteral(".vkr")));
    QMenu* recent = form.findChild<QMenu*>(QStringLiteral("RecentTourneysMenu"));
    QCOMPARE(recent->actions().value(0)->text(), QStringLiteral("evening.vkr"));

    WhenModal<TNewTourneyForm>(
        [](TNewTourneyForm* d) {
          auto* list = Child<QListWidget>(d, "RecentList");
          QCOMPARE(list->item(1)->text(), QStringLiteral("cup.vkr"));
          list->setCurrentRow(1);
          Child<QPushButton>(d, "RestoreButton")->click();
        },
        false);
    form.Action(QStringLiteral("New1"))->trigger();
    QVERIFY(ToQt(t.Storage.FileName).endsWith(QStringLiteral("cup.vkr")));
    QCOMPARE(t.Model.PlayerCount(), 1);
  }
};

QTEST_MAIN(FormatDialogsTest)
#include "FormatDialogsTest.moc"
