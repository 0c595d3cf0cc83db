// The format manager, the format editor and the new-tournament dialog: their
// widgets reach the core's rules, and what they produce reaches the store
// and the tournament.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QtTest>

#include "BoxAnswerer.h"
#include "DialogChildren.h"
#include "ModalDriver.h"
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

struct TStoreHost : test::TEngineHost {
  TStoreHost() {
    T.FilesFolder = "files/";
    Files.Files[kStore] = "[Fast]\r\nHost name=Hal\r\nStart time=8:30pm\r\nElim=2\r\nBoot time=3\r\n\r\n[Slow]\r\nWelcome=x\r\n";
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
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void ManagerButtonsFollowTheSelectionAndOkWritesTheStore() {
    TStoreHost h;
    TFormatManagerForm form(h.T, "Fast", nullptr);
    QListWidget* list = Child<QListWidget>(&form, "FormatList");
    QCOMPARE(list->count(), 3);
    list->clearSelection();
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    QVERIFY(Child<QPushButton>(&form, "ExportButton")->isEnabled());
    QVERIFY(!Child<QPushButton>(&form, "DeleteButton")->isEnabled());
    QVERIFY(!Child<QPushButton>(&form, "EditButton")->isEnabled());
    QVERIFY(!Child<QPushButton>(&form, "CopyButton")->isEnabled());
    list->clearSelection();
    list->item(0)->setSelected(true);
    Child<QPushButton>(&form, "CopyButton")->click();
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(3)->text(), QStringLiteral("Copy of Default"));
    list->clearSelection();
    list->item(2)->setSelected(true);
    Child<QPushButton>(&form, "DeleteButton")->click();
    form.accept();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(h.Section("Slow") == nullptr);
    QVERIFY(h.Section("Copy of Default") != nullptr);
    QCOMPARE(h.Section("Copy of Default")->size(), size_t(27));
  }

  void EditingAFormatThroughTheManagerRenamesTheCurrentFormat() {
    TStoreHost h;
    WhenModal<TFormatEditForm>([](TFormatEditForm* editor) {
      QLineEdit* name = Child<QLineEdit>(editor, "NameEdit");
      name->setText(QStringLiteral("Faster"));
      QLineEdit* host = Child<QLineEdit>(editor, "HostNameEdit");
      host->clear();
      emit host->textEdited(QString());
    });
    WhenModal<TFormatManagerForm>([](TFormatManagerForm* manager) {
      QListWidget* list = Child<QListWidget>(manager, "FormatList");
      list->clearSelection();
      list->item(1)->setSelected(true);
      Child<QPushButton>(manager, "EditButton")->click();
      QCOMPARE(list->item(1)->text(), QStringLiteral("Faster"));
    });
    ShowFormatManager(nullptr, h.T);
    QCOMPARE(CurrentFormatName(h.T), std::string("Faster"));
    QVERIFY(h.Section("Faster") != nullptr);
    QCOMPARE(FormatKeyValue(*h.Section("Faster"), "Host name"), std::string());
    QCOMPARE(FormatKeyValue(*h.Section("Faster"), "Boot time"), std::string("3"));
  }

  void EditorFieldsWriteTheirKeysAndTheSampleFollows() {
    TStoreHost h;
    TFormatEditForm editor(h.T, TFormat{"Fast", {"Elim=1", "Points=" + ListToText(PointsPresets[2])}}, {}, nullptr);
    QComboBox* points = Child<QComboBox>(&editor, "MatchPointsCombo");
    QCOMPARE(points->currentIndex(), 2);
    points->setCurrentIndex(6);
    emit points->activated(6);
    QCOMPARE(FormatKeyValue(editor.Lines(), "Elim"), std::string("2"));
    QCOMPARE(FormatKeyValue(editor.Lines(), "Points"), ListToText(PointsPresets[1]));

    QLineEdit* host = Child<QLineEdit>(&editor, "HostNameEdit");
    QCOMPARE(host->maxLength(), 16);
    QTest::keyClicks(host, QStringLiteral("Hal"));
    QCOMPARE(FormatKeyValue(editor.Lines(), "Host name"), std::string("Hal"));

    Child<QComboBox>(&editor, "MessageKeyCombo")->setCurrentIndex(MsgWelcome);
    Child<QPlainTextEdit>(&editor, "MessageEdit")->setPlainText(QStringLiteral("Hi %h\nsit at %t"));
    Child<QCheckBox>(&editor, "NoAutoPostCheck")->setChecked(true);
    QCOMPARE(FormatKeyValue(editor.Lines(), "Welcome"), std::string("%!Hi %h%csit at %t"));
    QCOMPARE(Child<QLabel>(&editor, "SampleLabel")->text(), QStringLiteral("Hi Hal\nsit at 50"));
    Child<QPushButton>(&editor, "DefaultMessageButton")->click();
    QCOMPARE(FormatKeyValue(editor.Lines(), "Welcome"), "%!" + DefaultFormatValue("Welcome"));

    QSpinBox* boot = Child<QSpinBox>(&editor, "BootTimeEdit");
    QCOMPARE(boot->value(), 7);
    boot->setValue(12);
    QCOMPARE(FormatKeyValue(editor.Lines(), "Boot time"), std::string("12"));
  }

