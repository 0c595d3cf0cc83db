#pragma once
// The host window: owns the one tournament with its ports and shows it. Each
// command is a QAction whose slot calls one core operation; the core asks
// for questions, boxes and redraws through the screen port implemented here.
#include <QMainWindow>
#include <memory>

#include "engine/ScreenPort.h"
#include "engine/Tourney.h"
#include "posix/PosixFileSystem.h"
#include "qt/QtClipboard.h"
#include "qt/QtClock.h"
#include "qt/QtTimeZones.h"

namespace vkr {

class TTarnwickForm : public QMainWindow, public TScreenPort {
  Q_OBJECT

 public:
  explicit TTarnwickForm(QWidget* parent = nullptr);
  ~TTarnwickForm() override;

  TTourney& Tourney() { return T; }

  // Opens a tournament file as File/Open does, offering the backup when it
  // cannot be read. False when nothing was opened.
  bool OpenTourney(const QString& fileName);

  // The screen port.
  bool Confirm(const std::string& text, bool* dontAsk) override;
  bool Notify(const std::string& text) override;
  void Warning(const std::string& text) override;
  void Error(const std::string& text) override;
  void Information(const std::string& text) override;
  void RedrawRound(int bracket, int round) override;
  void RebuildTabs() override;
  void RepaintTabs(int bracket) override;
  void ShowTable(int bracket, int round, int tableIndex) override;
  void SetWinButton(int bracket, int round, int tableIndex, int seat, bool down) override;
  void ControlsChanged() override;
  void LinePosted(const std::string& text) override;

 private:
  void CreateMenus();
  void OpenItemClick();
  void UpdateCaption();

  TQtClipboard FClipboard;
  TQtClock FClock;
  TPosixFileSystem FFiles;
  TQtTimeZones FTimeZones;
  TTourney T;
};

}  // namespace vkr
