#include "formats/uPlayerPoints.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "formats/uDialogButtons.h"
#include "formats/SettingLimits.h"
#include "formats/uRoundFields.h"
#include "qt/QtText.h"

namespace vkr {
namespace {

// Cell editors pass their keys through the form's filter.
class TCellDelegate : public QStyledItemDelegate {
 public:
  TCellDelegate(QObject* filter, QObject* parent) : QStyledItemDelegate(parent), FFilter(filter) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor->installEventFilter(FFilter);
    return editor;
  }

 private:
  QObject* FFilter;
};

}  // namespace

TPlayerPointsForm::TPlayerPointsForm(const TPlayerPointsSettings& settings, QWidget* parent)
    : QDialog(parent), FDraft(DraftOfPlayerPoints(settings)) {
  setWindowTitle(QStringLiteral("Point Allocations for Players"));
  setObjectName(QStringLiteral("PlayerPointsForm"));

  auto* standard = new QGroupBox(QStringLiteral("Standard Points"), this);
  FGrid = new QTableWidget(kPointsRows, kPointsColumns, standard);
  FGrid->setObjectName(QStringLiteral("PointsGrid"));
  FGrid->setHorizontalHeaderLabels({QStringLiteral("Win"), QStringLiteral("Bye"), QStringLiteral("Lose")});
  QStringList rows;
  for (int r = 0; r < kPointsRows; ++r) rows << RowCaption(r);
  FGrid->setVerticalHeaderLabels(rows);
  FGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  FGrid->horizontalHeader()->setDefaultSectionSize(48);
  FGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  FGrid->verticalHeader()->setDefaultSectionSize(FGrid->fontMetrics().height() + 6);
  FGrid->setItemDelegate(new TCellDelegate(this, FGrid));
  FGrid->installEventFilter(this);
  FGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FGrid->setFixedSize(FGrid->verticalHeader()->sizeHint().width() + 3 * 48 + 2 * FGrid->frameWidth(),
                      FGrid->horizontalHeader()->sizeHint().height() +
                          kPointsRows * FGrid->verticalHeader()->defaultSectionSize() + 2 * FGrid->frameWidth());
  for (int r = 0; r < kPointsRows; ++r) {
    for (int c = 0; c < kPointsColumns; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      FGrid->setItem(r, c, item);
    }
  }
  FSameCheck = new QCheckBox(QStringLiteral("All rounds have the same points"), standard);
  FSameCheck->setObjectName(QStringLiteral("SameCheck"));
  auto* standardLayout = new QVBoxLayout(standard);
  standardLayout->addWidget(FGrid);
  standardLayout->addWidget(FSameCheck);
  connect(FGrid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    SetCell(FDraft, item->column(), item->row(), FromQt(item->text()));
    ShowGrid();
  });
  connect(FSameCheck, &QCheckBox::toggled, this, [this](bool on) {
    SetSameForAll(FDraft, on);
    ShowGrid();
  });

  auto* placings = new QGroupBox(QStringLiteral("Points for placings:"), this);
  FFirst = AddSpin("FirstEdit", kFirstPlaceRange, FDraft.First);
  FSecond = AddSpin("SecondEdit", kPlacingRange, FDraft.Second);
  FThird = AddSpin("ThirdEdit", kPlacingRange, FDraft.Third);
  auto* extra = new QRadioButton(QStringLiteral("Extra:"), placings);
  extra->setObjectName(QStringLiteral("ExtraRadio"));
  FExactly = new QRadioButton(QStringLiteral("Exactly:"), placings);
  FExactly->setObjectName(QStringLiteral("ExactlyRadio"));
  (FDraft.Exactly ? FExactly : extra)->setChecked(true);
  auto* placingLayout = new QGridLayout(placings);
  placingLayout->addWidget(extra, 0, 0);
  placingLayout->addWidget(FExactly, 1, 0);
  const char* const kPlaces[3] = {"1st:", "2nd:", "3rd:"};
  QSpinBox* const placeFields[3] = {FFirst, FSecond, FThird};
  for (int k = 0; k < 3; ++k) {
    placingLayout->addWidget(new QLabel(QString::fromLatin1(kPlaces[k]), placings), k, 1, Qt::AlignRight);
    placingLayout->addWidget(placeFields[k], k, 2);
  }

  auto* hosts = new QGroupBox(QStringLiteral("Host Points"), this);
  static const char* const kBonusNames[7] = {"HostEdit",     "CoHostEdit",        "UnscheduledHostEdit",
                                             "UnscheduledCoHostEdit", "WinOfWinEdit", "FixedWinOfWinEdit",
                                             "FirstMatchWinEdit"};
  for (size_t k = 0; k < kBonusFields.size(); ++k) {
    FBonus[k] = AddSpin(kBonusNames[k], kBonusRange, FDraft.Bonuses.*kBonusFields[k]);
  }
  auto* hostLayout = new QGridLayout(hosts);
  hostLayout->addWidget(new QLabel(QStringLiteral("Scheduled:"), hosts), 0, 0, 1, 2);
  hostLayout->addWidget(new QLabel(QStringLiteral("Unscheduled:"), hosts), 0, 2, 1, 2);
  for (int k = 0; k < 4; ++k) {
    const QString caption = k % 2 == 0 ? QStringLiteral("Main host:") : QStringLiteral("Co-host:");
    hostLayout->addWidget(new QLabel(caption, hosts), 1 + k % 2, (k / 2) * 2, Qt::AlignRight);
    hostLayout->addWidget(FBonus[static_cast<size_t>(k)], 1 + k % 2, (k / 2) * 2 + 1);
  }

  auto* bonus = new QGroupBox(QStringLiteral("Multi-Elim Bonus Points"), this);
  auto* bonusLayout = new QFormLayout(bonus);
  bonusLayout->addRow(new QLabel(QStringLiteral("Points for winner of a bracket waiting to play in finals..."), bonus));
  bonusLayout->addRow(QStringLiteral("- Points per round:"), FBonus[4]);
  bonusLayout->addRow(QStringLiteral("- Fixed # of points:"), FBonus[5]);
  bonusLayout->addRow(QStringLiteral("Extra points for the winner of \nthe loser's bracket winning \nthe first match "
                                     "\nin the final:"),
                      FBonus[6]);

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* right = new QVBoxLayout;
  right->addWidget(placings);
  right->addWidget(hosts);
  right->addWidget(bonus);
  right->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(standard);
  top->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowGrid();
}

