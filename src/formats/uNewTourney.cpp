#include "formats/uNewTourney.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/FormatMenu.h"
#include "formats/SettingLimits.h"
#include "formats/uFormatManager.h"
#include "formats/uStartTables.h"
#include "lobby/LobbyWindows.h"
#include "qt/QtText.h"
#include "storage/FileSystemPort.h"
#include "storage/Settings.h"
#include "ui/uConfirmDlg.h"

namespace vkr {

namespace {

QLineEdit* NewField(QWidget* parent, const char* name, int maxLength) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  if (maxLength > 0) field->setMaxLength(maxLength);
  return field;
}

QCheckBox* NewCheck(QWidget* parent, const char* caption, const char* name) {
  auto* check = new QCheckBox(QString::fromLatin1(caption), parent);
  check->setObjectName(QString::fromLatin1(name));
  return check;
}

}  // namespace

TNewTourneyForm::TNewTourneyForm(TTourney& t, const QStringList& recent, QWidget* parent)
    : QDialog(parent), T(t), FDraft(OpenNewTourney(t)) {
  setWindowTitle(QStringLiteral("New Tournament"));
  setObjectName(QStringLiteral("NewTourneyForm"));

  FFormat = new QComboBox(this);
  FFormat->setObjectName(QStringLiteral("FormatCombo"));
  auto* editFormats = new QPushButton(QStringLiteral("Edit..."), this);
  editFormats->setObjectName(QStringLiteral("EditFormatsButton"));
  auto* formatRow = new QHBoxLayout;
  formatRow->addWidget(FFormat, 1);
  formatRow->addWidget(editFormats);

  FHost = NewField(this, "HostNameEdit", kHostNameMaxLength);
  FCoHost = NewField(this, "CoHostNameEdit", kHostNameMaxLength);
  FHostPlayer = NewField(this, "HostPlayerNameEdit", kHostNameMaxLength);
  FCoHostPlayer = NewField(this, "CoHostPlayerNameEdit", kHostNameMaxLength);
  FRules = NewField(this, "RulesEdit", kTimeTextMaxLength);
  FStart = NewField(this, "StartEdit", kTimeTextMaxLength);
  FFile = NewField(this, "FileNameEdit", 0);
  FHostUnscheduled = NewCheck(this, "Unscheduled", "HostUnscheduledCheck");
  FCoHostUnscheduled = NewCheck(this, "Unscheduled", "CoHostUnscheduledCheck");
  FTeams = NewCheck(this, "4 players/table (2 teams of 2)", "TeamsCheck");
  FCapNames = NewCheck(this, "Capitalise names", "CapNamesCheck");
  FShowPoints = NewCheck(this, "Show players' points at the end", "ShowPointsCheck");
  auto withCheck = [](QWidget* field, QWidget* check) {
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(check);
    return row;
  };
  auto* browse = new QPushButton(QStringLiteral("..."), this);
  browse->setObjectName(QStringLiteral("BrowseButton"));
  browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
  auto* seating = new QPushButton(QStringLiteral("Seating..."), this);
  seating->setObjectName(QStringLiteral("SeatingButton"));
  FLobby = new QComboBox(this);
  FLobby->setObjectName(QStringLiteral("LobbyCombo"));
  FLobby->addItem(QStringLiteral("Not used"));
  for (const TLobbyEntry& lobby : EnumerateLobbies(t)) FLobby->addItem(ToQt(lobby.Title));
  // In the order of TRapidAssignChoice.
  FRapidAssign = new QComboBox(this);
  FRapidAssign->setObjectName(QStringLiteral("RapidAssignCombo"));
  FRapidAssign->addItems({QStringLiteral("Not used"), QStringLiteral("added to ZF"), QStringLiteral("removed from ZF")});

  auto* details = new QGroupBox(QStringLiteral("Tournament"), this);
  auto* form = new QFormLayout(details);
  form->addRow(QStringLiteral("Format:"), formatRow);
  form->addRow(QStringLiteral("Host name:"), withCheck(FHost, FHostUnscheduled));
  form->addRow(QStringLiteral("Co-host name:"), withCheck(FCoHost, FCoHostUnscheduled));
  form->addRow(QStringLiteral("Host's player name:"), FHostPlayer);
  form->addRow(QStringLiteral("Co-host's player name:"), FCoHostPlayer);
  form->addRow(QStringLiteral("Rules:"), FRules);
  form->addRow(QStringLiteral("Start:"), FStart);
  form->addRow(QStringLiteral("Auto-post Lobby:"), FLobby);
  form->addRow(QStringLiteral("Rapid-Assign:"), FRapidAssign);
  form->addRow(QStringLiteral("File name:"), withCheck(FFile, browse));
  auto* options = new QVBoxLayout;
  options->addWidget(FTeams);
  options->addWidget(FCapNames);
  options->addWidget(FShowPoints);
  form->addRow(QString(), options);
  auto* seatingRow = new QHBoxLayout;
  seatingRow->addWidget(seating);
  seatingRow->addStretch();
  form->addRow(QString(), seatingRow);

  auto* recentBox = new QGroupBox(QStringLiteral("Recent Tourneys"), this);
  FRecent = new QListWidget(recentBox);
  FRecent->setObjectName(QStringLiteral("RecentList"));
  for (const QString& file : recent) {
    auto* item = new QListWidgetItem(QFileInfo(file).fileName(), FRecent);
    item->setData(Qt::UserRole, file);
    item->setToolTip(file);
  }
  if (recent.isEmpty()) {
    auto* hint = new QListWidgetItem(QStringLiteral("This will show the most recent tourneys!"), FRecent);
    hint->setFlags(Qt::NoItemFlags);
  }
  auto* restore = new QPushButton(QStringLiteral("Restore"), recentBox);
  restore->setObjectName(QStringLiteral("RestoreButton"));
  auto* recentLayout = new QVBoxLayout(recentBox);
  recentLayout->addWidget(FRecent);
  recentLayout->addWidget(restore);
  auto restoreChosen = [this] {
    FRestore = true;
    QListWidgetItem* item = FRecent->currentItem();
    FRestoreFile = item != nullptr ? item->data(Qt::UserRole).toString() : QString();
    reject();
  };
  connect(restore, &QPushButton::clicked, this, restoreChosen);
  connect(FRecent, &QListWidget::itemDoubleClicked, this, restoreChosen);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* start = buttons->addButton(QStringLiteral("Start"), QDialogButtonBox::AcceptRole);
  start->setObjectName(QStringLiteral("StartButton"));
  start->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(start, &QPushButton::clicked, this, &TNewTourneyForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* columns = new QHBoxLayout;
  columns->addWidget(details, 2);
  columns->addWidget(recentBox, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);

  LoadFormats("Default");
  ShowFields();
  connect(FFormat, &QComboBox::activated, this, [this] {
    ReadFields();
    ChooseNewTourneyFormat(T, FDraft, FromQt(FFormat->currentText()));
    ShowFields();
  });
  connect(FStart, &QLineEdit::editingFinished, this, [this] {
    ReadFields();
    ProposeTourneyFile(T, FDraft);
    FFile->setText(ToQt(FDraft.FileField));
  });
  connect(editFormats, &QPushButton::clicked, this, &TNewTourneyForm::EditFormatsClick);
  connect(seating, &QPushButton::clicked, this, &TNewTourneyForm::SeatingClick);
  connect(browse, &QPushButton::clicked, this, &TNewTourneyForm::BrowseClick);
  resize(860, sizeHint().height());
}

void TNewTourneyForm::LoadFormats(const std::string& keep) {
  FFormat->clear();
  for (const std::string& name : NewTourneyFormatNames(T)) FFormat->addItem(ToQt(name));
  const int found = FFormat->findText(ToQt(keep), Qt::MatchFixedString);
  FFormat->setCurrentIndex(found >= 0 ? found : 0);
  FDraft.Choice.FormatName = FromQt(FFormat->currentText());
}

void TNewTourneyForm::ReadFields() {
  TNewTourneyChoice& c = FDraft.Choice;
  c.FormatName = FromQt(FFormat->currentText());
  c.Host.HostName = FromQt(FHost->text());
  c.Host.CoHostName = FromQt(FCoHost->text());
  c.Host.HostPlayerName = FromQt(FHostPlayer->text());
  c.Host.CoHostPlayerName = FromQt(FCoHostPlayer->text());
  c.Host.RulesTimeText = FromQt(FRules->text());
  c.Host.StartTimeText = FromQt(FStart->text());
  c.HostUnscheduled = FHostUnscheduled->isChecked();
  c.CoHostUnscheduled = FCoHostUnscheduled->isChecked();
  c.TeamMode = FTeams->isChecked();
  c.CapNames = FCapNames->isChecked();
  c.ShowPointsAtEnd = FShowPoints->isChecked();
  FDraft.FileField = FromQt(FFile->text());
  FDraft.LobbyTitle = FLobby->currentIndex() > 0 ? FromQt(FLobby->currentText()) : std::string();
  FDraft.RapidAssign = static_cast<TRapidAssignChoice>(FRapidAssign->currentIndex());
}

void TNewTourneyForm::ShowFields() {
  const TNewTourneyChoice& c = FDraft.Choice;
  FHost->setText(ToQt(c.Host.HostName));
  FCoHost->setText(ToQt(c.Host.CoHostName));
  FHostPlayer->setText(ToQt(c.Host.HostPlayerName));
  FCoHostPlayer->setText(ToQt(c.Host.CoHostPlayerName));
  FRules->setText(ToQt(c.Host.RulesTimeText));
  FStart->setText(ToQt(c.Host.StartTimeText));
  FHostUnscheduled->setChecked(c.HostUnscheduled);
  FCoHostUnscheduled->setChecked(c.CoHostUnscheduled);
  FTeams->setChecked(c.TeamMode);
  FCapNames->setChecked(c.CapNames);
  FShowPoints->setChecked(c.ShowPointsAtEnd);
  FFile->setText(ToQt(FDraft.FileField));
}

TNewTourneyDraft TNewTourneyForm::Draft() const { return FDraft; }

void TNewTourneyForm::accept() {
  ReadFields();
  const std::string file = TourneyFileOf(FDraft.FileField);
  if (T.Ports.Files->FileExists(file) && !AskYesNo(this, ToQt(kTourneyExistsQuestion), nullptr)) return;
  QDialog::accept();
}

void TNewTourneyForm::EditFormatsClick() {
  ReadFields();
  TFormatManagerForm manager(T, FDraft.Choice.FormatName, this);
  if (manager.exec() != QDialog::Accepted) return;
  RebuildFormatMenu(T, "Default");
  LoadFormats(FDraft.Choice.FormatName);
}

void TNewTourneyForm::SeatingClick() {
  TStartTablesForm seating(T, FDraft.Choice.StartTables, this);
  if (seating.exec() == QDialog::Accepted) FDraft.Choice.StartTables = seating.Tables();
}

void TNewTourneyForm::BrowseClick() {
  const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Enter Tourney File Name"),
                                                      ToQt(TourneyFileOf(FromQt(FFile->text()))),
                                                      QStringLiteral("Tourney Bracket File (*.vkr)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return;
  QString name = QDir::toNativeSeparators(chosen);
  if (name.endsWith(QStringLiteral(".vkr"), Qt::CaseInsensitive)) name.chop(4);
  FFile->setText(name);
}

TNewTourneyOutcome ShowNewTourneyDialog(QWidget* parent, TTourney& t, std::vector<std::string>& recentTourneys,
                                        QString& restoreFile) {
  QStringList recent;
  for (const std::string& file : recentTourneys) recent << ToQt(file);
  TNewTourneyForm form(t, recent, parent);
  if (form.exec() == QDialog::Accepted) {
    StartFromDraft(t, form.Draft());
    AddRecentFile(recentTourneys, t.Storage.FileName);
    return TNewTourneyOutcome::Started;
  }
  if (!form.RestoreChosen()) return TNewTourneyOutcome::Cancelled;
  restoreFile = form.RestoreFile();
  return TNewTourneyOutcome::Restore;
}

}  // namespace vkr
