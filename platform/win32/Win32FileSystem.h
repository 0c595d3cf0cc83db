#pragma once
// Real files on Windows, named in UTF-8 and opened by their UTF-16 names.
#include <cstdint>
#include <limits>

#include "storage/FileSystemPort.h"

namespace vkr::win32 {

class TWin32FileSystem : public TFileSystemPort {
 public:
  // Appends reach the disk before they return; off only to measure without it.
  bool WriteThrough = true;
  // The size no file may grow beyond: a write past it fails as on a full
  // disk. Lets the tests exercise that failure.
  uint64_t DiskSpace = std::numeric_limits<uint64_t>::max();

  bool AppendWriteThrough(const std::string& path, std::string_view bytes) override;
  bool ReadFile(const std::string& path, std::string& bytes, size_t maxBytes) override;
  // A new file beside path, flushed when asked, moved over path with
  // MoveFileExW; a failure removes it and leaves path as it was.
  bool WriteFileAtomic(const std::string& path, std::string_view bytes, bool flush) override;
  bool CopyFile(const std::string& from, const std::string& to) override;
  bool FileExists(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
};

}  // namespace vkr::win32