QSpinBox* TPlayerPointsForm::AddSpin(const char* name, TRange range, int32_t value) {
  auto* spin = new QSpinBox(this);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(range.Min, range.Max);
  spin->setAlignment(Qt::AlignRight);
  spin->setValue(value);
  spin->setMaximumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 40);
  return spin;
}

void TPlayerPointsForm::ShowGrid() {
  const QSignalBlocker quietGrid(FGrid), quietCheck(FSameCheck);
  FSameCheck->setChecked(FDraft.SameForAll);
  for (int r = 0; r < kPointsRows; ++r) {
    for (int c = 0; c < kPointsColumns; ++c) {
      FGrid->item(r, c)->setText(QString::number(FDraft.Columns[static_cast<size_t>(c)][static_cast<size_t>(r)]));
    }
  }
}

bool TPlayerPointsForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const QString text = static_cast<QKeyEvent*>(event)->text();
    // Keys without text (arrows, function keys) move or edit as usual.
    if (text.size() == 1 && !GridKeyAccepted(static_cast<char>(text.at(0).toLatin1()))) return true;
  }
  return QDialog::eventFilter(watched, event);
}

TPlayerPointsDraft TPlayerPointsForm::Draft() const {
  TPlayerPointsDraft d = FDraft;
  d.Exactly = FExactly->isChecked();
  d.First = FFirst->value();
  d.Second = FSecond->value();
  d.Third = FThird->value();
  for (size_t k = 0; k < kBonusFields.size(); ++k) d.Bonuses.*kBonusFields[k] = FBonus[k]->value();
  return d;
}

void ShowPlayerPointsDialog(QWidget* parent, TTourney& t) {
  PlayerPointsClick(t);
  TPlayerPointsForm form(t.Format.PlayerPoints, parent);
  if (form.exec() == QDialog::Accepted) ApplyPlayerPoints(t, form.Draft());
}

}  // namespace vkr
