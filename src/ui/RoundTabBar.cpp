#include "ui/RoundTabBar.h"

#include <QStyleOptionTab>
#include <QStylePainter>

#include "ui/ViewMetrics.h"

namespace vkr {

TRoundTabBar::TRoundTabBar(int minTabWidth, QWidget* parent) : QTabBar(parent), FMinTabWidth(minTabWidth) {
  setExpanding(false);
  setDrawBase(true);
  setUsesScrollButtons(true);
  setElideMode(Qt::ElideNone);
  setFocusPolicy(Qt::NoFocus);
}

QSize TRoundTabBar::tabSizeHint(int index) const {
  QFont bold = font();
  bold.setBold(true);
  const int text = QFontMetrics(bold).horizontalAdvance(tabText(index)) + Scaled(10);
  return QSize(std::max(Scaled(FMinTabWidth), text), QFontMetrics(bold).height() + Scaled(7));
}

void TRoundTabBar::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  const QPalette& pal = palette();
  // The selected tab last, so its shape overlaps its neighbours.
  auto drawTab = [&](int i) {
    QStyleOptionTab option;
    initStyleOption(&option, i);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_TabBarTabShape, option);
    QFont f = font();
    f.setBold(i == currentIndex());
    p.setFont(f);
    const QRect r = option.rect.adjusted(0, 1, 0, 0);
    if (FComplete && FComplete(i)) {
      p.setPen(pal.color(QPalette::Light));
      p.drawText(r.translated(1, 1), Qt::AlignCenter, caption);
      p.setPen(pal.color(QPalette::Dark));
    } else {
      p.setPen(pal.color(QPalette::ButtonText));
    }
    p.drawText(r, Qt::AlignCenter, caption);
  };
  for (int i = 0; i < count(); ++i) {
    if (i != currentIndex()) drawTab(i);
  }
  if (currentIndex() >= 0) drawTab(currentIndex());
}

}  // namespace vkr
