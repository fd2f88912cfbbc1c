#pragma once
// The radio's side of the programming protocol, as the virtual radio
// (kx7q-sim) and the link tests play it: wake-up, identification with the key
// echoed, challenge check and reply, block reads and block writes, end. It
// holds the 432 bytes of radio memory and can misbehave on demand.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/CodePlug.h"
#include "link/Handshake.h"

namespace kx7q {

using RadioMemory = std::array<std::uint8_t, kRadioSize>;

struct RadioFaults {
  bool silent = false;               // answers nothing at all
  bool strayByteBeforeAck = false;   // sends 0x00 before the ACK to the wake-up
  bool wrongKeyEcho = false;         // byte 6 of the identification is not the swapped key
  std::string modelCode = "QMV4";    // the model code it reports
  bool wrongChallengeReply = false;  // answers the challenge with a wrong byte
  int silentAfterBlocks = -1;        // stops answering once this many blocks were served
  int lineBreakAfterBlocks = -1;     // once per run: a line break instead of the answer after N blocks
  bool splitIdent = false;           // the identification in two sends
};

class VirtualRadio {
 public:
  struct Answer {
    std::vector<std::vector<std::uint8_t>> sends;  // each to be sent on its own
    bool lineBreak = false;      // raise a break condition on the line now
    bool sessionEnded = false;   // 'E' received
  };

  explicit VirtualRadio(const RadioMemory& memory, RadioFaults faults = {});

  // Bytes from the PC, in any pieces; returns the radio's answer to them.
  Answer Receive(const std::uint8_t* data, std::size_t size);

  const RadioMemory& Memory() const { return memory_; }
  int BlocksServed() const { return blocks_; }  // in the current session
  int BlocksWritten() const { return written_; }  // since the start
  std::uint8_t LastKey() const { return key_; }

 private:
  enum class Stage { Idle, WaitIdentRequest, WaitChallenge, WaitAck, Blocks, Mute };
  void Byte(std::uint8_t b, Answer& answer);
  void Command(Answer& answer);
  bool BlockFault(Answer& answer);

  RadioMemory memory_;
  RadioFaults faults_;
  Stage stage_ = Stage::Idle;
  std::vector<std::uint8_t> frame_;   // bytes of the frame being collected
  std::size_t frameSize_ = 0;         // its length; 0 while waiting for a command byte
  std::size_t chunkSize_ = 0;         // bytes in the piece being received
  std::uint8_t key_ = 0;
  int blocks_ = 0;
  int written_ = 0;
  bool breakSent_ = false;
};

}  // namespace kx7q
