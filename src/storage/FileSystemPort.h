#pragma once
// Files as the core needs them. Paths are passed through as they are given.
#include <cstddef>
#include <string>
#include <string_view>

namespace vkr {

class TFileSystemPort {
 public:
  virtual ~TFileSystemPort() = default;
  // Opens, appends and closes, writing through to the disk; false on failure.
  virtual bool AppendWriteThrough(const std::string& path, std::string_view bytes) = 0;
  // Reads a whole file of at most maxBytes; false when it cannot be read or is larger.
  virtual bool ReadFile(const std::string& path, std::string& bytes, size_t maxBytes) = 0;
  // Replaces a file: a temporary file in the same folder, flushed to disk when
  // flush is set, renamed over the target. Never leaves a torn file.
  virtual bool WriteFileAtomic(const std::string& path, std::string_view bytes, bool flush) = 0;
  // WriteFileAtomic that first keeps the file's previous content as backup
  // (when there is one; a failed backup does not stop the write). An adapter
  // may keep the previous file itself as the backup instead of copying it.
  virtual bool WriteFileKeepingBackup(const std::string& path, const std::string& backup, std::string_view bytes,
                                      bool flush) {
    CopyFile(path, backup);
    return WriteFileAtomic(path, bytes, flush);
  }
  // Removes the temporary files that an interrupted WriteFileAtomic or
  // WriteFileKeepingBackup of path left in its folder (nothing else).
  virtual void RemoveLeftoverTemporaries(const std::string& path) { (void)path; }
  virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
};

}  // namespace vkr
