#ifndef GLYPHRIG_IMAGING_FOLDER_LOCK_H_
#define GLYPHRIG_IMAGING_FOLDER_LOCK_H_

#include <cstdint>

namespace glyphrig {

// One run at a time in a working tree. While a folder_lock is held, the
// program holds an exclusive lock on alphabet/run.lock (kRunLock), which it
// makes if it is not there: flock on POSIX systems, LockFileEx on Windows. A
// second run that asks for it meanwhile waits for it, silently. The system
// lets go of the lock when the program ends, however it ends. Where the file
// cannot be opened at all, the run goes on without it.
class folder_lock {
 public:
  folder_lock();  // waits until the lock is this run's
  ~folder_lock() { release(); }
  folder_lock(const folder_lock&) = delete;
  folder_lock& operator=(const folder_lock&) = delete;

  // Lets the next run in this folder go on.
  void release();

 private:
  std::intptr_t handle_;  // the open lock file; -1 for none
};

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_FOLDER_LOCK_H_
