#pragma once
// "Unrestored ZoneFriends Lists": the user folders that still hold a saved
// friends list, each with a check box; "Restore" puts the checked ones back.
#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace vkr {

struct TTourney;

class TUnrestoredFriendsForm : public QDialog {
  Q_OBJECT

 public:
  TUnrestoredFriendsForm(TTourney& t, const std::vector<std::string>& nicks, QWidget* parent = nullptr);
  QListWidget* List() const { return FList; }
  void RestoreClick();

 private:
  TTourney& T;
  QListWidget* FList;
};

// "Search for &unrestored ZF lists...".
void SearchUnrestoredFriends(QWidget* parent, TTourney& t);

}  // namespace vkr
