#include "Synth.h"

#include <algorithm>
#include <cstdio>

namespace synth {

uint64_t Rng::Next() {
  uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::Unit() { return (double)(Next() >> 11) * (1.0 / 9007199254740992.0); }

double Rng::Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

int Rng::Int(int n) { return n <= 0 ? 0 : (int)(Next() % (uint64_t)n); }

uint64_t Seed(const std::string& name) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : name) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

Buffer::Buffer(int sampleRate, int channelCount, double seconds) : rate(sampleRate), channels(channelCount) {
  size_t frames = (size_t)std::max(0.0, std::ceil(seconds * sampleRate));
  l.assign(frames, 0.0f);
  if (channels == 2) r.assign(frames, 0.0f);
}

void Buffer::EnsureFrames(size_t frames) {
  if (l.size() >= frames) return;
  l.resize(frames, 0.0f);
  if (channels == 2) r.resize(frames, 0.0f);
}

void Buffer::Add(size_t frame, double left, double right) {
  if (frame >= l.size()) EnsureFrames(frame + 1);
  if (channels == 2) {
    l[frame] += (float)left;
    r[frame] += (float)right;
  } else {
    l[frame] += (float)(0.5 * (left + right));
  }
}

void Buffer::Mix(const Buffer& other, size_t atFrame, double gain) {
  EnsureFrames(atFrame + other.Frames());
  for (size_t i = 0; i < other.Frames(); ++i) {
    double left = (double)other.l[i] * gain;
    double right = (double)(other.channels == 2 ? other.r[i] : other.l[i]) * gain;
    if (channels == 2) {
      l[atFrame + i] += (float)left;
      r[atFrame + i] += (float)right;
    } else {
      l[atFrame + i] += (float)(other.channels == 2 ? 0.5 * (left + right) : left);
    }
  }
}

void Buffer::Scale(double gain) {
  for (float& s : l) s = (float)((double)s * gain);
  for (float& s : r) s = (float)((double)s * gain);
}

double Buffer::Peak() const {
  double peak = 0.0;
  for (float s : l) peak = std::max(peak, (double)std::fabs(s));
  for (float s : r) peak = std::max(peak, (double)std::fabs(s));
  return peak;
}

double Buffer::Rms() const {
  double sum = 0.0;
  size_t n = l.size() + r.size();
  for (float s : l) sum += (double)s * (double)s;
  for (float s : r) sum += (double)s * (double)s;
  return n ? std::sqrt(sum / (double)n) : 0.0;
}

namespace {
double PolyBlep(double t, double dt) {
  if (dt <= 0.0) return 0.0;
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}
}  // namespace

void Osc::Advance(double inc) {
  phase += inc;
  phase -= std::floor(phase);
}

double Osc::Sine(double freq, int rate) {
  double v = std::sin(TAU * phase);
  Advance(freq / rate);
  return v;
}

double Osc::Saw(double freq, int rate) {
  double dt = freq / rate;
  double v = 2.0 * phase - 1.0 - PolyBlep(phase, dt);
  Advance(dt);
  return v;
}

double Osc::Square(double freq, int rate, double duty) {
  double dt = freq / rate;
  double v = phase < duty ? 1.0 : -1.0;
  v += PolyBlep(phase, dt);
  double shifted = phase + 1.0 - duty;
  v -= PolyBlep(shifted - std::floor(shifted), dt);
  Advance(dt);
  return v;
}

double Osc::Triangle(double freq, int rate) {
  double v = 4.0 * std::fabs(phase - 0.5) - 1.0;
  Advance(freq / rate);
  return v;
}

void Biquad::Normalise(double a0) {
  m_b0 /= a0;
  m_b1 /= a0;
  m_b2 /= a0;
  m_a1 /= a0;
  m_a2 /= a0;
}

void Biquad::SetLowPass(double freq, double q, int rate) {
  freq = std::clamp(freq, 10.0, rate * 0.45);
  double w = TAU * freq / rate, c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  m_b0 = (1.0 - c) / 2.0;
  m_b1 = 1.0 - c;
  m_b2 = (1.0 - c) / 2.0;
  m_a1 = -2.0 * c;
  m_a2 = 1.0 - alpha;
  Normalise(1.0 + alpha);
}

void Biquad::SetHighPass(double freq, double q, int rate) {
  freq = std::clamp(freq, 10.0, rate * 0.45);
  double w = TAU * freq / rate, c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  m_b0 = (1.0 + c) / 2.0;
  m_b1 = -(1.0 + c);
  m_b2 = (1.0 + c) / 2.0;
  m_a1 = -2.0 * c;
  m_a2 = 1.0 - alpha;
  Normalise(1.0 + alpha);
}

void Biquad::SetBandPass(double freq, double q, int rate) {
  freq = std::clamp(freq, 10.0, rate * 0.45);
  double w = TAU * freq / rate, c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  m_b0 = alpha;
  m_b1 = 0.0;
  m_b2 = -alpha;
  m_a1 = -2.0 * c;
  m_a2 = 1.0 - alpha;
  Normalise(1.0 + alpha);
}

void Biquad::SetPeak(double freq, double q, double gainDb, int rate) {
  freq = std::clamp(freq, 10.0, rate * 0.45);
  double a = std::pow(10.0, gainDb / 40.0);
  double w = TAU * freq / rate, c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
  m_b0 = 1.0 + alpha * a;
  m_b1 = -2.0 * c;
  m_b2 = 1.0 - alpha * a;
  m_a1 = -2.0 * c;
  m_a2 = 1.0 - alpha / a;
  Normalise(1.0 + alpha / a);
}

double Biquad::Process(double x) {
  double y = m_b0 * x + m_z1;
  m_z1 = m_b1 * x - m_a1 * y + m_z2;
  m_z2 = m_b2 * x - m_a2 * y;
  return y;
}

void OnePole::SetLowPass(double freq, int rate) {
  m_a = 1.0 - std::exp(-TAU * std::clamp(freq, 1.0, rate * 0.49) / rate);
}

double PinkNoise::Next() {
  double white = m_rng.Bipolar();
  m_b[0] = 0.99886 * m_b[0] + white * 0.0555179;
  m_b[1] = 0.99332 * m_b[1] + white * 0.0750759;
  m_b[2] = 0.96900 * m_b[2] + white * 0.1538520;
  m_b[3] = 0.86650 * m_b[3] + white * 0.3104856;
  m_b[4] = 0.55000 * m_b[4] + white * 0.5329522;
  m_b[5] = -0.7616 * m_b[5] - white * 0.0168980;
  double pink = m_b[0] + m_b[1] + m_b[2] + m_b[3] + m_b[4] + m_b[5] + m_b[6] + white * 0.5362;
  m_b[6] = white * 0.115926;
  return pink * 0.11;
}

double Adsr(double t, double length, double attack, double decay, double sustain, double release) {
  if (t < 0.0) return 0.0;
  auto held = [&](double u) {
    if (u < attack) return attack > 0.0 ? u / attack : 1.0;
    double d = u - attack;
    return sustain + (1.0 - sustain) * std::exp(-d / std::max(decay, 1e-4));
  };
  if (t < length) return held(t);
  return held(length) * std::exp(-(t - length) / std::max(release, 1e-4));
}

double Perc(double t, double attack, double tau) {
  if (t < 0.0) return 0.0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / tau);
}

