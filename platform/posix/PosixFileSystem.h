#pragma once
// Real files on a POSIX system.
#include "storage/FileSystemPort.h"

namespace vkr {

class TPosixFileSystem : public TFileSystemPort {
 public:
  // Appends reach the disk before they return; off only to measure without it.
  bool WriteThrough = true;
  bool AppendWriteThrough(const std::string& path, std::string_view bytes) override;
  bool ReadFile(const std::string& path, std::string& bytes, size_t maxBytes) override;
  bool WriteFileAtomic(const std::string& path, std::string_view bytes, bool flush) override;
  // The previous file becomes the backup by a second link instead of a copy,
  // and the old backup's file is rewritten in place as the new content before
  // it is renamed over the path: no data is copied and no blocks are freed.
  bool WriteFileKeepingBackup(const std::string& path, const std::string& backup, std::string_view bytes,
                              bool flush) override;
  // NAME.tmpXXXXXX and NAME.saving.
  void RemoveLeftoverTemporaries(const std::string& path) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool FileExists(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
};

}  // namespace vkr
