#pragma once
// The building blocks of the game's sound maker: a seeded random source, oscillators, envelopes,
// filters, a reverb and WAVE output. Everything is deterministic: the same build makes the same
// samples on every run.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace synth {

constexpr double PI = 3.14159265358979323846;
constexpr double TAU = 2.0 * PI;

// splitmix64: small, fast and the same everywhere (the standard distributions are not).
class Rng {
 public:
  explicit Rng(uint64_t seed) : m_state(seed) {}
  uint64_t Next();
  double Unit();                       // [0, 1)
  double Range(double lo, double hi);  // [lo, hi)
  double Bipolar() { return Range(-1.0, 1.0); }
  int Int(int n);  // 0..n-1
  bool Chance(double p) { return Unit() < p; }

 private:
  uint64_t m_state;
};

uint64_t Seed(const std::string& name);  // a seed from a name (FNV-1a)

double MidiToHz(double midi);

// A mono or stereo sample buffer in floats.
struct Buffer {
  int rate = 44100;
  int channels = 1;
  std::vector<float> l, r;  // r is empty for mono

  Buffer() = default;
  Buffer(int sampleRate, int channelCount, double seconds);
  size_t Frames() const { return l.size(); }
  double Seconds() const { return (double)l.size() / rate; }
  void EnsureFrames(size_t frames);
  void Add(size_t frame, double left, double right);
  void Add(size_t frame, double mono) { Add(frame, mono, mono); }
  void Mix(const Buffer& other, size_t atFrame, double gain);  // mono into stereo pans centre
  void Scale(double gain);
  double Peak() const;
  double Rms() const;
};

// Band-limited oscillators (polyBLEP) that keep their own phase.
class Osc {
 public:
  double phase = 0.0;  // 0..1
  double Sine(double freq, int rate);
  double Saw(double freq, int rate);
  double Square(double freq, int rate, double duty = 0.5);
  double Triangle(double freq, int rate);

 private:
  void Advance(double inc);
  double m_tri = 0.0;
};

// RBJ biquads; Set* may be called every sample for sweeps.
class Biquad {
 public:
  void SetLowPass(double freq, double q, int rate);
  void SetHighPass(double freq, double q, int rate);
  void SetBandPass(double freq, double q, int rate);  // 0 dB peak
  void SetPeak(double freq, double q, double gainDb, int rate);
  double Process(double x);
  void Reset() { m_z1 = m_z2 = 0.0; }

 private:
  void Normalise(double a0);
  double m_b0 = 1, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
  double m_z1 = 0, m_z2 = 0;
};

class OnePole {
 public:
  void SetLowPass(double freq, int rate);
  double Process(double x) { return m_y += m_a * (x - m_y); }

 private:
  double m_a = 1.0, m_y = 0.0;
};

// Pink noise (Paul Kellet's filter) over white noise from a seeded source.
class PinkNoise {
 public:
  explicit PinkNoise(uint64_t seed) : m_rng(seed) {}
  double Next();

 private:
  Rng m_rng;
  double m_b[7] = {};
};

// Attack, decay to a sustain level, release after `length` seconds (linear attack, exponential
// decay and release). t in seconds from the note's start.
double Adsr(double t, double length, double attack, double decay, double sustain, double release);
// 0 before `attack`, then exp(-(t - attack) / tau), with a linear rise over `attack`.
double Perc(double t, double attack, double tau);

// A stereo Freeverb-like room: eight combs and four all-passes per side, the right side's delays
// spread so the tail is wide.
void Reverb(Buffer& buffer, double roomSize, double damping, double wet, double dry);

// Soft knee above `threshold`: peaks round off instead of clipping.
void SoftLimit(Buffer& buffer, double threshold);
void FadeIn(Buffer& buffer, double seconds);
void FadeOut(Buffer& buffer, double seconds);
// Makes a buffer loop seamlessly: its last `seconds` are blended into its start and cut off.
void MakeLoop(Buffer& buffer, double seconds);
// Trims trailing near-silence (below `floor`), keeping `keep` seconds of tail.
void TrimTail(Buffer& buffer, double floor, double keep);
// Scales so the peak is `peak`.
void NormalisePeak(Buffer& buffer, double peak);

bool WriteWave(const Buffer& buffer, const std::string& path);  // 16-bit PCM

}  // namespace synth
