#include "posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <string>

namespace vkr {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Folder of a path, for flushing a rename to disk.
std::string FolderOf(const std::string& path) {
  size_t sep = path.find_last_of('/');
  if (sep == std::string::npos) return ".";
  if (sep == 0) return "/";
  return path.substr(0, sep);
}

void SyncFolderOf(const std::string& path) {
  int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

// The temporary files of a save: "NAME.tmp" and mkstemp's six letters or
// digits, or "NAME.saving". A name of its own, so that nothing the user keeps
// beside the file (a "cup.vkr.backup") is ever taken for one.
std::string TemporaryTemplate(const std::string& path) { return path + ".tmpXXXXXX"; }

bool IsTemporaryOf(const std::string& name, const std::string& own) {
  if (name == own + ".saving") return true;
  const std::string prefix = own + ".tmp";
  if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) return false;
  return std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Writes the whole content into an open file of oldSize bytes from its start
// and cuts it there.
bool Overwrite(int fd, off_t oldSize, std::string_view bytes, bool flush) {
  if (!WriteAll(fd, bytes)) return false;
  const auto size = static_cast<off_t>(bytes.size());
  if (size < oldSize && ::ftruncate(fd, size) != 0) return false;
  return !flush || ::fdatasync(fd) == 0;
}

// A file in the path's folder for the new content, open for writing at its
// start: the old backup's file when it has no other name (under a fixed name,
// as creating a file costs more than the whole write), else a new one made
// readable. -1 on failure; oldSize is the file's size.
int OpenTemporary(const std::string& path, const std::string& backup, std::string& temp, off_t& oldSize) {
  temp = path + ".saving";
  if (::rename(backup.c_str(), temp.c_str()) == 0) {
    int fd = ::open(temp.c_str(), O_WRONLY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1) {
      oldSize = st.st_size;
      return fd;
    }
    // Still linked elsewhere (or not a plain file): never write into it.
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
  }
  temp = TemporaryTemplate(path);
  oldSize = 0;
  int fd = ::mkstemp(temp.data());
  if (fd >= 0 && ::fchmod(fd, 0644) != 0) {
    ::close(fd);
    ::unlink(temp.c_str());
    return -1;
  }
  return fd;
}

}  // namespace

bool TPosixFileSystem::AppendWriteThrough(const std::string& path, std::string_view bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | (WriteThrough ? O_DSYNC : 0) | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  ::close(fd);
  return ok;
}

bool TPosixFileSystem::ReadFile(const std::string& path, std::string& bytes, size_t maxBytes) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<unsigned long long>(st.st_size) > maxBytes) {
    ::close(fd);
    return false;
  }
  std::string data;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    data.append(buffer, static_cast<size_t>(n));
    if (data.size() > maxBytes) {
      ::close(fd);
      return false;
    }
  }
  ::close(fd);
  bytes = std::move(data);
  return true;
}

// Closes the written temporary file and renames it over path; a failed
// write or rename removes the temporary file and leaves path as it was.
static bool ReplaceWithTemporary(int fd, bool written, const std::string& temp, const std::string& path, bool flush) {
  bool ok = ::close(fd) == 0 && written;
  if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  if (flush) SyncFolderOf(path);
  return true;
}

bool TPosixFileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes, bool flush) {
  std::string temp = TemporaryTemplate(path);
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, 0644) == 0 && (!flush || ::fsync(fd) == 0);
  return ReplaceWithTemporary(fd, ok, temp, path, flush);
}

bool TPosixFileSystem::WriteFileKeepingBackup(const std::string& path, const std::string& backup,
                                              std::string_view bytes, bool flush) {
  std::string temp;
  off_t oldSize = 0;
  int fd = OpenTemporary(path, backup, temp, oldSize);
  if (fd < 0) return false;
  // The backup is the file as it stands; a folder without hard links gets a copy.
  if (FileExists(path) && ::link(path.c_str(), backup.c_str()) != 0) CopyFile(path, backup);
  return ReplaceWithTemporary(fd, Overwrite(fd, oldSize, bytes, flush), temp, path, flush);
}

void TPosixFileSystem::RemoveLeftoverTemporaries(const std::string& path) {
  const std::string folder = FolderOf(path);
  const size_t sep = path.find_last_of('/');
  const std::string own = sep == std::string::npos ? path : path.substr(sep + 1);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTemporaryOf(entry->d_name, own)) continue;
    const std::string leftover = folder + "/" + entry->d_name;
    struct stat st {};
    // Only plain files: never a folder or what a link points to.
    if (::lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(leftover.c_str());
  }
  ::closedir(dir);
}

bool TPosixFileSystem::CopyFile(const std::string& from, const std::string& to) {
  std::string bytes;
  constexpr size_t kLimit = size_t{1} << 30;
  return ReadFile(from, bytes, kLimit) && WriteFileAtomic(to, bytes, false);
}

bool TPosixFileSystem::FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool TPosixFileSystem::DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

}  // namespace vkr
