#include "formats/uRoundFields.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace vkr {

namespace {
constexpr int kRowsPerColumn = 8;
}

QString RowCaption(int row) {
  if (row == kPointsRows - 2) return QStringLiteral("Semis:");
  if (row == kPointsRows - 1) return QStringLiteral("Final:");
  return QStringLiteral("Rnd %1:").arg(row + 1);
}

TRoundFields::TRoundFields(TRange range, const QString& namePattern, const QString& semiName, const QString& finalName,
                           QWidget* parent)
    : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(8);
  grid->setColumnMinimumWidth(3, 16);
  for (int row = 0; row < kPointsRows; ++row) {
    auto* label = new QLabel(RowCaption(row), this);
    auto* field = new QSpinBox(this);
    field->setRange(range.Min, range.Max);
    field->setAlignment(Qt::AlignRight);
    field->setObjectName(row == kPointsRows - 2   ? semiName
                         : row == kPointsRows - 1 ? finalName
                                                  : namePattern.arg(row + 1));
    label->setBuddy(field);
    auto* note = new QLabel(this);
    const int column = row < kRowsPerColumn ? 0 : 4;
    grid->addWidget(label, row % kRowsPerColumn, column, Qt::AlignRight);
    grid->addWidget(field, row % kRowsPerColumn, column + 1);
    grid->addWidget(note, row % kRowsPerColumn, column + 2);
    connect(field, &QSpinBox::valueChanged, this, [this, row](int value) { emit RowChanged(row, value); });
    FLabels[static_cast<size_t>(row)] = label;
    FNotes[static_cast<size_t>(row)] = note;
    FFields[static_cast<size_t>(row)] = field;
  }
}

void TRoundFields::SetValues(const TPointsList& values) {
  for (size_t r = 0; r < kPointsRows; ++r) {
    const QSignalBlocker quiet(FFields[r]);
    FFields[r]->setValue(values[r]);
  }
}

TPointsList TRoundFields::Values() const {
  TPointsList values{};
  for (size_t r = 0; r < kPointsRows; ++r) values[r] = FFields[r]->value();
  return values;
}

void TRoundFields::SetRowEnabled(int row, bool enabled) {
  Field(row)->setEnabled(enabled);
  Label(row)->setEnabled(enabled);
}

void TRoundFields::SetRowShaded(int row, bool shaded) {
  QPalette colours = palette();
  if (shaded) colours.setColor(QPalette::Base, colours.color(QPalette::Button));
  Field(row)->setPalette(colours);
  Label(row)->setVisible(!shaded);
}

}  // namespace vkr
