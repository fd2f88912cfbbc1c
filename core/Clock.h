#pragma once
// The local clock as text. Functions that stamp the time take a NowFn so that
// tests can fix it.

#include <functional>
#include <string>

namespace kx7q {

// Local date and time formatted "yyyy-MM-dd HH:mm:ss".
std::string LocalNowText();

using NowFn = std::function<std::string()>;

}  // namespace kx7q
