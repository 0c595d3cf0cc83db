// File/Open, File/Save as (the tournament or one of its reports), the export
// of the bracket picture and the "Recent tourneys" submenu.
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

#include "engine/Tourney.h"
#include "qt/QtText.h"
#include "storage/ActionLog.h"
#include "storage/ReportExport.h"
#include "storage/TournamentFile.h"
#include "ui/BracketPictureExport.h"
#include "ui/TarnwickForm.h"

namespace vkr {
namespace {

constexpr int kRecentTourneys = 8;
const QString kRecentKey = QStringLiteral("RestoreMRU");

}  // namespace

void TTarnwickForm::OpenItemClick() {
  const QString name = QFileDialog::getOpenFileName(this, QStringLiteral("Open tourney"), ToQt(T.FilesFolder),
                                                    QStringLiteral("Tourney Bracket File (*.vkr);;All files (*)"));
  if (name.isEmpty()) return;
  WriteLogLine(T, "Menu: File/Open");
  OpenTourney(name);
}

void TTarnwickForm::SaveAsItemClick() {
  static const QString kTourney = QStringLiteral("Tourney Bracket File (*.vkr)");
  static const QString kText = QStringLiteral("Text report (*.txt)");
  static const QString kCsv = QStringLiteral("CSV report (*.csv)");
  static const QString kPoints = QStringLiteral("Orlek's Points File (*.txt)");
  QString filter = kTourney;
  QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save as"), ToQt(T.Storage.FileName),
                                              QStringList{kTourney, kText, kCsv, kPoints}.join(QStringLiteral(";;")),
                                              &filter);
  if (name.isEmpty()) return;
  const QString suffix = filter == kTourney ? QStringLiteral(".vkr") : filter == kCsv ? QStringLiteral(".csv")
                                                                                      : QStringLiteral(".txt");
  if (QFileInfo(name).suffix().isEmpty()) name += suffix;
  if (filter == kTourney) {
    SaveTournamentAs(T, FromQt(name));
    RememberTourney(name);
  } else {
    const TReportKind kind = filter == kText ? TReportKind::Text : filter == kCsv ? TReportKind::Csv
                                                                                  : TReportKind::PointsSummary;
    ExportReport(T, kind, FromQt(name));
  }
}

void TTarnwickForm::ExportPictureItemClick() {
  const QFileInfo tourney(ToQt(T.Storage.FileName));
  const QString suggested = T.Storage.FileName.empty() ? ToQt(T.FilesFolder) + QStringLiteral("bracket.html")
                                                       : tourney.path() + QLatin1Char('/') + tourney.completeBaseName() +
                                                             QStringLiteral(".html");
  QString filter = QStringLiteral("Web page (*.html)");
  QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Export bracket picture"), suggested,
                                              BracketPictureFilters(), &filter);
  if (name.isEmpty()) return;
  if (QFileInfo(name).suffix().isEmpty()) name += QLatin1Char('.') + filter.section(QLatin1Char('.'), -1).chopped(1);
  QString error;
  if (!ExportBracketPicture(T, name, &error)) QMessageBox::warning(this, QStringLiteral("Export bracket picture"), error);
}

void TTarnwickForm::RememberTourney(const QString& fileName) {
  QSettings settings;
  QStringList files = settings.value(kRecentKey).toStringList();
  const QString path = QFileInfo(fileName).absoluteFilePath();
  files.removeAll(path);
  files.prepend(path);
  while (files.size() > kRecentTourneys) files.removeLast();
  settings.setValue(kRecentKey, files);
  RebuildRecentTourneys();
}

void TTarnwickForm::RebuildRecentTourneys() {
  FRecentTourneys->clear();
  const QStringList files = QSettings().value(kRecentKey).toStringList();
  for (const QString& file : files) {
    QAction* item = FRecentTourneys->addAction(QFileInfo(file).fileName());
    item->setToolTip(file);
    connect(item, &QAction::triggered, this, [this, file] {
      WriteLogLine(T, "Menu: File/Recent tourneys");
      OpenTourney(file);
    });
  }
  FRecentTourneys->setEnabled(!files.isEmpty());
}

}  // namespace vkr
