#include "core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace kx7q {
namespace {

Status Failed(const std::string& path, int error, const std::string& temp) {
  if (!temp.empty()) ::unlink(temp.c_str());
  return Status::Fail("FileError", path + ": " + std::strerror(error));
}

}  // namespace

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::vector<char> name(path.begin(), path.end());
  for (char c : std::string_view(".XXXXXX")) name.push_back(c);
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Failed(path, errno, {});
  const std::string temp = name.data();

  // Keep the permissions of the file being replaced.
  struct stat old {};
  ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);

  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      return Failed(path, error, temp);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    return Failed(path, error, temp);
  }
  if (::close(fd) != 0) return Failed(path, errno, temp);
  if (::rename(temp.c_str(), path.c_str()) != 0) return Failed(path, errno, temp);
  return Status::Ok();
}

}  // namespace kx7q
