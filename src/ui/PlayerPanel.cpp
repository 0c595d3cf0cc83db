#include "ui/PlayerPanel.h"

#include <QCheckBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringListModel>
#include <QTimer>
#include <QToolButton>

#include "base/Text.h"
#include "engine/Find.h"
#include "engine/SignUp.h"
#include "engine/Tourney.h"
#include "engine/Undo.h"
#include "qt/QtText.h"
#include "storage/ActionLog.h"
#include "storage/PlayerPoints.h"

namespace vkr {
namespace {

QToolButton* MinimiseButton(QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setCheckable(true);
  button->setArrowType(Qt::UpArrow);
  button->setFixedSize(15, 15);
  button->setFocusPolicy(Qt::NoFocus);
  button->setToolTip(QStringLiteral("Minimise"));
  return button;
}

}  // namespace

TPlayerPanel::TPlayerPanel(TTourney& t, QWidget* parent) : QFrame(parent), T(t) {
  setObjectName(QStringLiteral("AddFindPlayerPanel"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Raised);
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(6, 4, 4, 4);
  FStack = new QStackedWidget(this);
  outer->addWidget(FStack);

  auto* add = new QWidget(FStack);
  auto* addRow = new QHBoxLayout(add);
  addRow->setContentsMargins(0, 0, 0, 0);
  FAddLabel = new QLabel(QStringLiteral("Add player:"), add);
  FNewPlayer = new QLineEdit(add);
  FNewPlayer->setObjectName(QStringLiteral("NewPlayerEdit"));
  FNewPlayer->setMaxLength(31);
  FAddLabel->setBuddy(FNewPlayer);
  FSuggestions = new QStringListModel(this);
  FCompleter = new QCompleter(FSuggestions, this);
  FCompleter->setCaseSensitivity(Qt::CaseInsensitive);
  FCompleter->setMaxVisibleItems(10);
  FNewPlayer->setCompleter(FCompleter);
  auto* addButton = new QPushButton(QStringLiteral("Add"), add);
  addButton->setObjectName(QStringLiteral("AddButton"));
  addButton->setAutoDefault(false);
  FOnePerTable = new QCheckBox(QStringLiteral("One player/table"), add);
  FOnePerTable->setObjectName(QStringLiteral("OnePlayerPerTableBox"));
  FCounts = new QLabel(add);
  FMinimise[0] = MinimiseButton(add);
  FMinimise[0]->setObjectName(QStringLiteral("MinMaxAddPlayerButton"));
  addRow->addWidget(FAddLabel);
  addRow->addWidget(FNewPlayer, 1);
  addRow->addWidget(addButton);
  addRow->addWidget(FOnePerTable);
  addRow->addWidget(FCounts);
  addRow->addWidget(FMinimise[0], 0, Qt::AlignTop);

  auto* find = new QWidget(FStack);
  find->setObjectName(QStringLiteral("FindPlayerPanel"));
  auto* findRow = new QHBoxLayout(find);
  findRow->setContentsMargins(0, 0, 0, 0);
  auto* findLabel = new QLabel(QStringLiteral("Find player/table:"), find);
  FFind = new QLineEdit(find);
  FFind->setObjectName(QStringLiteral("FindPlayerEdit"));
  findLabel->setBuddy(FFind);
  FFindResult = new QLineEdit(find);
  FFindResult->setObjectName(QStringLiteral("FindResultEdit"));
  FFindResult->setReadOnly(true);
  FFindResult->setFocusPolicy(Qt::NoFocus);
  FUndo = new QPushButton(QStringLiteral("Undo"), find);
  FUndo->setObjectName(QStringLiteral("UndoButton"));
  FRedo = new QPushButton(QStringLiteral("Redo"), find);
  FRedo->setObjectName(QStringLiteral("RedoButton"));
  // Narrow buttons, so the label and both fields fit a one-bracket-wide window.
  for (QPushButton* button : {FUndo, FRedo}) {
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Redo")) +
                            4 * button->fontMetrics().averageCharWidth());
  }
  FMinimise[1] = MinimiseButton(find);
  FMinimise[1]->setObjectName(QStringLiteral("MinMaxFindPlayerButton"));
  findRow->addWidget(findLabel);
  findRow->addWidget(FFind, 1);
  findRow->addWidget(FFindResult, 1);
  findRow->addWidget(FUndo);
  findRow->addWidget(FRedo);
  findRow->addWidget(FMinimise[1], 0, Qt::AlignTop);
  FStack->addWidget(add);
  FStack->addWidget(find);

  connect(FNewPlayer, &QLineEdit::returnPressed, this, &TPlayerPanel::EnterPressed);
  connect(FNewPlayer, &QLineEdit::textEdited, this, [this](const QString& text) { T.View.NewPlayerField = FromQt(text); });
  connect(FCompleter, qOverload<const QString&>(&QCompleter::activated), this, &TPlayerPanel::SuggestionChosen);
  connect(addButton, &QPushButton::clicked, this, [this] {
    const std::string text = FromQt(FNewPlayer->text());
    FNewPlayer->clear();
    AddButtonClick(T, text);
    emit Changed();
  });
  connect(FOnePerTable, &QCheckBox::clicked, this, [this](bool on) {
    T.OnePlayerPerTable = on;
    WriteLogLine(T, std::string("Click: One player/table = ") + (on ? "On" : "Off"));
  });
  connect(FFind, &QLineEdit::textChanged, this, [this](const QString& text) {
    SetFindText(T, FromQt(text));
    FFindResult->setText(ToQt(T.View.FindResult));
    emit Changed();
  });
  connect(FUndo, &QPushButton::clicked, this, [this] {
    UndoClick(T);
    emit Changed();
  });
  connect(FRedo, &QPushButton::clicked, this, [this] {
    RedoClick(T);
    emit Changed();
  });
  for (QToolButton* button : FMinimise) connect(button, &QToolButton::toggled, this, &TPlayerPanel::SetMinimised);
  Refresh();
}

void TPlayerPanel::EnterPressed() {
  const std::string text = FromQt(FNewPlayer->text());
  FNewPlayer->clear();
  if (Trim(text).empty()) return;
  FAddedByEnter = true;
  // The suggestion list may report the same choice right after this key.
  QTimer::singleShot(0, this, [this] { FAddedByEnter = false; });
  WriteLogLine(T, "Key: Enter on Add Player");
  AddPlayer(T, text, -1, false, false, -1);
  T.View.NewPlayerField.clear();
  emit Changed();
}

void TPlayerPanel::SuggestionChosen(const QString& name) {
  if (FAddedByEnter) {
    FNewPlayer->clear();
    return;
  }
  FNewPlayer->clear();
  WriteLogLine(T, "Click: Add Player from drop-down list");
  AddPlayer(T, FromQt(name), -1, false, false, -1);
  T.View.NewPlayerField.clear();
  emit Changed();
}

void TPlayerPanel::SetMinimised(bool minimised) {
  // The two buttons always take the same state.
  for (QToolButton* button : FMinimise) {
    const QSignalBlocker block(button);
    button->setChecked(minimised);
    button->setArrowType(minimised ? Qt::DownArrow : Qt::UpArrow);
  }
  for (QWidget* page : {FStack->widget(0), FStack->widget(1)}) {
    for (QWidget* child : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (child != FMinimise[0] && child != FMinimise[1]) child->setVisible(!minimised);
    }
  }
}

void TPlayerPanel::Refresh() {
  const bool closed = T.SignupsClosed;
  FStack->setCurrentIndex(closed ? 1 : 0);
  FAddLabel->setText(T.TeamMode ? QStringLiteral("Add player/team:") : QStringLiteral("Add player:"));
  FOnePerTable->setText(T.TeamMode ? QStringLiteral("One team/table") : QStringLiteral("One player/table"));
  FOnePerTable->setChecked(T.OnePlayerPerTable);
  FOnePerTable->setEnabled(T.View.SignupControlsEnabled);
  FCounts->setText(ToQt(ActiveCountCaption(T)));
  FUndo->setEnabled(CanUndo(T));
  FRedo->setEnabled(CanRedo(T));
  if (FFindResult->text() != ToQt(T.View.FindResult)) FFindResult->setText(ToQt(T.View.FindResult));
  const int recent = static_cast<int>(T.RecentPlayers.Items().size());
  if (recent != FShownRecent) {
    QStringList names;
    for (const std::string& name : T.RecentPlayers.Items()) names << ToQt(name);
    FSuggestions->setStringList(names);
    FShownRecent = recent;
  }
}

}  // namespace vkr
