// kx7q-sim: a virtual ROZ-KX-7Q on a pseudo-terminal. It prints the
// terminal's path on the first line of standard output and then answers the
// programming protocol on it until it is killed (or, with --once, until the
// first session ends). Connect the program to that path, for example through
// [Ports] COM7=/dev/pts/N in SysInfo.Ini, or kx7q-cli read --port /dev/pts/N.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/DataFile.h"
#include "core/ImageDefaults.h"
#include "core/Registry.h"
#include "link/VirtualRadio.h"

namespace {

using kx7q::RadioMemory;

const char* const kUsage =
    "Usage: kx7q-sim [OPTIONS]\n"
    "Serves the radio's side of the programming protocol on a new pseudo-terminal\n"
    "and prints its path on the first line of standard output.\n\n"
    "Memory:\n"
    "  --image FILE.dat     start with the code plug of a data file\n"
    "  --band TEXT          start with a new code plug of a band (default \"400 - 520MHz\")\n"
    "  --save FILE.dat      save the memory as a data file after every write\n"
    "Serving:\n"
    "  --once               end after the first session\n"
    "  --pace               take as long as the real line (9600 baud, 11 bits a byte)\n"
    "Faults:\n"
    "  --silent             answer nothing\n"
    "  --stray-ack          send a stray byte before the ACK to the wake-up\n"
    "  --wrong-key          echo the key wrongly in the identification\n"
    "  --model CODE         report another model code\n"
    "  --wrong-reply        answer the challenge wrongly\n"
    "  --silent-after N     stop answering after N blocks\n"
    "  --break-after N      raise a line break after N blocks (once)\n"
    "  --split-ident        send the identification in two pieces\n";

struct Options {
  std::string image, band = "400 - 520MHz", save;
  bool once = false, pace = false;
  kx7q::RadioFaults faults;
};

int Usage(const std::string& message) {
  std::cerr << "kx7q-sim: " << message << "\n\n" << kUsage;
  return 2;
}

std::optional<int> Count(const char* text) {
  char* end = nullptr;
  const long n = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || n < 0 || n > 1000) return std::nullopt;
  return static_cast<int>(n);
}

// The registry and band list, for new code plugs and for saving.
struct Models {
  kx7q::TMacList registry;
  kx7q::TFrqList bands;
  kx7q::TALL all;
  Models() {
    kx7q::FillBandList(bands);
    kx7q::FillRegistry(registry, all);
  }
};

std::optional<RadioMemory> LoadImage(const std::string& path, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": " + std::strerror(errno);
    return std::nullopt;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < static_cast<std::size_t>(kx7q::kDataFileSize)) {
    error = path + ": not a data file (" + std::to_string(bytes.size()) + " bytes, 464 expected)";
    return std::nullopt;
  }
  RadioMemory memory;
  for (int i = 0; i < kx7q::kRadioSize; ++i)
    memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(16 + i)]);
  return memory;
}

std::optional<RadioMemory> NewImage(Models& m, const std::string& band, std::string& error) {
  bool known = false;
  for (const auto& b : m.bands.Bands()) known = known || b.first == band;
  if (!known) {
    error = "unknown band \"" + band + "\"";
    return std::nullopt;
  }
  kx7q::ApplyModelInfo(m.all, m.registry, m.bands, "QMV4", m.bands.CodeOf(band), true);
  kx7q::SetImageDefaults(m.all, m.bands);
  RadioMemory memory;
  std::copy_n(m.all.RadioPtr(0), kx7q::kRadioSize, memory.begin());
  return memory;
}

bool SaveImage(Models& m, const RadioMemory& memory, const std::string& path) {
  std::copy(memory.begin(), memory.end(), m.all.RadioPtr(0));
  kx7q::ApplyModelInfo(m.all, m.registry, m.bands, "QMV4", memory[kx7q::kBandCodeAddress], true);
  const kx7q::Status s = kx7q::WriteDataFile(m.all, path);
  if (!s) std::cerr << "kx7q-sim: cannot save " << path << ": " << s.detail << "\n";
  return s.ok();
}

// ---- the line ---------------------------------------------------------------

constexpr long kByteNanos = 11L * 1000000000L / 9600L;  // 11 bits at 9600 baud

long long Now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000000000LL + t.tv_nsec;
}

void SleepUntil(long long at) {
  timespec t{static_cast<time_t>(at / 1000000000LL), static_cast<long>(at % 1000000000LL)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
  }
}

class Line {
 public:
  Line(int master, bool pace) : master_(master), pace_(pace) {}

  void Received(std::size_t n) {  // the PC's bytes take their time to arrive
    if (!pace_) return;
    rxFree_ = std::max(Now(), rxFree_) + static_cast<long long>(n) * kByteNanos;
    SleepUntil(rxFree_);
  }

