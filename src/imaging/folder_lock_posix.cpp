#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "imaging/folder_lock.h"
#include "imaging/working_tree.h"

namespace glyphrig {

folder_lock::folder_lock() {
  // Read-only is enough for flock. The image tools must not inherit it: a
  // tool that outlived the run would hold the lock.
  const int fd = open(std::string(kRunLock).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
  while (fd >= 0 && flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
  handle_ = fd;
}

void folder_lock::release() {
  if (handle_ < 0) return;
  close(static_cast<int>(handle_));  // closing the file lets go of its lock
  handle_ = -1;
}

}  // namespace glyphrig
