#include "messages/uCharMap.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <vector>

#include "qt/QtText.h"

namespace vkr {
namespace {

// The printable characters above 0x7F that a chat line may hold.
std::vector<char> SpecialCharacters() {
  std::vector<char> chars{'\x80'};
  auto range = [&](int first, int last) {
    for (int c = first; c <= last; ++c) chars.push_back(static_cast<char>(c));
  };
  range(0x82, 0x8C);
  range(0x91, 0x9C);
  range(0xA1, 0xBF);
  chars.push_back('\xD7');
  return chars;
}

constexpr std::array<const char*, 12> kTokens{
    "%p - Player name",         "%r - Round number",       "%t - Table number",  "%n - Minutes past the hour",
    "%l - Local time",          "%e - US eastern time",    "%w - US pacific time", "%h - Host name",
    "%b - Boot time remaining", "%m - Number of match points", "%u - Rules time",  "%s - Start time"};

constexpr int kColumns = 14;

}  // namespace

TCharMapForm::TCharMapForm(QPlainTextEdit* target, QWidget* parent) : QDialog(parent), FTarget(target) {
  setWindowTitle(QStringLiteral("CharMap"));
  setObjectName(QStringLiteral("CharMapForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  const std::vector<char> chars = SpecialCharacters();
  for (size_t i = 0; i < chars.size(); ++i) {
    const QString text = ToQt(std::string(1, chars[i]));
    auto* button = new QPushButton(text, this);
    button->setObjectName(QStringLiteral("CharButton"));
    button->setFixedSize(28, 26);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, text] { Insert(text); });
    grid->addWidget(button, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);
  }
  auto* tokens = new QGridLayout;
  tokens->setSpacing(2);
  for (size_t i = 0; i < kTokens.size(); ++i) {
    auto* button = new QPushButton(QString::fromLatin1(kTokens[i]), this);
    button->setObjectName(QStringLiteral("TokenButton"));
    button->setAutoDefault(false);
    button->setStyleSheet(QStringLiteral("text-align: left; padding: 3px 6px;"));
    const QString token = QString::fromLatin1(kTokens[i], 2);
    connect(button, &QPushButton::clicked, this, [this, token] { Insert(token); });
    tokens->addWidget(button, static_cast<int>(i) / 3, static_cast<int>(i) % 3);
  }
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(6);
  layout->addLayout(tokens);
  layout->addWidget(cancel, 0, Qt::AlignRight);
}

void TCharMapForm::ShowBeside(QWidget* anchor) {
  adjustSize();
  QPoint at = anchor->mapToGlobal(QPoint(anchor->width() + 4, 0));
  if (const QScreen* screen = anchor->screen()) {
    const QRect area = screen->availableGeometry();
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
  }
  move(at);
  show();
}

void TCharMapForm::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() <= 127) {
    Insert(text);
    return;
  }
  QDialog::keyPressEvent(event);  // Escape closes
}

void TCharMapForm::Insert(const QString& text) {
  FTarget->insertPlainText(text);
}

}  // namespace vkr
