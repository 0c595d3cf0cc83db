#include "ui/RowIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace vkr {
namespace {

QPixmap Picture(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return pixmap;
}

QIcon Draw(const std::function<void(QPainter&)>& draw) { return QIcon(Picture(draw)); }

void Tick(QPainter& p, const QColor& colour) {
  p.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath tick;
  tick.moveTo(5, 17);
  tick.lineTo(13, 25);
  tick.lineTo(27, 7);
  p.drawPath(tick);
}

}  // namespace

const QIcon& CheckIcon() {
  // A pressed button shows a strong green tick, a released one a faint grey one.
  static const QIcon icon = [] {
    QIcon check;
    check.addPixmap(Picture([](QPainter& p) { Tick(p, QColor(200, 200, 200)); }), QIcon::Normal, QIcon::Off);
    check.addPixmap(Picture([](QPainter& p) { Tick(p, QColor(0, 140, 0)); }), QIcon::Normal, QIcon::On);
    return check;
  }();
  return icon;
}

const QIcon& BootIcon() {
  static const QIcon icon = Draw([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 30));
    QPainterPath boot;
    boot.moveTo(9, 3);
    boot.lineTo(19, 3);
    boot.lineTo(19, 18);
    boot.lineTo(29, 22);
    boot.lineTo(29, 29);
    boot.lineTo(7, 29);
    boot.closeSubpath();
    p.drawPath(boot);
  });
  return icon;
}

const QIcon& CopyIcon() {
  static const QIcon icon = Draw([](QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(Qt::white);
    p.drawRect(4, 4, 16, 20);
    p.drawRect(12, 9, 16, 20);
  });
  return icon;
}

}  // namespace vkr
