#pragma once
// A bracket's strip of round tabs: the selected caption bold, the captions of
// complete rounds engraved.
#include <QTabBar>
#include <functional>

namespace vkr {

class TRoundTabBar : public QTabBar {
  Q_OBJECT

 public:
  TRoundTabBar(int minTabWidth, QWidget* parent);
  // Tells whether the round of a tab is complete.
  void SetCompleteQuery(std::function<bool(int tab)> complete) { FComplete = std::move(complete); }

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
  void paintEvent(QPaintEvent* event) override;

 private:
  int FMinTabWidth;
  std::function<bool(int)> FComplete;
};

}  // namespace vkr
