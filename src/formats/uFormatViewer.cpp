#include "formats/uFormatViewer.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/Tourney.h"
#include "qt/QtText.h"

namespace vkr {

TFormatExistsForm::TFormatExistsForm(const QString& label, const QString& proposed, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Format Exists"));
  setObjectName(QStringLiteral("FormatExistsForm"));
  FName = new QLineEdit(proposed, this);
  FName->setObjectName(QStringLiteral("NameEdit"));
  auto* buttons = new QDialogButtonBox(this);
  const std::pair<const char*, TImportAnswer> kButtons[] = {{"Rename", TImportAnswer::Rename},
                                                            {"Overwrite", TImportAnswer::Overwrite},
                                                            {"Skip", TImportAnswer::Skip},
                                                            {"Cancel", TImportAnswer::Cancel}};
  for (const auto& [caption, answer] : kButtons) {
    QPushButton* button = buttons->addButton(QString::fromLatin1(caption), QDialogButtonBox::AcceptRole);
    button->setObjectName(QStringLiteral("%1Button").arg(QString::fromLatin1(caption)));
    button->setDefault(answer == TImportAnswer::Rename);
    connect(button, &QPushButton::clicked, this, [this, answer] {
      FAnswer = answer;
      done(answer == TImportAnswer::Cancel ? QDialog::Rejected : QDialog::Accepted);
    });
  }
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(label, this);
  title->setObjectName(QStringLiteral("ExistsLabel"));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  layout->addWidget(title);
  layout->addWidget(new QLabel(QStringLiteral("Do you want to overwrite it, skip it, or rename it to:"), this));
  layout->addWidget(FName);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TFormatExistsForm::Name() const { return FName->text(); }

TFormatViewer::TFormatViewer(TTourney& t, const std::vector<std::string>& files, QWidget* parent)
    : QDialog(parent), T(t), FRows(ReadImportRows(*t.Ports.Files, files)) {
  setWindowTitle(QStringLiteral("Velmar Tourney Bracket Format Merger"));
  setObjectName(QStringLiteral("FormatViewer"));
  FList = new QTreeWidget(this);
  FList->setObjectName(QStringLiteral("FormatList"));
  FList->setHeaderLabels({QStringLiteral("Format name"), QStringLiteral("File name")});
  FList->setRootIsDecorated(false);
  FList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (const TImportRow& row : FRows) {
    auto* item = new QTreeWidgetItem(FList, {ToQt(row.Name), ToQt(row.FileName)});
    item->setCheckState(0, Qt::Checked);
  }
  auto* buttons = new QDialogButtonBox(this);
  FAdd = buttons->addButton(QStringLiteral("Add"), QDialogButtonBox::AcceptRole);
  FAdd->setObjectName(QStringLiteral("AddButton"));
  FAdd->setEnabled(!FRows.empty());
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(FAdd, &QPushButton::clicked, this, &TFormatViewer::AddClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(FList, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    FRows[static_cast<size_t>(FList->indexOfTopLevelItem(item))].Checked = item->checkState(0) == Qt::Checked;
    bool any = false;
    for (const TImportRow& row : FRows) any = any || row.Checked;
    FAdd->setEnabled(any);
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Tick which formats you would like to add to your own formats?"), this));
  layout->addWidget(FList);
  layout->addWidget(buttons);
  resize(460, 320);
}

void ShowStoreWriteError(QWidget* parent, TTourney& t) {
  QMessageBox::critical(parent, QStringLiteral("Error"),
                        QStringLiteral("The formats could not be written to %1").arg(ToQt(FormatStoreFileName(t))));
}

void TFormatViewer::AddClick() {
  const TImportResult result = MergeImport(T, FRows, [this](const std::string& label, std::string& name) {
    TFormatExistsForm exists(ToQt(label), ToQt(name), this);
    exists.exec();
    name = FromQt(exists.Name());
    return exists.Answer();
  });
  if (result == TImportResult::WriteFailed) {
    ShowStoreWriteError(this, T);
  }
  if (result == TImportResult::Merged) accept();
}

}  // namespace vkr
