#include "messages/uMacroEditor.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/Text.h"
#include "messages/HotKey.h"
#include "messages/MacroText.h"
#include "messages/uCharMap.h"
#include "qt/QtText.h"

namespace vkr {
namespace {

QLabel* NoteLabel(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 0.9);
  label->setFont(font);
  return label;
}

}  // namespace

TMacroEditForm::TMacroEditForm(const TMacroSet& set, int editing, const TMacroEdit& macro, const std::string& hostName,
                               QWidget* parent)
    : QDialog(parent), FSet(set), FEditing(editing), FHostName(hostName), FEdit(macro) {
  setWindowTitle(QStringLiteral("Macro Editor"));
  setObjectName(QStringLiteral("MacroEditForm"));
  FName = new QLineEdit(ToQt(macro.Name), this);
  FName->setObjectName(QStringLiteral("MacroNameEdit"));
  FText = new QPlainTextEdit(this);
  FText->setObjectName(QStringLiteral("MacroTextEdit"));
  FText->setLineWrapMode(QPlainTextEdit::NoWrap);
  QStringList lines;
  for (const std::string& line : macro.Lines) lines << ToQt(line);
  FText->setPlainText(lines.join(QLatin1Char('\n')));
  FSymbols = new QToolButton(this);
  FSymbols->setText(QStringLiteral("\u03a9"));
  FSymbols->setToolTip(QStringLiteral("Enter special symbols"));
  connect(FSymbols, &QToolButton::clicked, this, [this] { (new TCharMapForm(FText, this))->ShowBeside(FSymbols); });
  FHotKeyLabel = new QLabel(QStringLiteral("Hot-key:"), this);
  FHotKey = new QKeySequenceEdit(QKeySequence::fromString(ToQt(macro.HotKey), QKeySequence::PortableText), this);
  FHotKey->setObjectName(QStringLiteral("HotKeyEdit"));
  FHotKeyLabel->setBuddy(FHotKey);
  FShowInToolbar = new QCheckBox(QStringLiteral("Show this Macro in the Toolbar as:"), this);
  FShowInToolbar->setObjectName(QStringLiteral("ToolbarBox"));
  FShowInToolbar->setChecked(macro.ShowInToolbar);
  FCaption = new QLineEdit(ToQt(macro.Caption), this);
  FCaption->setObjectName(QStringLiteral("ToolbarCaptionEdit"));
  FSample = new QPlainTextEdit(this);
  FSample->setObjectName(QStringLiteral("LobbySample"));
  FSample->setReadOnly(true);
  FSample->setLineWrapMode(QPlainTextEdit::NoWrap);
  FSample->setFixedHeight(90);
  FSample->setStyleSheet(QStringLiteral("background: palette(window);"));

  auto* grid = new QGridLayout;
  auto* nameLabel = new QLabel(QStringLiteral("Macro &name:"), this);
  nameLabel->setBuddy(FName);
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(FName, 0, 1, 1, 2);
  auto* textLabel = new QLabel(QStringLiteral("&Edit macro:"), this);
  textLabel->setBuddy(FText);
  grid->addWidget(textLabel, 1, 0, 1, 2);
  grid->addWidget(FSymbols, 1, 2, Qt::AlignRight);
  grid->addWidget(FText, 2, 0, 1, 3);
  grid->addWidget(FHotKeyLabel, 3, 0);
  grid->addWidget(FHotKey, 3, 1, 1, 2);
  grid->addWidget(FShowInToolbar, 4, 0, 1, 2);
  grid->addWidget(FCaption, 4, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(6);
  layout->addWidget(new QLabel(QStringLiteral("Old-style lobby sample:"), this));
  layout->addWidget(FSample);
  auto* notes = new QHBoxLayout;
  notes->addWidget(NoteLabel("[ Type here to talk to others in the room ]", this));
  notes->addStretch();
  notes->addWidget(NoteLabel("(new lobbies may look different)", this));
  layout->addLayout(notes);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TMacroEditForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  connect(FName, &QLineEdit::textChanged, this, &TMacroEditForm::TextChanged);
  connect(FText, &QPlainTextEdit::textChanged, this, &TMacroEditForm::TextChanged);
  connect(FHotKey, &QKeySequenceEdit::keySequenceChanged, this, &TMacroEditForm::HotKeyChanged);
  setFixedWidth(480);
  TextChanged();
}

TMacroEdit TMacroEditForm::Fields() const {
  TMacroEdit edit;
  edit.Name = FromQt(FName->text());
  edit.Lines = SplitLines(FromQt(FText->toPlainText()));
  if (!FHotKey->isHidden()) edit.HotKey = FromQt(FHotKey->keySequence().toString(QKeySequence::PortableText));
  edit.ShowInToolbar = !FShowInToolbar->isHidden() && FShowInToolbar->isChecked();
  edit.Caption = FromQt(FCaption->text());
  return edit;
}

void TMacroEditForm::TextChanged() {
  const std::vector<std::string> lines = SplitLines(FromQt(FText->toPlainText()));
  const bool general = !IsPlayerMacro(lines);
  for (QWidget* w : std::initializer_list<QWidget*>{FHotKeyLabel, FHotKey, FShowInToolbar, FCaption}) {
    w->setVisible(general);
  }
  FSample->setPlainText(ToQt(LobbySample(FHostName, lines)));
}

// One key with its modifiers, and only what the macro file can name.
void TMacroEditForm::HotKeyChanged() {
  const QKeySequence typed = FHotKey->keySequence();
  const std::string text =
      typed.isEmpty() ? std::string() : NormalizeHotKey(FromQt(QKeySequence(typed[0]).toString(QKeySequence::PortableText)));
  const QSignalBlocker block(FHotKey);
  FHotKey->setKeySequence(QKeySequence::fromString(ToQt(text), QKeySequence::PortableText));
}

void TMacroEditForm::accept() {
  TMacroEdit edit = Fields();
  const TMacroEditCheck check = ValidateMacroEdit(FSet, FEditing, edit);
  if (!check.Message.empty()) {
    QMessageBox::information(this, QStringLiteral("Information"), ToQt(check.Message));
    QWidget* field = check.Field == TMacroField::HotKey ? static_cast<QWidget*>(FHotKey)
                     : check.Field == TMacroField::Caption ? static_cast<QWidget*>(FCaption)
                                                            : static_cast<QWidget*>(FName);
    field->setFocus();
    return;
  }
  FName->setText(ToQt(edit.Name));
  FEdit = edit;
  QDialog::accept();
}

}  // namespace vkr
