#pragma once
// Windows on a tournament a test can start from: a new "cup.vkr" in a
// temporary folder, eight entries with sign-ups closed, or a copy of a
// stored test file; and the files around them, written and read.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <string>

#include "DialogDriver.h"
#include "engine/NewTourney.h"
#include "engine/SignUp.h"
#include "qt/QtText.h"
#include "ui/TarnwickForm.h"

// A folder as the core names folders: native separators, one at the end.
inline std::string FolderName(const QTemporaryDir& dir) {
  return vkr::FromQt(QDir::toNativeSeparators(dir.path() + QLatin1Char('/')));
}

// A shown window on a new tournament "cup.vkr" in its own temporary folder,
// the program's own files kept there too.
struct TCupWindow {
  TCupWindow() {
    vkr::TTourney& t = Form.Tourney();
    t.FilesFolder = FolderName(Dir);
    vkr::TNewTourneyChoice choice;
    choice.FileName = vkr::FromQt(QDir::toNativeSeparators(Dir.filePath(QStringLiteral("cup.vkr"))));
    vkr::StartNewTourney(t, choice);
    Form.show();
  }
  QTemporaryDir Dir;
  vkr::TTarnwickForm Form;
};

// The window shown with eight entries "P0" .. "P7" two to a table, sign-ups
// closed from the menu.
inline void CloseWithEight(vkr::TTarnwickForm& form) {
  form.show();
  form.Tourney().OnePlayerPerTable = false;
  for (int i = 0; i < 8; ++i) vkr::AddButtonClick(form.Tourney(), "P" + std::to_string(i));
  TBoxAnswerer yes;
  form.Action(QStringLiteral("CloseSignupsItem"))->trigger();
}

// Copies a stored test file into dir (opening it writes log lines beside it).
inline QString CopyTestFile(const QTemporaryDir& dir, const char* name, const char* as) {
  const QString copy = dir.filePath(QString::fromLatin1(as));
  if (!QFile::copy(QStringLiteral(VKR_TEST_DATA "/") + QString::fromLatin1(name), copy)) qFatal("cannot copy %s", name);
  return copy;
}

// Writes a whole file, its folder made first.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// A whole file; empty when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
