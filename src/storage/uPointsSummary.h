#pragma once
// "Points Summary": the points summary as text the host may edit before
// copying it, saving it or handing it to the mail client.
#include <QDialog>

class QPlainTextEdit;

namespace vkr {

struct TTourney;
class TMailPort;

class TPointsSummaryForm : public QDialog {
  Q_OBJECT

 public:
  TPointsSummaryForm(TTourney& t, TMailPort& mail, const QString& text, QWidget* parent = nullptr);
  QPlainTextEdit* Memo() const { return FMemo; }

 private:
  void SaveClick();
  TTourney& T;
  TMailPort& FMail;
  QPlainTextEdit* FMemo;
};

// File's "Edit and send points..." and the end of the grand final: saves the
// tournament, builds the summary and shows it; nothing when it was refused.
void ShowPointsSummary(QWidget* parent, TTourney& t, TMailPort& mail);

}  // namespace vkr
