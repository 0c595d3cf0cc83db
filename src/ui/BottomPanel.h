#pragma once
// The panel under the brackets: "Hosts...", the rules time and start time
// texts the announcements use, and its minimise button.
#include <QFrame>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace vkr {

struct TTourney;

class TBottomPanel : public QFrame {
  Q_OBJECT

 public:
  TBottomPanel(TTourney& t, QWidget* parent);
  void Refresh();
  QPushButton* HostsButton() const { return FHosts; }

 private:
  void SetMinimised(bool minimised);

  TTourney& T;
  QPushButton* FHosts;
  QLineEdit* FRules;
  QLineEdit* FStart;
  QToolButton* FMinimise;
};

}  // namespace vkr
