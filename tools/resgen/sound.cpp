// The alert: a short falling two-tone chime, PCM mono 11025 Hz 8-bit, 906 samples.
// Integer synthesis only, so every machine makes the same bytes.
#include "resgen.h"

namespace {

constexpr unsigned kSampleRate = 11025;
constexpr unsigned kSampleCount = 906;

// A triangle wave from a 32-bit phase, in -127..127.
int Triangle(std::uint32_t phase) {
  const int ramp = int(phase >> 23);  // 0..511
  return ramp < 256 ? ramp - 128 : 383 - ramp;
}

resgen::Bytes MakeAlert() {
  resgen::Bytes samples;
  std::uint32_t phase = 0;
  for (unsigned index = 0; index < kSampleCount; ++index) {
    const std::uint64_t frequency = index < kSampleCount / 2 ? 1760 : 1320;
    phase += std::uint32_t((frequency << 32) / kSampleRate);
    // Quick attack, then a linear fade to silence.
    const unsigned attack = 40;
    const int level = index < attack ? int(index * 96 / attack)
                                     : int((kSampleCount - index) * 96 / (kSampleCount - attack));
    samples.push_back(std::uint8_t(128 + Triangle(phase) * level / 128));
  }

  resgen::Bytes wave;
  auto put_tag = [&](const char* tag) { wave.insert(wave.end(), tag, tag + 4); };
  put_tag("RIFF");
  resgen::PutLe32(wave, 36 + kSampleCount);
  put_tag("WAVE");
  put_tag("fmt ");
  resgen::PutLe32(wave, 16);
  resgen::PutLe16(wave, 1);  // PCM
  resgen::PutLe16(wave, 1);  // mono
  resgen::PutLe32(wave, kSampleRate);
  resgen::PutLe32(wave, kSampleRate);  // bytes per second
  resgen::PutLe16(wave, 1);            // block align
  resgen::PutLe16(wave, 8);            // bits per sample
  put_tag("data");
  resgen::PutLe32(wave, kSampleCount);
  wave.insert(wave.end(), samples.begin(), samples.end());
  return wave;
}

resgen::Registration registration("alert.wav", MakeAlert);

}  // namespace
