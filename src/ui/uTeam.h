#pragma once
// "Team Properties": the team's name and its two players' names, opened
// under a clicked seat of a team-mode table.
#include <QDialog>
#include <QString>

class QLineEdit;

namespace vkr {

class TTeamPropsForm : public QDialog {
  Q_OBJECT

 public:
  TTeamPropsForm(const QString& team, const QString& first, const QString& second, QWidget* parent = nullptr);
  QString TeamName() const;
  QString FirstName() const;
  QString SecondName() const;

 private:
  QLineEdit *FTeam, *FFirst, *FSecond;
};

}  // namespace vkr
