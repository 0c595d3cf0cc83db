#pragma once
// The list editor of the banned players and of the recent player history,
// working on a copy of the list that the caller takes over on OK.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "engine/NameList.h"

class QListWidget;

namespace vkr {

class TBannedPlayersForm : public QDialog {
  Q_OBJECT

 public:
  enum class TMode { Banned, Recent };
  // Asks for a name (caption, pre-filled text); nothing when cancelled.
  using TAskName = std::function<std::optional<QString>(const QString& caption, const QString& text)>;

  TBannedPlayersForm(TMode mode, const TNameList& list, QWidget* parent = nullptr);
  const TNameList& List() const { return FList; }
  void SetAskName(TAskName ask) { FAskName = std::move(ask); }

  void AddClick();
  void EditClick();
  void DeleteClick();

 private:
  void Refill(int select);

  TNameList FList;
  QListWidget* FListBox;
  TAskName FAskName;
};

}  // namespace vkr
