// Laying out the three bracket panels in the splitter, from the arithmetic
// of BracketArrangement, and keeping their proportions as the window grows.
#include <QEvent>
#include <QSplitter>
#include <QToolButton>

#include "engine/Tourney.h"
#include "ui/BracketView.h"
#include "ui/StatusPanels.h"
#include "ui/TarnwickForm.h"
#include "ui/ViewMetrics.h"

namespace vkr {

TArrangeInput TTarnwickForm::ArrangeInput() const {
  TArrangeInput in;
  in.ElimFormat = T.ElimFormat;
  in.Arrangement = BracketArrangement;
  for (size_t b = 0; b < 3; ++b) in.Minimised[b] = FViews[b]->MinimiseButton()->isChecked();
  in.ViewWidth = Scaled(kViewWidth);
  // Besides the views: the window frame of the panels and, while shown, the status summary.
  in.Extra = 2 + (FStatus->Shown() ? FStatus->Width() : 0);
  in.Height = FSplitter->height();
  in.SplitterHeight = FSplitter->handleWidth();
  in.MinimisedHeight = FViews[0]->MinimisedHeight();
  in.Remembered = PanelHeights;
  return in;
}

void TTarnwickForm::ApplyArrangement(const TArrangement& a) {
  FArranging = true;
  FArrangement = a;
  FSplitter->setOrientation(a.Vertical ? Qt::Vertical : Qt::Horizontal);
  for (int position = 0; position < 3; ++position) {
    TBracketView* view = FViews[static_cast<size_t>(a.Order[static_cast<size_t>(position)])];
    if (FSplitter->indexOf(view) != position) FSplitter->insertWidget(position, view);
  }
  QList<int> sizes;
  for (int position = 0; position < 3; ++position) {
    const size_t b = static_cast<size_t>(a.Order[static_cast<size_t>(position)]);
    TBracketView* view = FViews[b];
    view->setVisible(a.Shown[b]);
    view->SetTabsShown(a.TabsShown[b] || !a.Vertical);
    const QSignalBlocker block(view->MinimiseButton());
    view->MinimiseButton()->setVisible(a.ButtonShown[b]);
    view->MinimiseButton()->setEnabled(a.ButtonEnabled[b]);
    view->MinimiseButton()->setArrowType(view->MinimiseButton()->isChecked() ? Qt::DownArrow : Qt::UpArrow);
    if (a.Vertical) view->setMaximumWidth(QWIDGETSIZE_MAX);
    else view->setFixedWidth(a.Size[b]);
    sizes << (a.Shown[b] ? a.Size[b] : 0);
  }
  for (int position = 1; position < 3; ++position) {
    // Only the splitters the layout shows may be dragged.
    if (QSplitterHandle* handle = FSplitter->handle(position)) {
      handle->setEnabled(a.SplitterShown[static_cast<size_t>(position - 1)]);
    }
  }
  FSplitter->setSizes(sizes);
  setFixedWidth(a.WindowWidth);
  FArranging = false;
}

void TTarnwickForm::ArrangeBrackets() {
  FArrangedFormat = T.ElimFormat;
  // A third arrangement value is not known to this window.
  if (BracketArrangement > 1) BracketArrangement = 0;
  ApplyArrangement(vkr::ArrangeBrackets(ArrangeInput(), FArrangement));
  RememberPanelHeights();
}

void TTarnwickForm::ApplyMinimizedViews() {
  if (FArranging) return;
  ApplyArrangement(vkr::ArrangeBrackets(ArrangeInput(), FArrangement));
  RememberPanelHeights();
}

void TTarnwickForm::RememberPanelHeights() {
  if (!FArrangement.Vertical) return;
  for (size_t b = 0; b < 3; ++b) PanelHeights[b] = FViews[b]->isVisible() ? FViews[b]->height() : 0;
}

void TTarnwickForm::KeepBracketProportions() {
  if (FArranging || !FArrangement.Vertical) return;
  const std::array<int, 3> heights = KeepProportions(ArrangeInput(), FArrangement);
  FArranging = true;
  QList<int> sizes;
  for (int position = 0; position < 3; ++position) {
    const size_t b = static_cast<size_t>(FArrangement.Order[static_cast<size_t>(position)]);
    FArrangement.Size[b] = heights[b];
    sizes << (FArrangement.Shown[b] ? heights[b] : 0);
  }
  FSplitter->setSizes(sizes);
  FArranging = false;
}

void TTarnwickForm::ArrangementItemClick(int arrangement) {
  if (arrangement == 0 && BracketArrangement == 1) {
    for (TBracketView* view : FViews) {
      const QSignalBlocker block(view->MinimiseButton());
      view->MinimiseButton()->setChecked(false);
    }
  }
  BracketArrangement = arrangement;
  ArrangeBrackets();
}

bool TTarnwickForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FSplitter && event->type() == QEvent::Resize) KeepBracketProportions();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace vkr
