#include "ui/BracketRow.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolButton>
#include <QToolTip>

#include "qt/QtText.h"
#include "ui/RowIcons.h"
#include "ui/ViewMetrics.h"

namespace vkr {
namespace {

QToolButton* MakeButton(QWidget* parent, const QIcon& icon, const char* hint, int left, int top, int width) {
  auto* button = new QToolButton(parent);
  button->setIcon(icon);
  button->setAutoRaise(true);
  button->setToolTip(QString::fromLatin1(hint));
  button->setGeometry(Scaled(left), Scaled(top), Scaled(width), Scaled(kSeatPitch));
  button->setIconSize(QSize(Scaled(13), Scaled(13)));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

TBracketRow::TBracketRow(int bracket, int row, QWidget* parent) : QWidget(parent), FBracket(bracket), FRow(row) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  for (int s = 0; s < 2; ++s) {
    const int top = kSeatTop + kSeatPitch * s;
    FWin[s] = MakeButton(this, CheckIcon(), "Win?", kWinLeft, top, kWinWidth);
    FWin[s]->setCheckable(true);
    FWin[s]->setObjectName(QStringLiteral("WinButton"));
    FBoot[s] = MakeButton(this, BootIcon(), "Boot", kBootLeft, top, kBootWidth);
    FBoot[s]->setObjectName(QStringLiteral("BootButton"));
    FBoot[s]->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QFont bold = FBoot[s]->font();
    bold.setBold(true);
    FBoot[s]->setFont(bold);
    QPalette red = FBoot[s]->palette();
    red.setColor(QPalette::ButtonText, Qt::red);
    FBoot[s]->setPalette(red);
    connect(FBoot[s], &QToolButton::clicked, this, [this, s] { emit BootClicked(FRow, s); });
    FBoot[s]->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FBoot[s], &QWidget::customContextMenuRequested, this,
            [this, s](QPoint pos) { emit BootMenuRequested(FRow, s, FBoot[s]->mapToGlobal(pos)); });
    FCopy[s] = MakeButton(this, CopyIcon(), "Copy", kCopyLeft, top, kCopyWidth);
    FCopy[s]->setObjectName(QStringLiteral("CopyButton"));
    connect(FWin[s], &QToolButton::clicked, this, [this, s](bool down) { emit WinClicked(FRow, s, down); });
    connect(FCopy[s], &QToolButton::clicked, this, [this, s] { emit CopyClicked(FRow, s); });
    for (QToolButton* b : {FWin[s]}) {
      b->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(b, &QWidget::customContextMenuRequested, this,
              [this, s, b](QPoint pos) { emit PlayerMenuRequested(FRow, s, true, b->mapToGlobal(pos)); });
    }
  }
  resize(Scaled(kViewWidth) - 36, RowHeight(bracket, row));
  ApplyButtons();
}

QRect TBracketRow::NumberRect() const { return QRect(Scaled(4), Scaled(5), Scaled(24), Scaled(13)); }

QRect TBracketRow::TimeRect() const { return QRect(0, Scaled(25), Scaled(30), Scaled(13)); }

QRect TBracketRow::NameRect(int seat) const {
  return QRect(Scaled(kNameLeft), Scaled(kSeatTop + kSeatPitch * seat), Scaled(kNameWidth), Scaled(kSeatPitch));
}

void TBracketRow::SetLook(const TRowLook& look) {
  if (look == FLook) return;
  FLook = look;
  ApplyButtons();
  update();
}

void TBracketRow::SetTime(const TTimeLabel& label) {
  if (label == FTime) return;
  const bool flashChanged = label.Flash != FTime.Flash;
  FTime = label;
  if (flashChanged) update();
  else update(TimeRect());
}

void TBracketRow::SetWinDown(int seat, bool down) { FWin[static_cast<size_t>(seat)]->setChecked(down); }

void TBracketRow::ApplyButtons() {
  for (size_t s = 0; s < 2; ++s) {
    const TSeatLook& seat = FLook.Seats[s];
    FWin[s]->setEnabled(seat.Usable);
    FWin[s]->setChecked(seat.WinDown);
    FCopy[s]->setEnabled(seat.Usable);
    FBoot[s]->setEnabled(seat.Usable);
    FBoot[s]->setText(ToQt(seat.Boots));
    FBoot[s]->setIcon(seat.BootImage ? BootIcon() : QIcon());
  }
}

QColor TBracketRow::BoxColour(TBoxColour colour) const {
  const QColor window = palette().color(QPalette::Base);
  const QColor face = palette().color(QPalette::Button);
  switch (colour) {
    case TBoxColour::Window: return window;
    case TBoxColour::Decided:
      return QColor((40 * window.red() + 60 * face.red()) / 100, (40 * window.green() + 60 * face.green()) / 100,
                    (40 * window.blue() + 60 * face.blue()) / 100);
    case TBoxColour::Unusable: return face;
    case TBoxColour::FoundDecided: return QColor(128, 192, 128);
    case TBoxColour::Found: return QColor(128, 255, 128);
    case TBoxColour::Disqualified: return QColor(255, 193, 193);
    case TBoxColour::BootedTooLong: return QColor(255, 222, 185);
    case TBoxColour::HadBye: return QColor(193, 222, 255);
  }
  return window;
}

void TBracketRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  // A match over its limit flashes its row yellow.
  p.fillRect(rect(), FTime.Flash ? QColor(Qt::yellow) : pal.color(QPalette::Window));
  QFont bold = font();
  bold.setBold(true);
  // A number no new seating uses is struck through and greyed.
  bold.setStrikeOut(FLook.VoidNumber);
  p.setFont(bold);
  p.setPen(FLook.VoidNumber ? pal.color(QPalette::Disabled, QPalette::WindowText) : pal.color(QPalette::WindowText));
  p.drawText(NumberRect(), Qt::AlignLeft | Qt::AlignVCenter, QString::number(FLook.Number));
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  p.setFont(small);
  p.setPen(FTime.Ink == TLabelInk::Finished ? QColor(0, 0, 128) : QColor(128, 0, 0));
  p.drawText(TimeRect(), Qt::AlignCenter, ToQt(FTime.Text));
  p.setFont(font());
  for (int s = 0; s < 2; ++s) {
    const TSeatLook& seat = FLook.Seats[static_cast<size_t>(s)];
    const QRect box = NameRect(s);
    p.fillRect(box, BoxColour(seat.Colour));
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
    p.setPen(seat.Usable ? pal.color(QPalette::Text) : pal.color(QPalette::Disabled, QPalette::Text));
    p.drawText(box.adjusted(Scaled(3), 0, -Scaled(2), 0), Qt::AlignLeft | Qt::AlignVCenter, ToQt(seat.Name));
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(Scaled(kNextLeft), box.top(), Scaled(kNextWidth), box.height()), Qt::AlignCenter,
               ToQt(seat.Next));
  }
  const bool groupEnd = FBracket == 0 && (FRow == kGroupRows - 1 || FRow == 2 * kGroupRows - 1);
  if (groupEnd) {
    const QRect bar(0, height() - Scaled(3), width(), Scaled(3));
    p.fillRect(bar, FRow == kGroupRows - 1 ? QColor(Qt::red) : QColor(Qt::yellow));
    p.setPen(Qt::red);
    p.drawRect(bar.adjusted(0, 0, -1, -1));
  } else {
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(0, height() - 1, width(), height() - 1);
  }
}

