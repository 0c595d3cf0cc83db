#include "storage/uPointsSummary.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "qt/QtText.h"
#include "storage/PointsView.h"

namespace vkr {

TPointsSummaryForm::TPointsSummaryForm(TTourney& t, TMailPort& mail, const QString& text, QWidget* parent)
    : QDialog(parent), T(t), FMail(mail) {
  setWindowTitle(QStringLiteral("Points Summary"));
  setObjectName(QStringLiteral("PointsSummaryForm"));
  FMemo = new QPlainTextEdit(text, this);
  FMemo->setObjectName(QStringLiteral("SummaryMemo"));
  FMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
  FMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  auto* buttons = new QDialogButtonBox(this);
  auto add = [this, buttons](const char* caption, const char* name, auto slot) {
    QPushButton* button = buttons->addButton(QString::fromLatin1(caption), QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
  };
  add("Copy", "CopyButton", [this] { CopyPointsText(T, FromQt(FMemo->toPlainText())); });
  add("Save", "SaveButton", [this] { SaveClick(); });
  add("E-mail", "EmailButton", [this] { MailPointsText(T, FMail, FromQt(FMemo->toPlainText())); });
  QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("CloseButton"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FMemo, 1);
  layout->addWidget(buttons);
  resize(560, 520);
}

void TPointsSummaryForm::SaveClick() {
  const QString start = ToQt(PointsMailFile(T));
  QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save Points File"), start,
                                              QStringLiteral("Points File (*.txt)"));
  if (name.isEmpty()) return;
  if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".txt");
  SavePointsFile(T, FromQt(name), FromQt(FMemo->toPlainText()));
}

void ShowPointsSummary(QWidget* parent, TTourney& t, TMailPort& mail) {
  std::vector<std::string> lines;
  if (!OpenPointsView(t, lines)) return;
  QStringList text;
  for (const std::string& line : lines) text << ToQt(line);
  TPointsSummaryForm form(t, mail, text.join(QLatin1Char('\n')), parent);
  form.exec();
}

}  // namespace vkr
