#pragma once
// "Macro Editor": one macro's name and chat lines, its hot-key and toolbar
// button (neither for a player macro), and the lines as the chat shows them.
#include <QDialog>

#include "messages/MacroEdit.h"
#include "messages/MacroSet.h"

class QCheckBox;
class QKeySequenceEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace vkr {

class TMacroEditForm : public QDialog {
  Q_OBJECT

 public:
  // editing: the macro's index in the set, -1 for a new one.
  TMacroEditForm(const TMacroSet& set, int editing, const TMacroEdit& macro, const std::string& hostName,
                 QWidget* parent = nullptr);
  // What OK stored, checked against the other macros.
  const TMacroEdit& Edit() const { return FEdit; }
  // The fields as they stand.
  TMacroEdit Fields() const;

  QLineEdit* NameField() const { return FName; }
  QPlainTextEdit* TextField() const { return FText; }
  QKeySequenceEdit* HotKeyField() const { return FHotKey; }
  QCheckBox* ToolbarBox() const { return FShowInToolbar; }
  QLineEdit* CaptionField() const { return FCaption; }
  QPlainTextEdit* SampleField() const { return FSample; }

  void accept() override;

 private:
  void TextChanged();
  void HotKeyChanged();

  const TMacroSet& FSet;
  const int FEditing;
  const std::string FHostName;
  TMacroEdit FEdit;
  QLineEdit* FName;
  QPlainTextEdit* FText;
  QToolButton* FSymbols;
  QLabel* FHotKeyLabel;
  QKeySequenceEdit* FHotKey;
  QCheckBox* FShowInToolbar;
  QLineEdit* FCaption;
  QPlainTextEdit* FSample;
};

}  // namespace vkr