int TBracketRow::SeatAt(QPoint pos) const {
  for (int s = 0; s < 2; ++s) {
    if (NameRect(s).contains(pos)) return s;
  }
  return -1;
}

void TBracketRow::mousePressEvent(QMouseEvent* event) {
  const int seat = SeatAt(event->position().toPoint());
  if (seat < 0 || !FLook.Seats[static_cast<size_t>(seat)].Usable) return QWidget::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) emit NameClicked(FRow, seat);
  else if (event->button() == Qt::RightButton) emit PlayerMenuRequested(FRow, seat, false, event->globalPosition().toPoint());
}

// The table menu on the table number and the time.
void TBracketRow::contextMenuEvent(QContextMenuEvent* event) {
  if (event->pos().x() < Scaled(kNameLeft)) emit TableMenuRequested(FRow, event->globalPos());
}

bool TBracketRow::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  QString tip;
  if (FLook.VoidNumber && NumberRect().contains(help->pos())) tip = QStringLiteral("Not used for new seating");
  if (TimeRect().contains(help->pos())) tip = TimeHint();
  for (int s = 0; s < 2; ++s) {
    const TSeatLook& seat = FLook.Seats[static_cast<size_t>(s)];
    if (NameRect(s).contains(help->pos())) tip = ToQt(seat.Hint);
    const QRect next(Scaled(kNextLeft), NameRect(s).top(), Scaled(kNextWidth), Scaled(kSeatPitch));
    if (next.contains(help->pos())) tip = ToQt(seat.NextHint);
  }
  if (tip.isEmpty()) QToolTip::hideText();
  else QToolTip::showText(help->globalPos(), tip, this);
  return true;
}

}  // namespace vkr
