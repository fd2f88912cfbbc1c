#include "core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kx7q {
namespace {

Status Failed(const std::string& path, int error, const std::string& temp) {
  if (!temp.empty()) ::unlink(temp.c_str());
  return Status::Fail("FileError", path + ": " + std::strerror(error));
}

// The file a path names: a symbolic link is followed, so that saving through
// it replaces the file it points to and not the link itself.
std::string FileBehind(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;  // no such file yet
  std::string target = real;
  std::free(real);
  return target;
}

}  // namespace

Status WriteFileAtomically(const std::string& shownPath, std::string_view bytes) {
  const std::string path = FileBehind(shownPath);
  std::vector<char> name(path.begin(), path.end());
  for (char c : std::string_view(".XXXXXX")) name.push_back(c);
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Failed(shownPath, errno, {});
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
      return Failed(shownPath, error, temp);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    return Failed(shownPath, error, temp);
  }
  if (::close(fd) != 0) return Failed(shownPath, errno, temp);
  if (::rename(temp.c_str(), path.c_str()) != 0) return Failed(shownPath, errno, temp);
  return Status::Ok();
}

}  // namespace kx7q
