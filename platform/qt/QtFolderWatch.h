#pragma once
// Watches the friends list through its folder with QFileSystemWatcher; where
// no watch can be set (a folder that does not exist yet, a file system
// without change notices) the file is looked at once a second instead.
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "lobby/FolderWatchPort.h"

class QFileSystemWatcher;

namespace vkr {

class TQtFolderWatch : public QObject, public TFolderWatchPort {
  Q_OBJECT

 public:
  explicit TQtFolderWatch(QObject* parent = nullptr);
  void Watch(const std::string& file, std::function<void()> changed) override;
  void Unwatch() override;
  std::vector<std::string> Subfolders(const std::string& folder) override;
  // Whether the watch fell back to looking at the file on a timer.
  bool Polling() const { return FPoll.isActive(); }

 private:
  struct TStamp {
    bool Exists = false;
    QDateTime LastWrite;
    qint64 Size = 0;
    bool operator==(const TStamp&) const = default;
  };
  TStamp StampOfFile() const;
  void Check();

  QFileSystemWatcher* FWatcher = nullptr;
  QTimer FPoll;
  QString FFile;
  TStamp FStamp;
  std::function<void()> FChanged;
};

}  // namespace vkr
