// The multimedia mode of the RAR 2.0 stream: bytes of up to four interleaved
// channels, each predicted by an adaptive linear filter, so that only the
// prediction errors are coded. The decoder and the encoder share this state
// machine, which keeps them in step byte for byte.
#pragma once
#include <cstdint>

namespace rar20 {

class AudioPredictor {
 public:
  void Reset() { *this = AudioPredictor(); }
  // 1..4 channels; a current channel that no longer exists restarts at 0.
  void SetChannelCount(int count);
  int channelCount() const { return channelCount_; }
  int currentChannel() const { return current_; }

  // Both move on to the next channel. Decode turns a coded error into the
  // next byte; Encode gives the error that Decode turns into byte.
  uint8_t Decode(uint8_t error);
  uint8_t Encode(uint8_t byte);

 private:
  struct Channel {
    int32_t k[5] = {};    // weights K1..K5
    int32_t d[4] = {};    // deltas D1..D4
    int32_t lastDelta = 0;
    uint32_t dif[11] = {};  // error sums of the eleven candidate adjustments
    uint32_t byteCount = 0;
    int32_t lastByte = 0;  // kept untruncated
  };

  int32_t Predict(Channel& channel);
  uint8_t Apply(Channel& channel, int32_t predicted, uint8_t error);
  void Adapt(Channel& channel);
  void NextChannel();

  Channel channels_[4];
  int32_t channelDelta_ = 0;  // shared by all channels
  int channelCount_ = 1;
  int current_ = 0;
};

}  // namespace rar20
