#include "ui/BottomPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "engine/HostDetails.h"
#include "engine/Tourney.h"
#include "qt/QtText.h"
#include "storage/TournamentFile.h"

namespace vkr {

TBottomPanel::TBottomPanel(TTourney& t, QWidget* parent) : QFrame(parent), T(t) {
  setObjectName(QStringLiteral("BottomPanel"));
  setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 4, 4, 4);
  FHosts = new QPushButton(QStringLiteral("Hosts..."), this);
  FHosts->setObjectName(QStringLiteral("HostsButton"));
  FHosts->setAutoDefault(false);
  // The host details dialog comes with the player-entry dialogs.
  FHosts->setEnabled(false);
  auto edit = [this, row](const char* caption, const char* name, std::string THostDetails::*text) {
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(15);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 9);
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box, 1);
    connect(box, &QLineEdit::editingFinished, this, [this, box, text] {
      THostDetails details = HostDetailsOf(T);
      const std::string value = FromQt(box->text());
      if (details.*text == value) return;
      details.*text = value;
      SetHostDetails(T, details);
      SaveTournament(T);
    });
    return box;
  };
  row->addWidget(FHosts);
  FRules = edit("Rules:", "RulesTimeEdit", &THostDetails::RulesTimeText);
  FStart = edit("Start time:", "StartTimeEdit", &THostDetails::StartTimeText);
  FMinimise = new QToolButton(this);
  FMinimise->setObjectName(QStringLiteral("MinMaxDetailsButton"));
  FMinimise->setCheckable(true);
  FMinimise->setArrowType(Qt::DownArrow);
  FMinimise->setFixedSize(15, 15);
  FMinimise->setFocusPolicy(Qt::NoFocus);
  FMinimise->setToolTip(QStringLiteral("Minimise"));
  row->addWidget(FMinimise, 0, Qt::AlignTop);
  connect(FMinimise, &QToolButton::toggled, this, &TBottomPanel::SetMinimised);
}

void TBottomPanel::SetMinimised(bool minimised) {
  FMinimise->setArrowType(minimised ? Qt::UpArrow : Qt::DownArrow);
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child != FMinimise) child->setVisible(!minimised);
  }
}

void TBottomPanel::Refresh() {
  const THostDetails details = HostDetailsOf(T);
  if (!FRules->hasFocus()) FRules->setText(ToQt(details.RulesTimeText));
  if (!FStart->hasFocus()) FStart->setText(ToQt(details.StartTimeText));
}

}  // namespace vkr
