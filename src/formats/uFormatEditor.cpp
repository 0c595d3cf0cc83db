#include "formats/uFormatEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "formats/uDialogButtons.h"
#include "formats/FormatEditing.h"
#include "formats/PointsList.h"
#include "formats/SettingLimits.h"
#include "formats/uMatchPoints.h"
#include "formats/uMatchTimeLimits.h"
#include "formats/uPlayerPoints.h"
#include "formats/uStartTables.h"
#include "messages/Templates.h"
#include "qt/QtText.h"

namespace vkr {

TFormatEditForm::TFormatEditForm(TTourney& t, const TFormat& format, const std::vector<TFormat>& others, QWidget* parent)
    : QDialog(parent), T(t), FLines(format.Lines), FOpenedWith(format.Name), FOthers(others) {
  setWindowTitle(QStringLiteral("Format Editor"));
  setObjectName(QStringLiteral("FormatEditForm"));

  FName = new QLineEdit(ToQt(format.Name), this);
  FName->setObjectName(QStringLiteral("NameEdit"));
  FName->setMaxLength(kFormatNameMaxLength);
  auto* nameRow = new QFormLayout;
  nameRow->addRow(QStringLiteral("Name of format:"), FName);

  auto* general = new QGroupBox(QStringLiteral("General Format Options"), this);
  auto* form = new QFormLayout(general);
  FMatchPoints = new QComboBox(general);
  FMatchPoints->setObjectName(QStringLiteral("MatchPointsCombo"));
  for (const char* item : kMatchPointsItems) FMatchPoints->addItem(QString::fromLatin1(item));
  form->addRow(QStringLiteral("Match points:"), FMatchPoints);
  form->addRow(QStringLiteral("Start time:"), AddKeyField("Start time", kTimeTextMaxLength, "StartTimeEdit"));
  form->addRow(QStringLiteral("Rules time:"), AddKeyField("Rules time", kTimeTextMaxLength, "RulesTimeEdit"));
  form->addRow(QStringLiteral("Host name:"), AddKeyField("Host name", kHostNameMaxLength, "HostNameEdit"));
  form->addRow(QStringLiteral("Co-host name:"), AddKeyField("Co-host name", kHostNameMaxLength, "CoHostNameEdit"));
  form->addRow(QStringLiteral("Host's player name:"),
               AddKeyField("Host player name", kHostNameMaxLength, "HostPlayerNameEdit"));
  form->addRow(QStringLiteral("Co-host's player name:"),
               AddKeyField("Co-host player Name", kHostNameMaxLength, "CoHostPlayerNameEdit"));
  form->addRow(QString(), new QLabel(QStringLiteral("These are optional"), general));
  FBootTime = new QSpinBox(general);
  FBootTime->setObjectName(QStringLiteral("BootTimeEdit"));
  FBootTime->setRange(kBootTimeRange.Min, kBootTimeRange.Max);
  FBootTime->setAlignment(Qt::AlignRight);
  FBootTime->setValue(BootTimeOfFormat(FLines));
  auto* bootRow = new QHBoxLayout;
  bootRow->addWidget(FBootTime);
  bootRow->addWidget(new QLabel(QStringLiteral("minutes"), general));
  bootRow->addStretch();
  form->addRow(QStringLiteral("Time for boots:"), bootRow);
  connect(FBootTime, &QSpinBox::valueChanged, this, [this](int minutes) {
    SetFormatKey(FLines, "Boot time", std::to_string(minutes));
    RefreshSample();
  });
  auto* limits = new QPushButton(QStringLiteral("Match Time-limits..."), general);
  limits->setObjectName(QStringLiteral("TimeLimitsButton"));
  auto* points = new QPushButton(QStringLiteral("Player points..."), general);
  points->setObjectName(QStringLiteral("PlayerPointsButton"));
  auto* seating = new QPushButton(QStringLiteral("Player seating..."), general);
  seating->setObjectName(QStringLiteral("SeatingButton"));
  auto* settingButtons = new QHBoxLayout;
  settingButtons->addWidget(limits);
  settingButtons->addWidget(points);
  settingButtons->addWidget(seating);
  form->addRow(settingButtons);
  connect(limits, &QPushButton::clicked, this, &TFormatEditForm::EditTimeLimits);
  connect(points, &QPushButton::clicked, this, &TFormatEditForm::EditPlayerPoints);
  connect(seating, &QPushButton::clicked, this, &TFormatEditForm::EditSeating);
  ShowMatchPointsItem();
  connect(FMatchPoints, &QComboBox::activated, this, &TFormatEditForm::MatchPointsChosen);

  auto* messages = new QGroupBox(QStringLiteral("Message Editor"), this);
  FMessageKey = new QComboBox(messages);
  FMessageKey->setObjectName(QStringLiteral("MessageKeyCombo"));
  for (const char* key : kMessageKeys) FMessageKey->addItem(QString::fromLatin1(key));
  FMessage = new QPlainTextEdit(messages);
  FMessage->setObjectName(QStringLiteral("MessageEdit"));
  FMessage->setFixedHeight(FMessage->fontMetrics().lineSpacing() * 5 + 12);
  FNoAutoPost = new QCheckBox(QStringLiteral("Don't AutoPost this message"), messages);
  FNoAutoPost->setObjectName(QStringLiteral("NoAutoPostCheck"));
  auto* getDefault = new QPushButton(QStringLiteral("Get default message"), messages);
  getDefault->setObjectName(QStringLiteral("DefaultMessageButton"));
  FSample = new QLabel(messages);
  FSample->setObjectName(QStringLiteral("SampleLabel"));
  FSample->setWordWrap(true);
  FSample->setFrameShape(QFrame::StyledPanel);
  FSample->setMinimumHeight(FSample->fontMetrics().lineSpacing() * 3 + 8);
  FSample->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  FSample->setTextFormat(Qt::PlainText);
  auto* messageLayout = new QVBoxLayout(messages);
  messageLayout->addWidget(new QLabel(QStringLiteral("Select message to edit:"), messages));
  messageLayout->addWidget(FMessageKey);
  messageLayout->addWidget(new QLabel(QStringLiteral("Enter message:"), messages));
  messageLayout->addWidget(FMessage);
  auto* messageButtons = new QHBoxLayout;
  messageButtons->addWidget(FNoAutoPost);
  messageButtons->addStretch();
  messageButtons->addWidget(getDefault);
  messageLayout->addLayout(messageButtons);
  messageLayout->addWidget(new QLabel(QStringLiteral("Sample:"), messages));
  messageLayout->addWidget(FSample);
  messageLayout->addStretch();
  connect(FMessageKey, &QComboBox::currentIndexChanged, this, &TFormatEditForm::ShowMessage);
  connect(FMessage, &QPlainTextEdit::textChanged, this, &TFormatEditForm::StoreMessage);
  connect(FNoAutoPost, &QCheckBox::toggled, this, &TFormatEditForm::StoreMessage);
  connect(getDefault, &QPushButton::clicked, this, [this] {
    FMessage->setPlainText(ToQt(DecodeMessage(DefaultFormatValue(kMessageKeys[FMessageKey->currentIndex()])).Text));
  });

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* columns = new QHBoxLayout;
  columns->addWidget(general);
  columns->addWidget(messages, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(nameRow);
  layout->addLayout(columns);
  layout->addWidget(buttons);
  ShowMessage();
  resize(860, sizeHint().height());
}

QLineEdit* TFormatEditForm::AddKeyField(const char* key, int maxLength, const char* objectName) {
  auto* field = new QLineEdit(ToQt(FormatKeyValue(FLines, key)), this);
  field->setObjectName(QString::fromLatin1(objectName));
  field->setMaxLength(maxLength);
  connect(field, &QLineEdit::textEdited, this, [this, key](const QString& text) {
    SetFormatKey(FLines, key, FromQt(text));
    RefreshSample();
  });
  return field;
}

TFormat TFormatEditForm::Format() const { return TFormat{FromQt(FName->text()), FLines}; }

void TFormatEditForm::ShowMatchPointsItem() {
  const QSignalBlocker quiet(FMatchPoints);
  FMatchPoints->setCurrentIndex(MatchPointsItemOf(FLines));
}

void TFormatEditForm::MatchPointsChosen(int item) {
  if (item != kMatchPointsOtherItem) {
    ChooseMatchPointsItem(FLines, item);
  } else {
    TCustomPointsForm other(ArrangementOfFormat(FLines), false, this);
    if (other.exec() == QDialog::Accepted) WriteArrangement(FLines, other.Arrangement());
  }
  ShowMatchPointsItem();
  RefreshSample();
}

void TFormatEditForm::EditTimeLimits() {
  TMatchTimeLimitsForm limits(TimeLimitsOfFormat(FLines), this);
  if (limits.exec() != QDialog::Accepted) return;
  SetFormatKey(FLines, "Match time limits", ListToText(limits.Limits()));
  RefreshSample();
}

void TFormatEditForm::EditPlayerPoints() {
  TPlayerPointsForm points(PlayerPointsOfFormat(TFormatValues(FLines)), this);
  if (points.exec() == QDialog::Accepted) WritePlayerPoints(FLines, SettingsOfDraft(points.Draft()));
}

void TFormatEditForm::EditSeating() {
  TStartTablesForm seating(T, StartTablesOfFormat(FLines, T.Format.DefaultStartTables), this);
  if (seating.exec() == QDialog::Accepted) SetFormatKey(FLines, "Starting tables", ListToText(seating.Tables()));
}

void TFormatEditForm::ShowMessage() {
  const TEditedMessage message = DecodeMessage(FormatKeyValue(FLines, kMessageKeys[FMessageKey->currentIndex()]));
  {
    const QSignalBlocker quietText(FMessage), quietCheck(FNoAutoPost);
    FMessage->setPlainText(ToQt(message.Text));
    FNoAutoPost->setChecked(message.NoAutoPost);
  }
  RefreshSample();
}

void TFormatEditForm::StoreMessage() {
  const TEditedMessage message{FromQt(FMessage->toPlainText()), FNoAutoPost->isChecked()};
  SetFormatKey(FLines, kMessageKeys[FMessageKey->currentIndex()], EncodeMessage(message));
  RefreshSample();
}

void TFormatEditForm::RefreshSample() {
  FSample->setText(ToQt(SampleMessage(T, FLines, FormatKeyValue(FLines, kMessageKeys[FMessageKey->currentIndex()]))));
}

void TFormatEditForm::accept() {
  const std::string warning = CheckFormatName(FromQt(FName->text()), FOpenedWith, FOthers);
  if (!warning.empty()) {
    QMessageBox::warning(this, QStringLiteral("Warning"), ToQt(warning));
    FName->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace vkr
