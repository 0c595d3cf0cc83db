#include "qt/QtFolderWatch.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

// File names are UTF-8 in the core.

namespace vkr {
namespace {

constexpr int kPollMs = 1000;

}  // namespace

TQtFolderWatch::TQtFolderWatch(QObject* parent) : QObject(parent) {
  FPoll.setInterval(kPollMs);
  connect(&FPoll, &QTimer::timeout, this, &TQtFolderWatch::Check);
}

void TQtFolderWatch::Watch(const std::string& file, std::function<void()> changed) {
  Unwatch();
  FFile = QDir::fromNativeSeparators(QString::fromStdString(file));
  FChanged = std::move(changed);
  FStamp = StampOfFile();
  FWatcher = new QFileSystemWatcher(this);
  // Only this folder, not its subfolders, as the file may be replaced.
  connect(FWatcher, &QFileSystemWatcher::directoryChanged, this, &TQtFolderWatch::Check);
  // Some writers change a file in place without touching its folder.
  connect(FWatcher, &QFileSystemWatcher::fileChanged, this, &TQtFolderWatch::Check);
  if (FWatcher->addPath(QFileInfo(FFile).absolutePath())) {
    if (QFileInfo::exists(FFile)) FWatcher->addPath(FFile);
  } else {
    FPoll.start();
  }
}

void TQtFolderWatch::Unwatch() {
  FPoll.stop();
  if (FWatcher != nullptr) {
    // Unwatch may run inside one of the watcher's own signals.
    FWatcher->disconnect(this);
    FWatcher->deleteLater();
    FWatcher = nullptr;
  }
  FChanged = nullptr;
}

std::vector<std::string> TQtFolderWatch::Subfolders(const std::string& folder) {
  std::vector<std::string> names;
  const QDir dir(QDir::fromNativeSeparators(QString::fromStdString(folder)));
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    names.push_back(name.toStdString());
  }
  return names;
}

TQtFolderWatch::TStamp TQtFolderWatch::StampOfFile() const {
  const QFileInfo info(FFile);
  if (!info.exists()) return {};
  return {true, info.lastModified(), info.size()};
}

void TQtFolderWatch::Check() {
  // A file replaced by renaming drops out of the watcher's file list.
  if (FWatcher != nullptr && !FWatcher->files().contains(FFile) && QFileInfo::exists(FFile)) {
    FWatcher->addPath(FFile);
  }
  const TStamp now = StampOfFile();
  if (now == FStamp || !FChanged) return;
  FStamp = now;
  // The handler may end the watch; it runs from a copy.
  const std::function<void()> changed = FChanged;
  changed();
}

}  // namespace vkr
