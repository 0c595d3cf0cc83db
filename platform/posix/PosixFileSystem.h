#pragma once
// Real files on a POSIX system.
#include "storage/FileSystemPort.h"

namespace vkr {

class TPosixFileSystem : public TFileSystemPort {
 public:
  bool AppendWriteThrough(const std::string& path, std::string_view bytes) override;
  bool ReadFile(const std::string& path, std::string& bytes, size_t maxBytes) override;
  bool WriteFileAtomic(const std::string& path, std::string_view bytes, bool flush) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool FileExists(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
};

}  // namespace vkr
