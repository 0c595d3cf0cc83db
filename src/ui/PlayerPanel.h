#pragma once
// The add-player panel (name box with suggestions from the recent players,
// Add button, one player per table, the counts) and, once sign-ups close,
// the find-player panel over it (find box, result, Undo and Redo).
#include <QFrame>

class QCheckBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QStringListModel;
class QToolButton;

namespace vkr {

struct TTourney;

class TPlayerPanel : public QFrame {
  Q_OBJECT

 public:
  TPlayerPanel(TTourney& t, QWidget* parent);

  // Shows the panel the tournament's state calls for, with its texts.
  void Refresh();
  QLineEdit* NewPlayerEdit() const { return FNewPlayer; }
  QLineEdit* FindEdit() const { return FFind; }
  QPushButton* UndoButton() const { return FUndo; }
  QPushButton* RedoButton() const { return FRedo; }

 signals:
  // A command ran; the window brings its other controls up to date.
  void Changed();

 private:
  void EnterPressed();
  void SuggestionChosen(const QString& name);
  void SetMinimised(bool minimised);

  TTourney& T;
  QStackedWidget* FStack;
  QLineEdit* FNewPlayer;
  QCompleter* FCompleter;
  QStringListModel* FSuggestions;
  QLabel* FAddLabel;
  QCheckBox* FOnePerTable;
  QLabel* FCounts;
  QLineEdit* FFind;
  QLineEdit* FFindResult;
  QPushButton* FUndo;
  QPushButton* FRedo;
  std::array<QToolButton*, 2> FMinimise{};
  bool FAddedByEnter = false;  // the suggestion list reports the name Enter just added
  int FShownRecent = -1;       // the recent players the suggestions hold
};

}  // namespace vkr
