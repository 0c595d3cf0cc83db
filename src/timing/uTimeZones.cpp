#include "timing/uTimeZones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "qt/QtText.h"
#include "timing/ZoneClocks.h"

namespace vkr {
namespace {

// Centred on the host window, then moved back inside the work area.
void PlaceOver(QDialog& dialog, QWidget* parent) {
  dialog.adjustSize();
  QRect frame = dialog.frameGeometry();
  if (parent != nullptr) frame.moveCenter(parent->window()->frameGeometry().center());
  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect area = screen->availableGeometry();
    if (frame.right() > area.right()) frame.moveRight(area.right());
    if (frame.bottom() > area.bottom()) frame.moveBottom(area.bottom());
    if (frame.left() < area.left()) frame.moveLeft(area.left());
    if (frame.top() < area.top()) frame.moveTop(area.top());
  }
  dialog.move(frame.topLeft());
}

}  // namespace

TTimeZonesDialog::TTimeZonesDialog(TTourney& t, QWidget* parent) : QDialog(parent), FT(t), FZones(ZoneChoices(t)) {
  setWindowTitle(QStringLiteral("Select Time Zones to Display"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Left time is always local"), this));
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  FMiddle = AddSide(grid, 0, QStringLiteral("Middle time-zone (%e token):"), 0);
  FRight = AddSide(grid, 2, QStringLiteral("Right time-zone (%w token):"), 1);
  FMiddle.List->setObjectName(QStringLiteral("MiddleZoneList"));
  FRight.List->setObjectName(QStringLiteral("RightZoneList"));
  FMiddle.Hour24->setObjectName(QStringLiteral("Middle24Hour"));
  FRight.Hour24->setObjectName(QStringLiteral("Right24Hour"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  FTimer = new QTimer(this);
  FTimer->setInterval(1000);
  connect(FTimer, &QTimer::timeout, this, &TTimeZonesDialog::ShowTimes);
  FTimer->start();
  ShowTimes();
  layout->setSizeConstraint(QLayout::SetFixedSize);
  PlaceOver(*this, parent);
}

TTimeZonesDialog::TSide TTimeZonesDialog::AddSide(QGridLayout* grid, int row, const QString& caption, size_t which) {
  TSide side;
  side.List = new QComboBox(this);
  side.Hour24 = new QCheckBox(QStringLiteral("24 hour?"), this);
  side.Time = new QLineEdit(this);
  side.Time->setReadOnly(true);
  for (const TZoneInfo& zone : FZones) side.List->addItem(ToQt(zone.Display));
  // The built-in zone first, then the one in use (when the system knows it).
  const TZoneClock& clock = FT.Timing.ZoneClocks[which];
  for (const std::string& key : {DefaultZoneClocks()[which].ZoneKey, clock.ZoneKey}) {
    for (size_t i = 0; i < FZones.size(); ++i) {
      if (FZones[i].Key == key) side.List->setCurrentIndex(static_cast<int>(i));
    }
  }
  side.Hour24->setChecked(clock.Hour24);
  grid->addWidget(new QLabel(caption, this), row, 0);
  grid->addWidget(new QLabel(QStringLiteral("Time:"), this), row, 2);
  grid->addWidget(side.List, row + 1, 0);
  grid->addWidget(side.Hour24, row + 1, 1);
  grid->addWidget(side.Time, row + 1, 2);
  connect(side.List, &QComboBox::currentIndexChanged, this, &TTimeZonesDialog::ShowTimes);
  connect(side.Hour24, &QCheckBox::toggled, this, &TTimeZonesDialog::ShowTimes);
  return side;
}

std::string TTimeZonesDialog::KeyOf(const TSide& side) const {
  const int i = side.List->currentIndex();
  return i < 0 || i >= static_cast<int>(FZones.size()) ? std::string() : FZones[static_cast<size_t>(i)].Key;
}

void TTimeZonesDialog::ShowTimes() {
  for (const TSide* side : {&FMiddle, &FRight}) {
    side->Time->setText(ToQt(ZoneClockPreview(FT, KeyOf(*side), side->Hour24->isChecked())));
  }
}

void TTimeZonesDialog::Apply() {
  ChooseZoneClocks(FT, KeyOf(FMiddle), FMiddle.Hour24->isChecked(), KeyOf(FRight), FRight.Hour24->isChecked());
}

bool Selecttimezones1Click(TTourney& t, QWidget* parent) {
  TTimeZonesDialog dialog(t, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.Apply();
  return true;
}

}  // namespace vkr
