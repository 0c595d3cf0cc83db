#include "win32/Win32FileSystem.h"

#include <algorithm>
#include <string>

#include "win32/WideNames.h"
#include "win32/WinApi.h"

namespace vkr::win32 {
namespace {

// Owns a file handle.
class THandle {
 public:
  explicit THandle(HANDLE handle) : FHandle(handle) {}
  ~THandle() { Close(); }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  bool Valid() const { return FHandle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return FHandle; }
  // Whether the handle closed cleanly.
  bool Close() {
    if (!Valid()) return true;
    const bool closed = CloseHandle(FHandle) != 0;
    FHandle = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE FHandle;
};

// Writes everything at the handle's position; a file that would grow beyond
// space fails as a full disk does.
bool WriteAll(HANDLE file, std::string_view bytes, uint64_t space) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) return false;
  if (bytes.size() > space || static_cast<uint64_t>(size.QuadPart) > space - bytes.size()) {
    SetLastError(ERROR_DISK_FULL);
    return false;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

// A new, empty file beside path that nobody else has: path + ".~" and a
// number, made with CREATE_NEW so that no existing file is ever reused.
HANDLE CreateTemporary(const std::wstring& path, std::wstring& temp) {
  static unsigned counter = 0;
  const unsigned start = GetCurrentProcessId() * 7919u + static_cast<unsigned>(GetTickCount64());
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = path + L".~" + std::to_wstring((start + ++counter) % 1000000u) + L".tmp";
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

bool TWin32FileSystem::AppendWriteThrough(const std::string& path, std::string_view bytes) {
  // Readers may look at the log meanwhile; appending always lands at the end.
  const DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN | (WriteThrough ? FILE_FLAG_WRITE_THROUGH : 0);
  THandle file(CreateFileW(WideName(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, flags,
                           nullptr));
  if (!file.Valid()) return false;
  return WriteAll(file.Get(), bytes, DiskSpace) && file.Close();
}

bool TWin32FileSystem::ReadFile(const std::string& path, std::string& bytes, size_t maxBytes) {
  // A file another program writes (the log, say) can still be read.
  THandle file(CreateFileW(WideName(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file.Valid() || GetFileType(file.Get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.Get(), &size) ||
      static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
    return false;
  }
  std::string data;
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) break;
    data.append(buffer, got);
    // The file may have grown since its size was taken.
    if (data.size() > maxBytes) return false;
  }
  bytes = std::move(data);
  return true;
}

bool TWin32FileSystem::WriteFileAtomic(const std::string& path, std::string_view bytes, bool flush) {
  const std::wstring target = WideName(path);
  std::wstring temp;
  THandle file(CreateTemporary(target, temp));
  if (!file.Valid()) return false;
  bool ok = WriteAll(file.Get(), bytes, DiskSpace) && (!flush || FlushFileBuffers(file.Get()));
  ok = file.Close() && ok;
  if (ok) ok = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) {
    // Keep the reason of the failure, not that of the clean-up.
    const DWORD error = GetLastError();
    ::DeleteFileW(temp.c_str());
    SetLastError(error);
  }
  return ok;
}

bool TWin32FileSystem::CopyFile(const std::string& from, const std::string& to) {
  // Read and written like any save, so a failed copy never tears the target.
  std::string bytes;
  constexpr size_t kLimit = size_t{1} << 30;
  return ReadFile(from, bytes, kLimit) && WriteFileAtomic(to, bytes, false);
}

bool TWin32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideName(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool TWin32FileSystem::DeleteFile(const std::string& path) { return ::DeleteFileW(WideName(path).c_str()) != 0; }

}  // namespace vkr::win32
