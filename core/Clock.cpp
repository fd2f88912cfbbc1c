#include "core/Clock.h"

#include <ctime>

namespace kx7q {

std::string LocalNowText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
  return buffer;
}

}  // namespace kx7q
