#include "assets/archive/rar20_audio.h"

#include <cstdlib>

namespace rar20 {

void AudioPredictor::SetChannelCount(int count) {
  channelCount_ = count;
  if (current_ >= count) current_ = 0;
}

uint8_t AudioPredictor::Decode(uint8_t error) {
  Channel& channel = channels_[current_];
  uint8_t byte = Apply(channel, Predict(channel), error);
  NextChannel();
  return byte;
}

uint8_t AudioPredictor::Encode(uint8_t byte) {
  Channel& channel = channels_[current_];
  int32_t predicted = Predict(channel);
  uint8_t error = uint8_t(predicted - byte);
  Apply(channel, predicted, error);
  NextChannel();
  return error;
}

void AudioPredictor::NextChannel() {
  if (++current_ >= channelCount_) current_ = 0;
}

int32_t AudioPredictor::Predict(Channel& c) {
  c.byteCount++;
  c.d[3] = c.d[2];
  c.d[2] = c.d[1];
  c.d[1] = c.lastDelta - c.d[0];
  c.d[0] = c.lastDelta;
  int32_t sum = 8 * c.lastByte + c.k[0] * c.d[0] + c.k[1] * c.d[1] + c.k[2] * c.d[2] +
                c.k[3] * c.d[3] + c.k[4] * channelDelta_;
  return (sum >> 3) & 0xFF;
}

uint8_t AudioPredictor::Apply(Channel& c, int32_t predicted, uint8_t error) {
  int32_t value = predicted - error;
  int32_t d = int32_t(int8_t(error)) * 8;
  c.dif[0] += std::abs(d);
  c.dif[1] += std::abs(d - c.d[0]);
  c.dif[2] += std::abs(d + c.d[0]);
  c.dif[3] += std::abs(d - c.d[1]);
  c.dif[4] += std::abs(d + c.d[1]);
  c.dif[5] += std::abs(d - c.d[2]);
  c.dif[6] += std::abs(d + c.d[2]);
  c.dif[7] += std::abs(d - c.d[3]);
  c.dif[8] += std::abs(d + c.d[3]);
  c.dif[9] += std::abs(d - channelDelta_);
  c.dif[10] += std::abs(d + channelDelta_);
  c.lastDelta = channelDelta_ = int8_t(value - c.lastByte);
  c.lastByte = value;
  if ((c.byteCount & 31) == 0) Adapt(c);
  return uint8_t(value);
}

// Every 32 bytes the weight whose change would have made the smallest error
// moves one step that way; a tie keeps the first candidate.
void AudioPredictor::Adapt(Channel& c) {
  int best = 0;
  for (int i = 1; i < 11; i++)
    if (c.dif[i] < c.dif[best]) best = i;
  for (uint32_t& sum : c.dif) sum = 0;
  if (best == 0) return;
  int32_t& weight = c.k[(best - 1) / 2];
  bool lower = (best & 1) != 0;
  if (lower && weight >= -16) weight--;
  if (!lower && weight < 16) weight++;
}

}  // namespace rar20
