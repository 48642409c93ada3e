#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

#include "imaging/folder_lock.h"
#include "imaging/working_tree.h"

namespace glyphrig {
namespace {

// The whole file and whatever may follow it: the lock covers no byte that
// anything reads.
constexpr DWORD kAll = MAXDWORD;

}  // namespace

folder_lock::folder_lock() {
  // Not inherited by the image tools, and open to every other use.
  HANDLE file = CreateFileA(std::string(kRunLock).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  OVERLAPPED whole_file{};
  if (file != INVALID_HANDLE_VALUE &&
      !LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, kAll, kAll, &whole_file)) {
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
}

void folder_lock::release() {
  if (handle_ == -1) return;
  const HANDLE file = reinterpret_cast<HANDLE>(handle_);
  OVERLAPPED whole_file{};
  UnlockFileEx(file, 0, kAll, kAll, &whole_file);
  CloseHandle(file);
  handle_ = -1;
}

}  // namespace glyphrig