namespace {
class Comb {
 public:
  explicit Comb(size_t size) : m_buf(std::max<size_t>(size, 1), 0.0) {}
  double Process(double x, double feedback, double damp) {
    double out = m_buf[m_i];
    m_store = out * (1.0 - damp) + m_store * damp;
    m_buf[m_i] = x + m_store * feedback;
    if (++m_i >= m_buf.size()) m_i = 0;
    return out;
  }

 private:
  std::vector<double> m_buf;
  size_t m_i = 0;
  double m_store = 0.0;
};

class AllPass {
 public:
  explicit AllPass(size_t size) : m_buf(std::max<size_t>(size, 1), 0.0) {}
  double Process(double x) {
    double b = m_buf[m_i];
    double out = -x + b;
    m_buf[m_i] = x + b * 0.5;
    if (++m_i >= m_buf.size()) m_i = 0;
    return out;
  }

 private:
  std::vector<double> m_buf;
  size_t m_i = 0;
};

struct ReverbSide {
  std::vector<Comb> combs;
  std::vector<AllPass> passes;
  ReverbSide(int rate, int spread) {
    static const int kCombs[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int kPasses[4] = {556, 441, 341, 225};
    double k = rate / 44100.0;
    for (int c : kCombs) combs.emplace_back((size_t)((c + spread) * k));
    for (int p : kPasses) passes.emplace_back((size_t)((p + spread) * k));
  }
  double Process(double x, double feedback, double damp) {
    double sum = 0.0;
    for (Comb& c : combs) sum += c.Process(x, feedback, damp);
    for (AllPass& p : passes) sum = p.Process(sum);
    return sum;
  }
};
}  // namespace

void Reverb(Buffer& buffer, double roomSize, double damping, double wet, double dry) {
  // Room for the tail to ring out.
  buffer.EnsureFrames(buffer.Frames() + (size_t)(buffer.rate * (0.5 + 2.5 * roomSize)));
  double feedback = roomSize * 0.28 + 0.7;
  double damp = damping * 0.4;
  ReverbSide left(buffer.rate, 0), right(buffer.rate, 23);
  for (size_t i = 0; i < buffer.Frames(); ++i) {
    double inL = buffer.l[i];
    double inR = buffer.channels == 2 ? (double)buffer.r[i] : inL;
    double input = (inL + inR) * 0.015;
    double outL = left.Process(input, feedback, damp);
    if (buffer.channels == 2) {
      double outR = right.Process(input, feedback, damp);
      buffer.l[i] = (float)(inL * dry + outL * wet);
      buffer.r[i] = (float)(inR * dry + outR * wet);
    } else {
      buffer.l[i] = (float)(inL * dry + outL * wet);
    }
  }
}

void SoftLimit(Buffer& buffer, double threshold) {
  auto shape = [threshold](float s) {
    double a = std::fabs(s);
    if (a <= threshold) return s;
    double over = (a - threshold) / (1.0 - threshold);
    double shaped = threshold + (1.0 - threshold) * std::tanh(over);
    return (float)(s < 0 ? -shaped : shaped);
  };
  for (float& s : buffer.l) s = shape(s);
  for (float& s : buffer.r) s = shape(s);
}

void FadeIn(Buffer& buffer, double seconds) {
  size_t n = std::min(buffer.Frames(), (size_t)(seconds * buffer.rate));
  for (size_t i = 0; i < n; ++i) {
    float g = (float)i / (float)n;
    buffer.l[i] *= g;
    if (buffer.channels == 2) buffer.r[i] *= g;
  }
}

void FadeOut(Buffer& buffer, double seconds) {
  size_t frames = buffer.Frames();
  size_t n = std::min(frames, (size_t)(seconds * buffer.rate));
  for (size_t i = 0; i < n; ++i) {
    float g = (float)i / (float)n;
    buffer.l[frames - 1 - i] *= g;
    if (buffer.channels == 2) buffer.r[frames - 1 - i] *= g;
  }
}

void MakeLoop(Buffer& buffer, double seconds) {
  size_t n = (size_t)(seconds * buffer.rate);
  if (buffer.Frames() < 2 * n) return;
  size_t keep = buffer.Frames() - n;
  for (size_t i = 0; i < n; ++i) {
    // Equal-power blend: the tail fades out over the head as the head fades in.
    double x = (double)i / (double)n;
    double in = std::sin(0.5 * PI * x), out = std::cos(0.5 * PI * x);
    buffer.l[i] = (float)((double)buffer.l[i] * in + (double)buffer.l[keep + i] * out);
    if (buffer.channels == 2) buffer.r[i] = (float)((double)buffer.r[i] * in + (double)buffer.r[keep + i] * out);
  }
  buffer.l.resize(keep);
  if (buffer.channels == 2) buffer.r.resize(keep);
}

void TrimTail(Buffer& buffer, double floor, double keep) {
  size_t last = 0;
  for (size_t i = 0; i < buffer.Frames(); ++i) {
    double a = std::fabs(buffer.l[i]);
    if (buffer.channels == 2) a = std::max(a, (double)std::fabs(buffer.r[i]));
    if (a > floor) last = i;
  }
  size_t frames = std::min(buffer.Frames(), last + (size_t)(keep * buffer.rate));
  buffer.l.resize(frames);
  if (buffer.channels == 2) buffer.r.resize(frames);
  FadeOut(buffer, std::min(keep, buffer.Seconds()));
}

void NormalisePeak(Buffer& buffer, double peak) {
  double p = buffer.Peak();
  if (p > 0.0) buffer.Scale(peak / p);
}

bool WriteWave(const Buffer& buffer, const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  auto u32 = [f](uint32_t v) {
    unsigned char b[4] = {(unsigned char)v, (unsigned char)(v >> 8), (unsigned char)(v >> 16), (unsigned char)(v >> 24)};
    std::fwrite(b, 1, 4, f);
  };
  auto u16 = [f](uint16_t v) {
    unsigned char b[2] = {(unsigned char)v, (unsigned char)(v >> 8)};
    std::fwrite(b, 1, 2, f);
  };
  uint32_t channels = (uint32_t)buffer.channels;
  uint32_t dataBytes = (uint32_t)(buffer.Frames() * channels * 2);
  std::fwrite("RIFF", 1, 4, f);
  u32(36 + dataBytes);
  std::fwrite("WAVEfmt ", 1, 8, f);
  u32(16);
  u16(1);
  u16((uint16_t)channels);
  u32((uint32_t)buffer.rate);
  u32((uint32_t)buffer.rate * channels * 2);
  u16((uint16_t)(channels * 2));
  u16(16);
  std::fwrite("data", 1, 4, f);
  u32(dataBytes);
  std::vector<unsigned char> out;
  out.reserve(dataBytes);
  auto put = [&out](float s) {
    long v = std::lround(std::clamp((double)s, -1.0, 1.0) * 32767.0);
    out.push_back((unsigned char)(v & 0xFF));
    out.push_back((unsigned char)((v >> 8) & 0xFF));
  };
  for (size_t i = 0; i < buffer.Frames(); ++i) {
    put(buffer.l[i]);
    if (channels == 2) put(buffer.r[i]);
  }
  std::fwrite(out.data(), 1, out.size(), f);
  return std::fclose(f) == 0;
}

}  // namespace synth