  void EditorOtherMatchPointsWritesTheSizeKeysOrPoints() {
    TStoreHost h;
    TFormatEditForm editor(h.T, TFormat{"Fast", {}}, {}, nullptr);
    WhenModal<TCustomPointsForm>([](TCustomPointsForm* other) {
      Child<QCheckBox>(other, "SameCheck")->setChecked(false);
      Child<QSpinBox>(other, "FinalEdit")->setValue(9);
    });
    QComboBox* points = Child<QComboBox>(&editor, "MatchPointsCombo");
    emit points->activated(kMatchPointsOtherItem);
    QCOMPARE(FormatKeyValue(editor.Lines(), "Points"), std::string());
    QCOMPARE(FormatKeyValue(editor.Lines(), "Points8to16"), std::string("0,0,0,0,0,0,0,0,0,0,0,0,0,0,9"));
    QCOMPARE(FormatKeyValue(editor.Lines(), "Elim"), std::string("1"));
    QCOMPARE(points->currentIndex(), kMatchPointsOtherItem);
  }

  void EditorRefusesAnEmptyOrTakenNameAndStaysOpen() {
    TStoreHost h;
    const std::vector<TFormat> others{{"Default", {}}, {"Fast", {}}, {"Slow", {}}};
    TFormatEditForm editor(h.T, TFormat{"Fast", {}}, others, nullptr);
    editor.show();
    struct Case {
      QString name;
      QString warning;
    } cases[] = {{QString(), QStringLiteral("Please enter a name for the format")},
                 {QStringLiteral("slow"), QStringLiteral("A format of that name already exists, please select another name")}};
    for (const Case& c : cases) {
      Child<QLineEdit>(&editor, "NameEdit")->setText(c.name);
      TBoxAnswerer answerer;
      editor.accept();
      QCOMPARE(answerer.Seen, QStringList{c.warning});
      QVERIFY(editor.isVisible());
    }
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
      QCOMPARE(Child<QLabel>(exists, "ExistsLabel")->text(), QStringLiteral("\"Fast\" already exists!"));
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
    QCOMPARE(Child<QListWidget>(&form, "RecentList")->item(0)->text(),
             QStringLiteral("This will show the most recent tourneys!"));
    format->setCurrentIndex(1);
    emit format->activated(1);
    QCOMPARE(Child<QLineEdit>(&form, "HostNameEdit")->text(), QStringLiteral("Hal"));
    QCOMPARE(Child<QLineEdit>(&form, "FileNameEdit")->text(), QStringLiteral("files/Fast 05Dec26 830pm Tournament"));
    Child<QLineEdit>(&form, "FileNameEdit")->setText(QStringLiteral("files/cup"));
    h.Files.Files["files/cup.vkr"] = "old";
    form.show();
    {
      TBoxAnswerer no(QMessageBox::No);
      form.accept();
      QCOMPARE(no.Seen, QStringList{QStringLiteral("A tourney file of that name already exists, do you want to overwrite it?")});
    }
    QVERIFY(form.isVisible());
    QCOMPARE(Child<QLineEdit>(&form, "HostNameEdit")->text(), QStringLiteral("Hal"));
    {
      TBoxAnswerer yes(QMessageBox::Yes);
      form.accept();
    }
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Draft().Choice.FormatName, std::string("Fast"));
  }

  void NewTourneyStartsTheTournamentAndListsItAsRecent() {
    TStoreHost h;
    std::vector<std::string> recent{"files/old.vkr", "files/CUP.vkr"};
    WhenModal<TNewTourneyForm>([](TNewTourneyForm* form) {
      QComboBox* format = Child<QComboBox>(form, "FormatCombo");
      format->setCurrentIndex(1);
      emit format->activated(1);
      Child<QLineEdit>(form, "HostNameEdit")->setText(QStringLiteral("Ann"));
      Child<QCheckBox>(form, "TeamsCheck")->setChecked(true);
      Child<QLineEdit>(form, "FileNameEdit")->setText(QStringLiteral("files/cup"));
    });
    QString restore;
    QCOMPARE(ShowNewTourneyDialog(nullptr, h.T, recent, restore), TNewTourneyOutcome::Started);
    QCOMPARE(h.T.Storage.FileName, std::string("files/cup.vkr"));
    QCOMPARE(h.T.ElimFormat, int(ElimDouble));
    QCOMPARE(h.T.Context.HostName, std::string("Ann"));
    QVERIFY(h.T.TeamMode);
    QVERIFY(h.Files.Files.count("files/cup.vkr") == 1);
    QCOMPARE(recent, (std::vector<std::string>{"files/cup.vkr", "files/old.vkr"}));

    WhenModal<TNewTourneyForm>([](TNewTourneyForm* form) {
      QListWidget* recent = Child<QListWidget>(form, "RecentList");
      QCOMPARE(recent->item(0)->text(), QStringLiteral("cup.vkr"));
      recent->setCurrentRow(0);
      Child<QPushButton>(form, "RestoreButton")->click();
    }, false);
    QCOMPARE(ShowNewTourneyDialog(nullptr, h.T, recent, restore), TNewTourneyOutcome::Restore);
    QCOMPARE(restore, QStringLiteral("files/cup.vkr"));
  }
};

QTEST_MAIN(FormatDialogsTest)
#include "FormatDialogsTest.moc"
