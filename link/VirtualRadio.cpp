#include "link/VirtualRadio.h"

#include <algorithm>
#include <cstring>

namespace kx7q {

VirtualRadio::VirtualRadio(const RadioMemory& memory, RadioFaults faults)
    : memory_(memory), faults_(std::move(faults)) {}

VirtualRadio::Answer VirtualRadio::Receive(const std::uint8_t* data, std::size_t size) {
  Answer answer;
  chunkSize_ = size;
  for (std::size_t i = 0; i < size; ++i) Byte(data[i], answer);
  if (faults_.silent) answer.sends.clear();
  return answer;
}

void VirtualRadio::Byte(std::uint8_t b, Answer& answer) {
  // A wake-up frame starts a session from any stage, except inside a frame
  // and where a challenge packet (which may begin with 'P') is due.
  if (frameSize_ == 0 && b == kWakeUp[0] && stage_ != Stage::WaitChallenge) {
    frame_.assign(1, b);
    frameSize_ = kWakeUpSize;
    return;
  }
  // The PC gives up with 'E' after a handshake reply it does not like. Where
  // a challenge is due, 'E' may also begin the packet: a lone 'E' is the end.
  if (frameSize_ == 0 && b == kEndCommand &&
      (stage_ == Stage::WaitIdentRequest || stage_ == Stage::WaitAck ||
       (stage_ == Stage::WaitChallenge && chunkSize_ == 1))) {
    answer.sessionEnded = true;
    stage_ = Stage::Idle;
    return;
  }
  if (frameSize_ == 0) {
    switch (stage_) {
      case Stage::WaitIdentRequest:
        if (b == kIdentRequest) {
          std::vector<std::uint8_t> ident(kIdentSize, 0xFF);
          ident[0] = 'P';
          for (int i = 0; i < 4; ++i)
            ident[kIdentModelIndex + i] = i < static_cast<int>(faults_.modelCode.size())
                                              ? static_cast<std::uint8_t>(faults_.modelCode[i]) : ' ';
          ident[5] = memory_[0x175];
          ident[kIdentKeyIndex] = faults_.wrongKeyEcho ? static_cast<std::uint8_t>(SwapNibbles(key_) ^ 0x01)
                                                       : SwapNibbles(key_);
          if (faults_.splitIdent) {
            answer.sends.emplace_back(ident.begin(), ident.begin() + 7);
            answer.sends.emplace_back(ident.begin() + 7, ident.end());
          } else {
            answer.sends.push_back(ident);
          }
          stage_ = Stage::WaitChallenge;
        }
        return;
      case Stage::WaitChallenge:
        frame_.assign(1, b);
        frameSize_ = kChallengeSize;
        return;
      case Stage::WaitAck:
        if (b == kAck) {
          answer.sends.push_back({kAck});
          stage_ = Stage::Blocks;
        }
        return;
      case Stage::Blocks:
        if (b == kAck) {
          if (!BlockFault(answer)) answer.sends.push_back({kAck});
        } else if (b == kEndCommand) {
          answer.sessionEnded = true;
          stage_ = Stage::Idle;
        } else if (b == kReadCommand) {
          frame_.assign(1, b);
          frameSize_ = 4;
        } else if (b == kWriteCommand) {
          frame_.assign(1, b);
          frameSize_ = 4 + kBlockSize;
        }
        return;
      case Stage::Idle:
      case Stage::Mute:
        if (b == kEndCommand) {
          answer.sessionEnded = true;
          stage_ = Stage::Idle;
        }
        return;
    }
  }
  frame_.push_back(b);
  if (frame_.size() < frameSize_) return;
  frameSize_ = 0;
  Command(answer);
}

// A complete frame has arrived.
void VirtualRadio::Command(Answer& answer) {
  const std::uint8_t first = frame_[0];
  if (first == kWakeUp[0]) {
    if (std::memcmp(frame_.data(), kWakeUp, 7) != 0) return;
    key_ = frame_[7];
    blocks_ = 0;
    if (faults_.strayByteBeforeAck)
      answer.sends.push_back({0x00, kAck});
    else
      answer.sends.push_back({kAck});
    stage_ = Stage::WaitIdentRequest;
    return;
  }
  if (stage_ == Stage::WaitChallenge) {
    ChallengePacket packet;
    std::copy(frame_.begin(), frame_.end(), packet.begin());
    stage_ = Stage::WaitAck;
    if (packet[15] != ChallengeCheckByte(packet)) return;  // not our programmer: stay quiet
    std::uint8_t reply = ChallengeReply(packet);
    if (faults_.wrongChallengeReply) reply = static_cast<std::uint8_t>(reply + 1);
    answer.sends.push_back({reply});
    return;
  }
  if (stage_ != Stage::Blocks) return;
  const int address = (frame_[1] << 8) | frame_[2];
  if (frame_[3] != kBlockSize || address + kBlockSize > kRadioSize) return;
  if (BlockFault(answer)) return;
  if (first == kReadCommand) {
    std::vector<std::uint8_t> reply = {kWriteCommand, frame_[1], frame_[2], kBlockSize};
    reply.insert(reply.end(), memory_.begin() + address, memory_.begin() + address + kBlockSize);
    answer.sends.push_back(std::move(reply));
  } else {
    std::copy(frame_.begin() + 4, frame_.end(), memory_.begin() + address);
    ++written_;
    answer.sends.push_back({kAck});
  }
  ++blocks_;
}

// The block faults: silence or a line break once the set number of blocks
// has been served. True when the radio does not answer normally.
bool VirtualRadio::BlockFault(Answer& answer) {
  if (faults_.silentAfterBlocks >= 0 && blocks_ >= faults_.silentAfterBlocks) {
    stage_ = Stage::Mute;
    return true;
  }
  if (faults_.lineBreakAfterBlocks >= 0 && blocks_ >= faults_.lineBreakAfterBlocks && !breakSent_) {
    breakSent_ = true;
    answer.lineBreak = true;
    return true;
  }
  return false;
}

}  // namespace kx7q