  void Send(const std::vector<std::uint8_t>& bytes) {
    if (!pace_) {
      WriteAll(bytes.data(), bytes.size());
      return;
    }
    txFree_ = std::max(Now(), txFree_);
    for (std::uint8_t b : bytes) {
      txFree_ += kByteNanos;
      SleepUntil(txFree_);
      WriteAll(&b, 1);
    }
  }

  // A break condition. A pseudo-terminal cannot carry one, so when the other
  // side has the driver mark line errors (PARMRK) the marker is put into its
  // input directly: FF 00 00, which the driver would otherwise escape.
  void Break() {
    termios tio{};
    if (tcgetattr(master_, &tio) == 0 && (tio.c_iflag & PARMRK)) {
      termios plain = tio;
      plain.c_iflag &= ~static_cast<tcflag_t>(PARMRK);
      tcsetattr(master_, TCSANOW, &plain);
      const std::uint8_t marker[] = {0xFF, 0x00, 0x00};
      WriteAll(marker, sizeof marker);
      usleep(30000);  // the driver takes the bytes in before PARMRK comes back
      tcsetattr(master_, TCSANOW, &tio);
    } else {
      tcsendbreak(master_, 0);
    }
  }

 private:
  void WriteAll(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
      const ssize_t n = write(master_, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return;
      data += n;
      size -= static_cast<std::size_t>(n);
    }
  }

  int master_;
  bool pace_;
  long long rxFree_ = 0, txFree_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (a == "-h" || a == "--help") {
      std::cout << kUsage;
      return 0;
    } else if (a == "--image" || a == "--band" || a == "--save" || a == "--model") {
      const char* v = value();
      if (!v) return Usage(a + " needs a value");
      (a == "--image" ? o.image : a == "--band" ? o.band : a == "--save" ? o.save : o.faults.modelCode) = v;
    } else if (a == "--silent-after" || a == "--break-after") {
      const char* v = value();
      const std::optional<int> n = v ? Count(v) : std::nullopt;
      if (!n) return Usage(a + " needs a number of blocks");
      (a == "--silent-after" ? o.faults.silentAfterBlocks : o.faults.lineBreakAfterBlocks) = *n;
    } else if (a == "--once") {
      o.once = true;
    } else if (a == "--pace") {
      o.pace = true;
    } else if (a == "--silent") {
      o.faults.silent = true;
    } else if (a == "--stray-ack") {
      o.faults.strayByteBeforeAck = true;
    } else if (a == "--wrong-key") {
      o.faults.wrongKeyEcho = true;
    } else if (a == "--wrong-reply") {
      o.faults.wrongChallengeReply = true;
    } else if (a == "--split-ident") {
      o.faults.splitIdent = true;
    } else {
      return Usage("unknown option " + a);
    }
  }
  if (o.faults.modelCode.size() != 4) return Usage("--model needs four characters");

  Models models;
  std::string error;
  std::optional<RadioMemory> memory =
      o.image.empty() ? NewImage(models, o.band, error) : LoadImage(o.image, error);
  if (!memory) {
    std::cerr << "kx7q-sim: " << error << "\n";
    return 1;
  }

  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    std::cerr << "kx7q-sim: cannot make a pseudo-terminal: " << std::strerror(errno) << "\n";
    return 1;
  }
  const char* slaveName = ptsname(master);
  // Holding the terminal's own side open keeps the master readable while no
  // program has it open; raw mode stops echoes before one does.
  const int slave = slaveName ? open(slaveName, O_RDWR | O_NOCTTY) : -1;
  if (slave < 0) {
    std::cerr << "kx7q-sim: cannot open " << (slaveName ? slaveName : "the terminal") << ": "
              << std::strerror(errno) << "\n";
    return 1;
  }
  termios tio{};
  tcgetattr(slave, &tio);
  cfmakeraw(&tio);
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  tcsetattr(slave, TCSANOW, &tio);

  std::cout << slaveName << std::endl;

  kx7q::VirtualRadio radio(*memory, o.faults);
  Line line(master, o.pace);
  int writtenAtStart = 0;
  std::uint8_t buffer[512];
  for (;;) {
    pollfd p{master, POLLIN, 0};
    if (poll(&p, 1, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    const ssize_t n = read(master, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) {
      usleep(10000);
      continue;
    }
    line.Received(static_cast<std::size_t>(n));
    kx7q::VirtualRadio::Answer answer = radio.Receive(buffer, static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < answer.sends.size(); ++i) {
      if (i > 0) usleep(20000);  // pieces of one answer arrive apart
      line.Send(answer.sends[i]);
    }
    if (answer.lineBreak) line.Break();
    if (answer.sessionEnded) {
      const int written = radio.BlocksWritten() - writtenAtStart;
      std::cerr << "kx7q-sim: session ended, " << radio.BlocksServed() << " blocks"
                << (written > 0 ? " written" : " served") << "\n";
      if (written > 0 && !o.save.empty()) SaveImage(models, radio.Memory(), o.save);
      writtenAtStart = radio.BlocksWritten();
      if (o.once) break;
    }
  }
  close(slave);
  close(master);
  return 0;
}
