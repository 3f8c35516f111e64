// The game's sound effects, each a short recipe of synthesised sources: clicks and ticks, bells,
// voices made from a buzzing source through vowel resonances, noise shaped into claps, rain, wind
// and paper, and a few notes of the music's instruments.
#include "Effects.h"

#include <algorithm>
#include <functional>

#include "Music.h"

namespace effects {
namespace {

using synth::Biquad;
using synth::Buffer;
using synth::OnePole;
using synth::Osc;
using synth::PinkNoise;
using synth::Rng;
using synth::TAU;

constexpr int kRate = 44100;

struct Fx {
  Buffer b;
  Rng rng;
  Fx(const char* name, double seconds, int rate = kRate) : b(rate, 1, seconds), rng(synth::Seed(name)) {}
  int Rate() const { return b.rate; }
  size_t At(double seconds) const { return (size_t)std::max(0.0, seconds * b.rate); }
  void AddFrame(size_t frame, double v) { b.Add(frame, v); }
};

// Cleans and levels a finished effect: no DC, no click at the start, a quiet tail trimmed.
Buffer Finish(Buffer b, double peak, bool loop = false) {
  Biquad dc;
  dc.SetHighPass(25.0, 0.7, b.rate);
  for (float& s : b.l) s = (float)dc.Process(s);
  if (!loop) {
    synth::FadeIn(b, 0.001);
    synth::TrimTail(b, 0.0008, 0.03);
  }
  synth::NormalisePeak(b, peak);
  return b;
}

// Folds whatever rings past `seconds` back over the start: the buffer then loops seamlessly.
void Wrap(Buffer& b, double seconds) {
  size_t n = (size_t)(seconds * b.rate);
  for (size_t i = n; i < b.Frames(); ++i) b.l[i % n] += b.l[i];
  b.l.resize(n);
}

// A decaying sine partial.
void Ping(Fx& fx, double start, double freq, double amp, double tau, double length = -1.0) {
  if (length < 0.0) length = tau * 7.0;
  size_t from = fx.At(start), frames = (size_t)(length * fx.Rate());
  for (size_t i = 0; i < frames; ++i) {
    double t = (double)i / fx.Rate();
    fx.AddFrame(from + i, amp * std::sin(TAU * freq * t) * std::exp(-t / tau) * std::min(1.0, t / 0.0005));
  }
}

// A burst of noise through `filter`, rising over `attack` seconds and dying away with `tau`.
void NoiseBurst(Fx& fx, double start, double length, Biquad filter, double amp, double attack, double tau) {
  size_t from = fx.At(start), frames = (size_t)(length * fx.Rate());
  for (size_t i = 0; i < frames; ++i) {
    double t = (double)i / fx.Rate();
    double env = t < attack ? t / attack : std::exp(-(t - attack) / tau);
    fx.AddFrame(from + i, filter.Process(fx.rng.Bipolar()) * env * amp);
  }
}

Biquad BandPass(double f, double q) {
  Biquad b;
  b.SetBandPass(f, q, kRate);
  return b;
}
Biquad HighPass(double f) {
  Biquad b;
  b.SetHighPass(f, 0.7, kRate);
  return b;
}
Biquad LowPass(double f) {
  Biquad b;
  b.SetLowPass(f, 0.7, kRate);
  return b;
}

// A voice: a buzzing glottal source (and breath) through three vowel resonances. `frame(u, t)`
// gives, over the call's length (u 0..1), pitch, formants, loudness and breathiness.
struct VoiceFrame {
  double pitch, f1, f2, f3, amp, breath;
};
void Vocal(Fx& fx, double start, double length, const std::function<VoiceFrame(double, double)>& frame, double gain) {
  Osc glottis;
  glottis.phase = fx.rng.Unit();
  OnePole tilt;
  tilt.SetLowPass(2200.0, fx.Rate());
  Biquad r1, r2, r3;
  size_t from = fx.At(start), frames = (size_t)(length * fx.Rate());
  double jitter = 0.0;
  VoiceFrame p{};
  for (size_t i = 0; i < frames; ++i) {
    double t = (double)i / fx.Rate();
    if (i % 32 == 0) {
      p = frame(t / length, t);
      r1.SetBandPass(p.f1, p.f1 / 90.0, fx.Rate());
      r2.SetBandPass(p.f2, p.f2 / 120.0, fx.Rate());
      r3.SetBandPass(p.f3, p.f3 / 160.0, fx.Rate());
      jitter = 0.97 * jitter + 0.03 * fx.rng.Bipolar();
    }
    double buzz = tilt.Process(glottis.Saw(p.pitch * (1.0 + 0.02 * jitter), fx.Rate()));
    double src = buzz * (1.0 - p.breath) + fx.rng.Bipolar() * p.breath * 0.6;
    double y = r1.Process(src) + 0.6 * r2.Process(src) + 0.3 * r3.Process(src);
    fx.AddFrame(from + i, y * p.amp * gain);
  }
}

// Vowel resonances of an adult voice, scaled up for a higher one.
struct Vowel {
  double f1, f2, f3;
};
constexpr Vowel kA{730, 1090, 2440}, kO{570, 840, 2410}, kU{300, 870, 2240}, kE{530, 1840, 2480}, kI{270, 2290, 3010},
    kM{250, 1200, 2300};
Vowel Blend(Vowel a, Vowel b, double x) {
  x = std::clamp(x, 0.0, 1.0);
  return {a.f1 + (b.f1 - a.f1) * x, a.f2 + (b.f2 - a.f2) * x, a.f3 + (b.f3 - a.f3) * x};
}
double Swell(double u, double rise, double fall) {
  if (u < rise) return u / rise;
  if (u > 1.0 - fall) return std::max(0.0, (1.0 - u) / fall);
  return 1.0;
}

// A note of one of the music's instruments into an effect.
void Instrument(Fx& fx, double start, music::Voice voice, double midi, double seconds, double vel, double gain) {
  Buffer note = music::RenderVoice(voice, seconds, synth::MidiToHz(midi), vel, fx.Rate(), fx.rng);
  size_t at = fx.At(start);
  for (size_t i = 0; i < note.Frames(); ++i) {
    double v = note.channels == 2 ? 0.5 * (double)(note.l[i] + note.r[i]) : (double)note.l[i];
    fx.AddFrame(at + i, v * gain);
  }
}

// The button click: a short wooden tock.
Buffer ZelkClick() {
  Fx fx("zelk_click", 0.07);
  Ping(fx, 0.0, 1750.0, 0.6, 0.006);
  Ping(fx, 0.0, 620.0, 0.5, 0.01);
  NoiseBurst(fx, 0.0, 0.02, BandPass(3500.0, 1.5), 1.0, 0.0002, 0.0015);
  return Finish(fx.b, 0.55);
}

// The mouse-over tick: smaller and higher than the click.
Buffer Mouseover() {
  Fx fx("mouseover", 0.05);
  Ping(fx, 0.0, 3200.0, 0.6, 0.005);
  Ping(fx, 0.0, 4800.0, 0.25, 0.003);
  NoiseBurst(fx, 0.0, 0.01, BandPass(6000.0, 2.0), 0.3, 0.0002, 0.001);
  return Finish(fx.b, 0.32);
}

// Something good happened: a harp's rising sweep into a bright chord.
Buffer Flourish() {
  Fx fx("flourish", 2.2);
  const int notes[] = {72, 76, 79, 84, 88, 91, 96};
  for (int i = 0; i < 7; ++i) Instrument(fx, i * 0.05, music::Voice::Pluck, notes[i], 0.9, 0.8, 0.5);
  for (int m : {84, 88, 91, 96}) Instrument(fx, 0.38, music::Voice::Bell, m, 0.8, 0.6, 0.18);
  synth::Reverb(fx.b, 0.5, 0.4, 0.35, 1.0);
  return Finish(fx.b, 0.7);
}

// The telephone: two rings of a clapper on twin bells, then a pause; it loops.
Buffer Telephone() {
  Fx fx("telephone", 3.5);
  for (double burst : {0.0, 0.6}) {
    for (int k = 0; k < 16; ++k) {
      double t = burst + k * 0.025;
      bool left = k % 2 == 0;
      double f = left ? 1420.0 : 1570.0;
      Ping(fx, t, f, 0.5, 0.05, 0.2);
      Ping(fx, t, f * 2.76, 0.15, 0.02, 0.1);
      Ping(fx, t, f * 5.4, 0.05, 0.01, 0.05);
    }
  }
  Wrap(fx.b, 3.0);
  return Finish(fx.b, 0.6, true);
}

// Bowling: the ball rolls down the lane and the pins scatter.
Buffer Bowling() {
  Fx fx("bowling", 3.0);
  Biquad rumble = LowPass(260.0);
  for (size_t i = 0; i < fx.At(1.65); ++i) {
    double t = (double)i / fx.Rate();
    double level = std::min(1.0, 0.2 + t / 1.3);
    double roll = 1.0 + 0.4 * std::sin(TAU * 7.0 * t);
    fx.AddFrame(i, rumble.Process(fx.rng.Bipolar()) * level * roll * 1.6);
  }
  Ping(fx, 1.6, 80.0, 0.8, 0.08);
  for (int k = 0; k < 16; ++k) {
    double t = 1.6 + std::pow(fx.rng.Unit(), 1.8) * 0.6;
    double f = fx.rng.Range(850.0, 2300.0);
    double amp = fx.rng.Range(0.4, 1.0) * (k < 10 ? 1.0 : 0.5);
    NoiseBurst(fx, t, 0.15, BandPass(f, 12.0), amp * 3.0, 0.0005, 0.045);
    Ping(fx, t, f * 0.5, amp * 0.2, 0.03);
  }
  for (int k = 0; k < 5; ++k) {
    double t = 2.15 + fx.rng.Unit() * 0.6;
    NoiseBurst(fx, t, 0.1, BandPass(fx.rng.Range(700.0, 1600.0), 10.0), 0.8, 0.0005, 0.03);
  }
  synth::Reverb(fx.b, 0.55, 0.5, 0.25, 1.0);
  return Finish(fx.b, 0.85);
}

// The cash register: a key, the drawer rolling out and the bell.
Buffer Cash() {
  Fx fx("cash", 1.8);
  NoiseBurst(fx, 0.0, 0.06, BandPass(2000.0, 3.0), 1.5, 0.0005, 0.012);
  Ping(fx, 0.0, 300.0, 0.3, 0.02);
  Biquad drawer = LowPass(1500.0);
  for (size_t i = fx.At(0.08); i < fx.At(0.42); ++i) {
    double t = (double)i / fx.Rate() - 0.08;
    double rattle = 0.6 + 0.4 * std::sin(TAU * 32.0 * t);
    fx.AddFrame(i, drawer.Process(fx.rng.Bipolar()) * rattle * std::sin(synth::PI * t / 0.34) * 0.35);
  }
  NoiseBurst(fx, 0.42, 0.08, BandPass(900.0, 2.0), 1.2, 0.001, 0.02);
  const double partials[4][2] = {{1.0, 0.6}, {2.32, 0.3}, {4.25, 0.15}, {6.63, 0.08}};
  for (const auto& p : partials) Ping(fx, 0.36, 2100.0 * p[0], p[1], 0.55 / p[0] + 0.1, 1.4);
  for (int k = 0; k < 8; ++k) Ping(fx, 0.5 + fx.rng.Unit() * 0.45, fx.rng.Range(3200.0, 6200.0), 0.08, 0.03);
  return Finish(fx.b, 0.8);
}

// A sneeze: the drawn-in "ah-", then the sudden "choo".
Buffer Sneeze() {
  Fx fx("sneeze", 1.4);
  Vocal(fx, 0.0, 0.55, [](double u, double) {
    Vowel v = Blend(kA, kE, u);
    return VoiceFrame{220.0 + 110.0 * u, v.f1, v.f2, v.f3, std::pow(u, 1.5) * Swell(u, 0.1, 0.05), 0.55};
  }, 2.0);
  NoiseBurst(fx, 0.62, 0.25, HighPass(2800.0), 0.3, 0.003, 0.06);
  Vocal(fx, 0.63, 0.45, [](double u, double) {
    Vowel v = Blend(kE, kU, u * 3.0);
    return VoiceFrame{300.0 - 90.0 * u, v.f1, v.f2, v.f3, std::exp(-u * 5.0) * std::min(1.0, u / 0.02), 0.75};
  }, 3.5);
  return Finish(fx.b, 0.85);
}

// A cough: two dry barks of breath.
Buffer Cough() {
  Fx fx("cough", 1.0);
  for (double start : {0.0, 0.36}) {
    double level = start == 0.0 ? 1.0 : 0.7;
    Vocal(fx, start, 0.28, [level](double u, double) {
      Vowel v = Blend(kA, kO, u);
      return VoiceFrame{150.0 - 30.0 * u, v.f1, v.f2, v.f3, level * std::exp(-u * 4.0) * std::min(1.0, u / 0.03), 0.7};
    }, 2.0);
    NoiseBurst(fx, start, 0.1, BandPass(1800.0, 1.0), 0.5 * level, 0.002, 0.02);
  }
  return Finish(fx.b, 0.8);
}

// A cold wind: howling, shifting bands of noise; it loops.
Buffer ColdWindLoop() {
  Fx fx("cold_wind_loop", 9.5);
  PinkNoise pink(fx.rng.Next()), base(fx.rng.Next());
  Biquad howl, howl2, body = LowPass(700.0);
  double p1 = fx.rng.Unit(), p2 = fx.rng.Unit(), p3 = fx.rng.Unit();
  for (size_t i = 0; i < fx.b.Frames(); ++i) {
    double t = (double)i / fx.Rate();
    if (i % 32 == 0) {
      double c = 520.0 + 260.0 * std::sin(TAU * (0.07 * t + p1)) + 140.0 * std::sin(TAU * (0.19 * t + p2));
      howl.SetBandPass(c, 4.0, fx.Rate());
      howl2.SetBandPass(c * 1.9, 6.0, fx.Rate());
    }
    double gust = 0.65 + 0.35 * std::sin(TAU * (0.11 * t + p3));
    double n = pink.Next();
    double v = (howl.Process(n) * 3.0 + howl2.Process(n) * 1.5) * gust + body.Process(base.Next()) * 0.6;
    fx.AddFrame(i, v);
  }
  synth::MakeLoop(fx.b, 1.5);
  return Finish(fx.b, 0.6, true);
}

// A pencil writing: strokes of scratching with the breaks between letters and words.
Buffer Writing() {
  Fx fx("writing", 6.2);
  Biquad hp = HighPass(2200.0), bp = BandPass(4500.0, 0.8);
  double t = 0.05;
  int strokes = 0;
  while (t < 5.9) {
    double len = fx.rng.Range(0.08, 0.25);
    double level = fx.rng.Range(0.5, 1.0);
    double grain = fx.rng.Range(40.0, 80.0);
    size_t from = fx.At(t), frames = (size_t)(len * fx.Rate());
    for (size_t i = 0; i < frames; ++i) {
      double u = (double)i / frames, s = (double)i / fx.Rate();
      double env = std::sin(synth::PI * u) * (0.7 + 0.3 * std::sin(TAU * grain * s));
      fx.AddFrame(from + i, bp.Process(hp.Process(fx.rng.Bipolar())) * env * level);
    }
    t += len + fx.rng.Range(0.02, 0.08);
    if (++strokes % 6 == 0) t += fx.rng.Range(0.15, 0.3);  // a word ends
  }
  return Finish(fx.b, 0.5);
}

// A crowd's voices together, each its own pitch and timing.
void Crowd(Fx& fx, int voices, double length, const std::function<VoiceFrame(double, double, double)>& frame) {
  for (int k = 0; k < voices; ++k) {
    bool high = k % 2 == 0;
    double pitch = high ? fx.rng.Range(200.0, 280.0) : fx.rng.Range(105.0, 150.0);
    double scale = high ? 1.15 : 1.0;
    double start = fx.rng.Range(0.0, 0.12);
    double len = length * fx.rng.Range(0.85, 1.0);
    double gain = fx.rng.Range(0.6, 1.0);
    Vocal(fx, start, len, [=](double u, double t) {
      VoiceFrame f = frame(u, t, pitch);
      f.f1 *= scale;
      f.f2 *= scale;
      f.f3 *= scale;
      return f;
    }, gain);
  }
}

// A crowd's "ahh": disappointment, the pitch sinking.
Buffer Ahh() {
  Fx fx("ahh", 1.9);
  Crowd(fx, 12, 1.5, [](double u, double, double pitch) {
    return VoiceFrame{pitch * (1.05 - 0.2 * u), kA.f1, kA.f2, kA.f3, Swell(u, 0.12, 0.45), 0.35};
  });
  synth::Reverb(fx.b, 0.5, 0.5, 0.2, 1.0);
  return Finish(fx.b, 0.8);
}

// A crowd's "ooh": impressed, rising then falling.
Buffer Ooh() {
  Fx fx("ooh", 1.9);
  Crowd(fx, 12, 1.5, [](double u, double, double pitch) {
    Vowel v = Blend(kO, kU, u);
    double bend = 1.0 + 0.25 * std::sin(synth::PI * std::min(1.0, u * 1.4));
    return VoiceFrame{pitch * bend, v.f1, v.f2, v.f3, Swell(u, 0.15, 0.4), 0.3};
  });
  synth::Reverb(fx.b, 0.5, 0.5, 0.2, 1.0);
  return Finish(fx.b, 0.8);
}

// A burglar alarm: an electric bell hammered without stopping.
Buffer Alarm() {
  Fx fx("alarm", 3.2);
  for (int k = 0; k < 60; ++k) {
    double t = k * 0.05;
    Ping(fx, t, 1150.0, 0.5, 0.06, 0.25);
    Ping(fx, t, 1150.0 * 2.6, 0.2, 0.03, 0.12);
    NoiseBurst(fx, t, 0.01, BandPass(3000.0, 3.0), 0.15, 0.0002, 0.002);
  }
  return Finish(fx.b, 0.75);
}

// Applause: many hands, each clap a short band of noise.
void Claps(Fx& fx, double length, double rate, double rise, double fall) {
  double t = 0.0;
  while (t < length) {
    double u = t / length;
    double density = rate * Swell(u, rise, fall) + 2.0;
    t += fx.rng.Range(0.2, 1.8) / density;
    double f = fx.rng.Range(900.0, 2600.0);
    NoiseBurst(fx, t, 0.06, BandPass(f, fx.rng.Range(1.5, 3.0)), fx.rng.Range(0.3, 1.0) * Swell(u, rise, fall) * 3.0,
               0.0005, fx.rng.Range(0.008, 0.015));
  }
}

Buffer Applause() {
  Fx fx("applause", 4.2);
  Claps(fx, 4.0, 45.0, 0.08, 0.35);
  synth::Reverb(fx.b, 0.45, 0.5, 0.2, 1.0);
  return Finish(fx.b, 0.8);
}

// A promotion: louder applause with whistles and cheers.
Buffer PromotionApplause() {
  Fx fx("promotion_applause", 6.2);
  Claps(fx, 6.0, 65.0, 0.05, 0.3);
  for (double start : {0.6, 2.1, 3.4}) {
    size_t from = fx.At(start), frames = (size_t)(0.45 * fx.Rate());
    double phase = 0.0;
    for (size_t i = 0; i < frames; ++i) {
      double t = (double)i / fx.Rate(), u = t / 0.45;
      double f = 1800.0 + 900.0 * std::sin(synth::PI * 0.5 * std::min(1.0, u * 1.5)) + 40.0 * std::sin(TAU * 7.0 * t);
      phase += f / fx.Rate();
      fx.AddFrame(from + i, 0.25 * std::sin(TAU * phase) * Swell(u, 0.1, 0.3));
    }
  }
  Crowd(fx, 8, 1.2, [](double u, double, double pitch) {
    Vowel v = Blend(kE, kA, u * 2.0);
    return VoiceFrame{pitch * (1.1 + 0.25 * u), v.f1, v.f2, v.f3, 0.8 * Swell(u, 0.1, 0.5), 0.3};
  });
  synth::Reverb(fx.b, 0.5, 0.5, 0.2, 1.0);
  return Finish(fx.b, 0.85);
}

// A soft electronic beep.
Buffer Beep() {
  Fx fx("beep", 0.16);
  for (size_t i = 0; i < fx.At(0.14); ++i) {
    double t = (double)i / fx.Rate();
    double env = std::min(1.0, t / 0.005) * std::min(1.0, (0.14 - t) / 0.02);
    fx.AddFrame(i, (std::sin(TAU * 1000.0 * t) + 0.15 * std::sin(TAU * 3000.0 * t)) * env);
  }
  return Finish(fx.b, 0.4);
}

// Birdsong: chirps are fast glides of a whistle.
void Chirp(Fx& fx, double start, double length, double f0, double f1, double amp, double wobble = 0.0) {
  size_t from = fx.At(start), frames = (size_t)(length * fx.Rate());
  double phase = 0.0;
  for (size_t i = 0; i < frames; ++i) {
    double t = (double)i / fx.Rate(), u = t / length;
    double f = f0 + (f1 - f0) * u + wobble * std::sin(TAU * 45.0 * t);
    phase += f / fx.Rate();
    double env = std::sin(synth::PI * u);
    fx.AddFrame(from + i, amp * env * env * (std::sin(TAU * phase) + 0.08 * std::sin(2.0 * TAU * phase)));
  }
}

Buffer Birdsong1() {
  Fx fx("birdsong_1", 1.6);
  double t = 0.02;
  for (int k = 0; k < 5; ++k) {
    Chirp(fx, t, fx.rng.Range(0.06, 0.09), 3000.0 + 150.0 * k, 5000.0, 0.8);
    t += 0.14;
  }
  for (int k = 0; k < 8; ++k) Chirp(fx, t + 0.05 + k * 0.045, 0.035, 5200.0, 4200.0, 0.6);
  synth::Reverb(fx.b, 0.4, 0.6, 0.2, 1.0);
  return Finish(fx.b, 0.6);
}

Buffer Birdsong2() {
  Fx fx("birdsong_2", 2.0);
  for (double start : {0.02, 0.7}) {
    Chirp(fx, start, 0.16, 4200.0, 3800.0, 0.8, 60.0);
    Chirp(fx, start + 0.2, 0.24, 3100.0, 2900.0, 0.7, 40.0);
  }
  Chirp(fx, 1.45, 0.1, 3500.0, 4600.0, 0.6);
  synth::Reverb(fx.b, 0.4, 0.6, 0.2, 1.0);
  return Finish(fx.b, 0.6);
}

Buffer Birdsong3() {
  Fx fx("birdsong_3", 1.4);
  for (int k = 0; k < 12; ++k) Chirp(fx, 0.02 + k * 0.05, 0.04, 5000.0, 3500.0, 0.7);
  Chirp(fx, 0.75, 0.09, 3800.0, 4800.0, 0.8);
  Chirp(fx, 0.92, 0.12, 4600.0, 3600.0, 0.8);
  synth::Reverb(fx.b, 0.4, 0.6, 0.2, 1.0);
  return Finish(fx.b, 0.6);
}

// A bored sigh: a breath in, then a long, sinking "haah".
Buffer BoredSigh() {
  Fx fx("bored_sigh", 1.7);
  NoiseBurst(fx, 0.0, 0.35, BandPass(1500.0, 1.0), 0.25, 0.15, 0.08);
  Vocal(fx, 0.35, 1.25, [](double u, double) {
    Vowel v = Blend(kA, kO, u);
    return VoiceFrame{115.0 - 30.0 * u, v.f1, v.f2, v.f3, Swell(u, 0.12, 0.6), 0.8 - 0.2 * u};
  }, 1.5);
  return Finish(fx.b, 0.7);
}

// The dentist's drill: spin-up, a whine that strains under load, spin-down.
Buffer Dentist() {
  Fx fx("dentist", 2.6);
  Biquad air = HighPass(5000.0), grind = BandPass(1800.0, 2.0);
  double phase = 0.0;
  for (size_t i = 0; i < fx.b.Frames(); ++i) {
    double t = (double)i / fx.Rate();
    double speed = std::min(1.0, t / 0.3) * (t > 2.25 ? std::max(0.0, (2.6 - t) / 0.35) : 1.0);
    bool load = t > 1.0 && t < 1.8;
    double f = 2900.0 * speed * (load ? 0.9 : 1.0) * (1.0 + 0.004 * std::sin(TAU * 30.0 * t));
    phase += f / fx.Rate();
    double whine = std::sin(TAU * phase) + 0.3 * std::sin(2.0 * TAU * phase) + 0.15 * std::sin(3.0 * TAU * phase);
    double noise = air.Process(fx.rng.Bipolar()) * 0.15 + (load ? grind.Process(fx.rng.Bipolar()) * 0.6 : 0.0);
    fx.AddFrame(i, (whine * 0.5 + noise) * std::min(1.0, speed * 1.5));
  }
  return Finish(fx.b, 0.6);
}

// A dog's bark: a falling, rough "woof".
void Bark(Fx& fx, double start, double pitch, double length, double level) {
  Vocal(fx, start, length, [=](double u, double) {
    Vowel v = Blend(kU, kA, std::min(1.0, u * 4.0));
    return VoiceFrame{pitch * (1.0 - 0.3 * u), v.f1 * 1.1, v.f2 * 1.3, v.f3 * 1.1,
                      level * std::exp(-u * 3.0) * std::min(1.0, u / 0.06), 0.35};
  }, 3.0);
}

Buffer DogBark() {
  Fx fx("dog_bark", 1.0);
  Bark(fx, 0.0, 430.0, 0.2, 1.0);
  Bark(fx, 0.38, 410.0, 0.22, 0.9);
  return Finish(fx.b, 0.85);
}

void Growl(Fx& fx, double start, double length, double level) {
  Vocal(fx, start, length, [&fx, level](double u, double t) {
    double rough = 0.6 + 0.4 * std::sin(TAU * 31.0 * t);
    return VoiceFrame{88.0 * (1.0 + 0.08 * std::sin(TAU * 3.0 * t)) * (1.0 + 0.05 * fx.rng.Bipolar()), 420.0, 1000.0, 2500.0,
                      level * rough * Swell(u, 0.2, 0.25), 0.45};
  }, 3.0);
}

Buffer DogAngry() {
  Fx fx("dog_angry", 1.6);
  Growl(fx, 0.0, 0.5, 0.5);
  for (int k = 0; k < 4; ++k) Bark(fx, 0.45 + k * 0.24, 520.0 - 15.0 * k, 0.17, 1.0);
  return Finish(fx.b, 0.85);
}

Buffer DogGrowl() {
  Fx fx("dog_growl", 2.1);
  Growl(fx, 0.0, 2.0, 1.0);
  return Finish(fx.b, 0.8);
}

// Something went wrong: two low tones going down.
Buffer Error() {
  Fx fx("error", 0.42);
  for (int k = 0; k < 2; ++k) {
    double f = k == 0 ? 440.0 : 330.0;
    size_t from = fx.At(k * 0.17), frames = fx.At(0.15);
    Osc o;
    Biquad lp = LowPass(1800.0);
    for (size_t i = 0; i < frames; ++i) {
      double t = (double)i / fx.Rate();
      double env = std::min(1.0, t / 0.005) * std::min(1.0, (0.15 - t) / 0.03);
      fx.AddFrame(from + i, lp.Process(o.Square(f, fx.Rate(), 0.5)) * env);
    }
  }
  return Finish(fx.b, 0.45);
}

// Fireworks: a whistling rocket (or a launch thump), the bang and the crackle.
Buffer Firework(const char* name, bool whistle, int bangs, double crackle) {
  Fx fx(name, 3.6);
  double bang = whistle ? 1.0 : 0.35;
  if (whistle) {
    double phase = 0.0;
    for (size_t i = 0; i < fx.At(0.95); ++i) {
      double t = (double)i / fx.Rate(), u = t / 0.95;
      double f = 800.0 + 1900.0 * u;
      phase += f / fx.Rate();
      fx.AddFrame(i, 0.2 * std::sin(TAU * phase) * Swell(u, 0.2, 0.05));
    }
    NoiseBurst(fx, 0.0, 0.9, BandPass(2500.0, 2.0), 0.05, 0.4, 0.3);
  } else {
    Ping(fx, 0.0, 70.0, 0.6, 0.05);
    NoiseBurst(fx, 0.0, 0.2, LowPass(800.0), 0.5, 0.002, 0.04);
  }
  for (int k = 0; k < bangs; ++k) {
    double t = bang + k * 0.22;
    NoiseBurst(fx, t, 0.8, LowPass(2500.0), 1.4, 0.001, 0.12);
    Ping(fx, t, 55.0, 1.0, 0.3);
  }
  int crackles = (int)(crackle * 120);
  for (int k = 0; k < crackles; ++k) {
    double t = bang + 0.25 + fx.rng.Unit() * crackle;
    NoiseBurst(fx, t, 0.01, HighPass(2500.0), fx.rng.Range(0.1, 0.4), 0.0002, 0.0015);
  }
  synth::Reverb(fx.b, 0.8, 0.3, 0.35, 1.0);
  return Finish(fx.b, 0.85);
}

// Flies buzzing past.
Buffer Flies() {
  Fx fx("flies", 2.6);
  for (int fly = 0; fly < 2; ++fly) {
    Osc o;
    Biquad bp = BandPass(fly ? 700.0 : 500.0, 0.9);
    double base = fly ? 215.0 : 182.0, drift = 0.0;
    double offset = fly ? 0.6 : 0.0, length = fly ? 1.9 : 2.5;
    size_t from = fx.At(offset), frames = fx.At(length);
    for (size_t i = 0; i < frames; ++i) {
      double t = (double)i / fx.Rate(), u = t / length;
      if (i % 64 == 0) drift = 0.98 * drift + 0.02 * fx.rng.Bipolar();
      double f = base * (1.0 + 0.04 * std::sin(TAU * 9.0 * t) + 0.1 * drift);
      double pass = std::sin(synth::PI * u);
      fx.AddFrame(from + i, bp.Process(o.Saw(f, fx.Rate())) * pass * pass * (fly ? 0.6 : 1.0));
    }
  }
  return Finish(fx.b, 0.55);
}

// The fruit machine's reels spinning, with its little tune; it loops.
Buffer GamblingLoop() {
  Fx fx("gambling_loop", 2.5);
  for (int k = 0; k < 32; ++k) {
    NoiseBurst(fx, k / 16.0, 0.03, BandPass(2500.0, 4.0), k % 4 == 0 ? 0.9 : 0.6, 0.0003, 0.004);
  }
  const int tune[16] = {72, 76, 79, 84, 79, 76, 72, 76, 74, 77, 81, 86, 81, 77, 74, 79};
  for (int k = 0; k < 16; ++k) Instrument(fx, k * 0.125, music::Voice::ChipArp, tune[k], 0.1, 0.7, 0.6);
  Wrap(fx.b, 2.0);
  return Finish(fx.b, 0.6, true);
}

// A win on the machine: a rising jingle, a chord and a shower of coins.
Buffer GamblingWin() {
  Fx fx("gambling_win", 2.4);
  const int run[7] = {72, 76, 79, 84, 88, 91, 96};
  for (int k = 0; k < 7; ++k) Instrument(fx, k * 0.06, music::Voice::ChipLead, run[k], 0.06, 0.9, 0.7);
  for (int m : {72, 76, 79, 84}) Instrument(fx, 0.45, music::Voice::ChipLead, m, 0.6, 0.8, 0.35);
  for (int k = 0; k < 24; ++k) {
    double t = 0.5 + fx.rng.Unit() * 1.4;
    double f = fx.rng.Range(3000.0, 6000.0);
    Ping(fx, t, f, 0.15, 0.04);
    Ping(fx, t, f * 1.48, 0.06, 0.02);
  }
  return Finish(fx.b, 0.75);
}

// A giggle and a kiss.
Buffer GiggleKiss() {
  Fx fx("gigglekiss", 1.4);
  for (int k = 0; k < 5; ++k) {
    double pitch = 330.0 + 22.0 * k;
    Vocal(fx, k * 0.11, 0.08, [pitch](double u, double) {
      Vowel v = Blend(kE, kI, u);
      return VoiceFrame{pitch * (1.0 + 0.1 * u), v.f1 * 1.2, v.f2 * 1.15, v.f3 * 1.1, std::sin(synth::PI * u), 0.5};
    }, 2.0);
  }
  Vocal(fx, 0.75, 0.12, [](double u, double) {
    return VoiceFrame{210.0, kM.f1, kM.f2, kM.f3, 0.4 * Swell(u, 0.3, 0.3), 0.2};
  }, 1.5);
  NoiseBurst(fx, 0.88, 0.05, BandPass(1400.0, 3.0), 1.6, 0.0003, 0.008);
  Ping(fx, 0.88, 900.0, 0.3, 0.01);
  return Finish(fx.b, 0.75);
}

// A kung-fu move: a whoosh and a hit, twice.
Buffer Kungfu() {
  Fx fx("kungfu", 1.0);
  for (int k = 0; k < 2; ++k) {
    double start = k * 0.33;
    Biquad sweep;
    size_t from = fx.At(start), frames = fx.At(0.25);
    for (size_t i = 0; i < frames; ++i) {
      double u = (double)i / frames;
      if (i % 16 == 0) sweep.SetBandPass(400.0 + 2600.0 * u, 1.5, fx.Rate());
      fx.AddFrame(from + i, sweep.Process(fx.rng.Bipolar()) * std::sin(synth::PI * u) * 1.2);
    }
    Ping(fx, start + 0.25, 90.0, 1.0, 0.06);
    NoiseBurst(fx, start + 0.25, 0.05, BandPass(1200.0, 1.0), 1.0, 0.0005, 0.01);
  }
  return Finish(fx.b, 0.85);
}

// A laboratory: bubbling flasks over a humming machine, and a spark.
Buffer Laboratory() {
  Fx fx("laboratory", 3.0);
  for (size_t i = 0; i < fx.b.Frames(); ++i) {
    double t = (double)i / fx.Rate();
    double hum = std::sin(TAU * 100.0 * t) + 0.4 * std::sin(TAU * 200.0 * t) + 0.15 * std::sin(TAU * 300.0 * t);
    fx.AddFrame(i, hum * 0.06 * std::min(1.0, t / 0.2) * std::min(1.0, (3.0 - t) / 0.2));
  }
  double t = 0.0;
  while (t < 2.8) {
    t += fx.rng.Range(0.03, 0.12);
    double len = fx.rng.Range(0.03, 0.06), f0 = fx.rng.Range(300.0, 600.0);
    size_t from = fx.At(t), frames = fx.At(len);
    double phase = 0.0;
    for (size_t i = 0; i < frames; ++i) {
      double u = (double)i / frames;
      phase += f0 * (1.0 + 1.2 * u) / fx.Rate();
      fx.AddFrame(from + i, 0.35 * std::sin(TAU * phase) * std::sin(synth::PI * u));
    }
  }
  Biquad zap;
  for (size_t i = fx.At(1.5); i < fx.At(1.8); ++i) {
    double u = ((double)i / fx.Rate() - 1.5) / 0.3;
    if (i % 16 == 0) zap.SetBandPass(3000.0 - 2000.0 * u + 500.0 * std::sin(TAU * 40.0 * u), 3.0, fx.Rate());
    fx.AddFrame(i, zap.Process(fx.rng.Bipolar()) * (1.0 - u) * 1.5);
  }
  return Finish(fx.b, 0.7);
}

// A police car's two-tone siren.
Buffer Police() {
  Fx fx("police", 3.6);
  double phase = 0.0;
  for (size_t i = 0; i < fx.At(3.4); ++i) {
    double t = (double)i / fx.Rate();
    double f = std::fmod(t, 1.1) < 0.55 ? 466.0 : 622.0;
    phase += f / fx.Rate();
    double x = phase - std::floor(phase);
    double wave = 4.0 * std::fabs(x - 0.5) - 1.0;  // a triangle: soft, with odd harmonics
    double edge = std::min(1.0, t / 0.05) * std::min(1.0, (3.4 - t) / 0.2);
    fx.AddFrame(i, (wave + 0.3 * std::sin(TAU * 3.0 * phase)) * edge);
  }
  synth::Reverb(fx.b, 0.6, 0.4, 0.25, 1.0);
  return Finish(fx.b, 0.7);
}

// A film projector: the shutter's clatter over the motor.
Buffer Projector() {
  Fx fx("projector", 3.6);
  for (size_t i = 0; i < fx.At(3.5); ++i) {
    double t = (double)i / fx.Rate();
    double speed = std::min(1.0, t / 0.4);
    fx.AddFrame(i, (std::sin(TAU * 180.0 * speed * t) * 0.08 + std::sin(TAU * 360.0 * speed * t) * 0.04) *
                       std::min(1.0, (3.5 - t) / 0.2));
  }
  for (double t = 0.1; t < 3.4; t += 1.0 / 24.0) {
    double speed = std::min(1.0, t / 0.4);
    NoiseBurst(fx, t, 0.02, BandPass(1800.0, 3.0), 0.5 * speed * (std::fmod(t * 24.0, 2.0) < 1.0 ? 1.0 : 0.7), 0.0003, 0.003);
  }
  NoiseBurst(fx, 0.0, 3.5, BandPass(4000.0, 0.6), 0.04, 0.3, 3.0);
  return Finish(fx.b, 0.6);
}

// Steady rain with drops here and there; it loops.
Buffer RainLoop() {
  Fx fx("rain_loop", 7.0);
  PinkNoise pink(fx.rng.Next());
  Biquad hp = HighPass(300.0), lp = LowPass(6000.0);
  for (size_t i = 0; i < fx.b.Frames(); ++i) fx.AddFrame(i, lp.Process(hp.Process(pink.Next())) * 1.2);
  int drops = 7 * 180;
  for (int k = 0; k < drops; ++k) {
    double t = fx.rng.Unit() * 6.95;
    bool big = fx.rng.Chance(0.05);
    NoiseBurst(fx, t, 0.02, BandPass(fx.rng.Range(2000.0, 6000.0), 3.0), big ? 0.6 : 0.2, 0.0002, big ? 0.005 : 0.002);
  }
  synth::MakeLoop(fx.b, 1.0);
  return Finish(fx.b, 0.55, true);
}

// Turning a page.
Buffer Readbook() {
  Fx fx("readbook", 0.9);
  Biquad bp = BandPass(3500.0, 0.8);
  double flutter = 0.0;
  for (size_t i = fx.At(0.05); i < fx.At(0.6); ++i) {
    double u = ((double)i / fx.Rate() - 0.05) / 0.55;
    if (i % 220 == 0) flutter = fx.rng.Range(0.3, 1.0);
    fx.AddFrame(i, bp.Process(fx.rng.Bipolar()) * std::sin(synth::PI * u) * flutter);
  }
  NoiseBurst(fx, 0.58, 0.1, BandPass(800.0, 1.5), 1.0, 0.002, 0.03);
  return Finish(fx.b, 0.55);
}

// A stopwatch ticking, four ticks a second; it loops.
Buffer Stopwatch() {
  Fx fx("stopwatch", 2.2);
  for (int k = 0; k < 8; ++k) {
    double f = k % 2 ? 2600.0 : 3000.0;
    Ping(fx, k * 0.25, f, 0.5, 0.003, 0.03);
    NoiseBurst(fx, k * 0.25, 0.02, BandPass(4000.0, 8.0), 1.0, 0.0002, 0.002);
  }
  Wrap(fx.b, 2.0);
  return Finish(fx.b, 0.6, true);
}

// Thunder: the crack, then a long rolling rumble.
Buffer Thunder() {
  Fx fx("thunder", 5.5);
  NoiseBurst(fx, 0.05, 0.5, HighPass(200.0), 0.8, 0.002, 0.12);
  PinkNoise pink(fx.rng.Next());
  Biquad lp = LowPass(220.0), lp2 = LowPass(220.0);
  std::vector<std::pair<double, double>> rolls;
  for (int k = 0; k < 7; ++k) rolls.push_back({0.1 + fx.rng.Unit() * 3.5, fx.rng.Range(0.4, 1.0)});
  for (size_t i = 0; i < fx.b.Frames(); ++i) {
    double t = (double)i / fx.Rate();
    double env = 0.0;
    for (const auto& r : rolls)
      if (t >= r.first) env += r.second * std::exp(-(t - r.first) / 0.6) * std::min(1.0, (t - r.first) / 0.08);
    env *= std::exp(-t / 2.5);
    fx.AddFrame(i, lp2.Process(lp.Process(pink.Next())) * env * 6.0);
  }
  synth::Reverb(fx.b, 0.85, 0.6, 0.3, 1.0);
  return Finish(fx.b, 0.9);
}

// Paper crumpled and dropped in a bin.
Buffer Trash() {
  Fx fx("trash", 1.2);
  double t = 0.0;
  while (t < 0.45) {
    t += fx.rng.Range(0.005, 0.03);
    NoiseBurst(fx, t, 0.03, HighPass(fx.rng.Range(2000.0, 4000.0)), fx.rng.Range(0.2, 0.8), 0.0005, fx.rng.Range(0.003, 0.01));
  }
  Ping(fx, 0.7, 140.0, 0.8, 0.05);
  Ping(fx, 0.7, 900.0, 0.15, 0.15);
  Ping(fx, 0.7, 1350.0, 0.1, 0.12);
  NoiseBurst(fx, 0.7, 0.05, BandPass(600.0, 1.0), 0.6, 0.001, 0.015);
  return Finish(fx.b, 0.75);
}

// A typewriter key: the type bar's clack.
Buffer TypewriterKey() {
  Fx fx("typewriter_key", 0.2);
  NoiseBurst(fx, 0.0, 0.05, BandPass(2200.0, 3.0), 1.6, 0.0003, 0.006);
  Ping(fx, 0.0, 220.0, 0.5, 0.015);
  Ping(fx, 0.004, 3500.0, 0.08, 0.02);
  return Finish(fx.b, 0.75);
}

// Typing on a keyboard.
Buffer Typing() {
  Fx fx("typing", 2.1);
  double t = 0.02;
  int keys = 0;
  while (t < 1.95) {
    bool space = ++keys % 6 == 0;
    NoiseBurst(fx, t, 0.03, BandPass(space ? 900.0 : fx.rng.Range(1500.0, 3000.0), 2.5), fx.rng.Range(0.6, 1.0), 0.0003, 0.005);
    Ping(fx, t, space ? 250.0 : 400.0, 0.2, 0.008);
    t += fx.rng.Range(0.07, 0.16);
  }
  return Finish(fx.b, 0.6);
}

// An old video game's explosion.
Buffer VideogameExplosion() {
  Fx fx("videogame_explosion", 1.0);
  double hold = 0.0, acc = 1.0, phase = 0.0;
  for (size_t i = 0; i < fx.b.Frames(); ++i) {
    double t = (double)i / fx.Rate();
    acc += (8000.0 * std::exp(-t / 0.3) + 600.0) / fx.Rate();
    if (acc >= 1.0) {
      acc -= std::floor(acc);
      hold = fx.rng.Chance(0.5) ? 1.0 : -1.0;
    }
    phase += (40.0 + 160.0 * std::exp(-t / 0.1)) / fx.Rate();
    double square = phase - std::floor(phase) < 0.5 ? 0.5 : -0.5;
    fx.AddFrame(i, (hold * 0.8 + square * std::exp(-t / 0.15)) * std::exp(-t / 0.3));
  }
  return Finish(fx.b, 0.7);
}

// An old video game's shot.
Buffer VideogameShell() {
  Fx fx("videogame_shell", 0.3);
  Osc o;
  for (size_t i = 0; i < fx.b.Frames(); ++i) {
    double t = (double)i / fx.Rate();
    double f = 300.0 + 1300.0 * std::exp(-t / 0.06);
    fx.AddFrame(i, o.Square(f, fx.Rate(), 0.25) * std::exp(-t / 0.1));
  }
  return Finish(fx.b, 0.5);
}

// Wine poured into a glass: a clink, then glugs that rise as it fills.
Buffer Wine() {
  Fx fx("wine", 2.3);
  Ping(fx, 0.0, 2800.0, 0.3, 0.2);
  Ping(fx, 0.0, 4150.0, 0.15, 0.15);
  Biquad liquid = BandPass(2200.0, 1.5);
  for (size_t i = fx.At(0.25); i < fx.At(2.2); ++i) {
    double u = ((double)i / fx.Rate() - 0.25) / 1.95;
    double flow = 0.5 + 0.5 * std::sin(TAU * 6.0 * u * 1.95);
    fx.AddFrame(i, liquid.Process(fx.rng.Bipolar()) * 0.25 * flow * Swell(u, 0.05, 0.15));
  }
  for (double t = 0.3; t < 2.1; t += fx.rng.Range(0.13, 0.2)) {
    double u = (t - 0.3) / 1.8;
    double f0 = 350.0 + 350.0 * u, len = fx.rng.Range(0.05, 0.08);
    size_t from = fx.At(t), frames = fx.At(len);
    double phase = 0.0;
    for (size_t i = 0; i < frames; ++i) {
      double v = (double)i / frames;
      phase += f0 * (1.0 + 0.5 * v) / fx.Rate();
      fx.AddFrame(from + i, 0.45 * std::sin(TAU * phase) * std::sin(synth::PI * v));
    }
  }
  return Finish(fx.b, 0.65);
}

// A yawn: rising, opening wide, then sinking to a close.
Buffer Yawn() {
  Fx fx("yawn", 2.2);
  Vocal(fx, 0.0, 2.0, [](double u, double) {
    double pitch = u < 0.3 ? 200.0 + 200.0 * u : 260.0 - 120.0 * (u - 0.3) / 0.7;
    Vowel v = u < 0.5 ? Blend(kA, kO, u * 2.0) : Blend(kO, kM, (u - 0.5) * 2.0);
    return VoiceFrame{pitch, v.f1, v.f2, v.f3, Swell(u, 0.15, 0.35), 0.45 + 0.3 * u};
  }, 1.2);
  return Finish(fx.b, 0.7);
}

// The parrot: two harsh squawks.
Buffer Parrot() {
  Fx fx("parrot", 1.0, 22050);
  for (double start : {0.0, 0.45}) {
    size_t from = fx.At(start), frames = fx.At(0.3);
    Biquad formant;
    formant.SetBandPass(2000.0, 1.5, fx.Rate());
    for (size_t i = 0; i < frames; ++i) {
      double t = (double)i / fx.Rate(), u = t / 0.3;
      double carrier = 1500.0 + 500.0 * std::sin(synth::PI * u);
      double s = std::sin(TAU * carrier * t + 4.0 * std::sin(TAU * 620.0 * t)) + 0.3 * fx.rng.Bipolar();
      fx.AddFrame(from + i, formant.Process(s) * Swell(u, 0.08, 0.3) * 2.0);
    }
  }
  return Finish(fx.b, 0.8);
}

// A cat's miaow: a high "mi" that opens into a falling "aow".
Buffer CatMiaow() {
  Fx fx("cat_miaow", 1.0);
  Vocal(fx, 0.02, 0.75, [](double u, double) {
    Vowel v = u < 0.25 ? Blend(kI, kE, u / 0.25) : Blend(kA, kO, (u - 0.25) / 0.75);
    double pitch = 520.0 + 260.0 * std::sin(synth::PI * std::min(1.0, u * 1.6)) - 120.0 * u;
    return VoiceFrame{pitch, v.f1 * 1.4, v.f2 * 1.5, v.f3 * 1.3, Swell(u, 0.1, 0.35), 0.75};
  }, 1.6);
  return Finish(fx.b, 0.75);
}

// A hamster's squeak: three quick, high peeps.
Buffer HamsterSqueak() {
  Fx fx("hamster_squeak", 0.6);
  for (int k = 0; k < 3; ++k) Chirp(fx, 0.02 + k * 0.14, 0.07, 3600.0 + 250.0 * k, 4400.0, 0.8, 35.0);
  return Finish(fx.b, 0.6);
}

// Bubbles rising in a fish tank: small plops, each pitched upward as it leaves the water.
Buffer FishBubbles() {
  Fx fx("fish_bubbles", 1.4);
  for (int k = 0; k < 9; ++k) {
    double start = 0.05 + k * 0.13 + fx.rng.Range(0.0, 0.05);
    double f = fx.rng.Range(500.0, 1100.0);
    Chirp(fx, start, 0.05, f, f * 1.8, 0.5);
  }
  synth::Reverb(fx.b, 0.2, 0.5, 0.2, 1.0);
  return Finish(fx.b, 0.55);
}

// The ways to work, each a few seconds as the trip's page opens.

// A bicycle bell rung twice over the whirr of the chain.
Buffer BicycleBell() {
  Fx fx("bicycle_bell", 2.4);
  Biquad chain = BandPass(2500.0, 2.0);
  for (size_t i = 0; i < fx.At(2.2); ++i) {
    double t = (double)i / fx.Rate();
    double tick = 0.6 + 0.4 * std::sin(TAU * 9.0 * t);
    fx.AddFrame(i, chain.Process(fx.rng.Bipolar()) * 0.05 * tick * std::min(1.0, t / 0.2) * std::min(1.0, (2.2 - t) / 0.3));
  }
  for (double start : {0.3, 0.55}) {
    Ping(fx, start, 2150.0, 0.5, 0.35);
    Ping(fx, start, 2150.0 * 2.76, 0.2, 0.15);
    Ping(fx, start, 2150.0 * 5.4, 0.08, 0.06);
  }
  return Finish(fx.b, 0.6);
}

// A bus pulling away: a low diesel rumble that rises through a gear change, and the doors' hiss.
Buffer BusEngine() {
  Fx fx("bus_engine", 3.6);
  NoiseBurst(fx, 0.0, 0.5, BandPass(3000.0, 0.7), 0.25, 0.01, 0.15);
  Osc osc;
  Biquad body = LowPass(500.0);
  for (size_t i = fx.At(0.3); i < fx.At(3.5); ++i) {
    double t = (double)i / fx.Rate() - 0.3;
    double gear = t < 1.6 ? t / 1.6 : (t - 1.6) / 1.6;
    double f = 38.0 + 22.0 * gear;
    double rough = 1.0 + 0.3 * fx.rng.Bipolar();
    double edge = std::min(1.0, t / 0.3) * std::min(1.0, (3.2 - t) / 0.4);
    fx.AddFrame(i, body.Process(osc.Saw(f, fx.Rate()) * rough) * edge);
  }
  return Finish(fx.b, 0.6);
}

// A car engine starting, idling and driving off.
Buffer CarEngine() {
  Fx fx("car_engine", 3.4);
  Osc osc;
  Biquad body = LowPass(900.0);
  for (size_t i = 0; i < fx.At(3.3); ++i) {
    double t = (double)i / fx.Rate();
    double f = t < 0.6 ? 18.0 + 8.0 * std::sin(TAU * 6.0 * t) : (t < 1.6 ? 30.0 : 30.0 + 45.0 * (t - 1.6) / 1.7);
    double amp = t < 0.6 ? 0.5 : 0.8;
    double edge = std::min(1.0, t / 0.05) * std::min(1.0, (3.3 - t) / 0.5);
    fx.AddFrame(i, body.Process(osc.Square(f, fx.Rate(), 0.3) + 0.2 * fx.rng.Bipolar()) * amp * edge);
  }
  return Finish(fx.b, 0.6);
}

// Footsteps on a pavement, a steady walking pace.
Buffer Footsteps() {
  Fx fx("footsteps", 3.0);
  for (int k = 0; k < 6; ++k) {
    double t = 0.1 + k * 0.48 + fx.rng.Range(-0.02, 0.02);
    double amp = k % 2 ? 0.8 : 1.0;
    NoiseBurst(fx, t, 0.08, BandPass(fx.rng.Range(500.0, 700.0), 1.2), amp, 0.002, 0.015);
    NoiseBurst(fx, t + 0.06, 0.08, BandPass(2200.0, 1.0), amp * 0.3, 0.004, 0.02);
  }
  return Finish(fx.b, 0.6);
}

// A motorbike revving twice and pulling away.
Buffer Motorbike() {
  Fx fx("motorbike", 3.0);
  Osc osc;
  Biquad body = LowPass(1600.0);
  for (size_t i = 0; i < fx.At(2.9); ++i) {
    double t = (double)i / fx.Rate();
    double rev = t < 1.0 ? std::exp(-std::pow(std::fmod(t, 0.5) - 0.15, 2.0) / 0.005) : 0.0;
    double f = t < 1.0 ? 40.0 + 70.0 * rev : 45.0 + 80.0 * (t - 1.0) / 1.9;
    double edge = std::min(1.0, t / 0.05) * std::min(1.0, (2.9 - t) / 0.6);
    fx.AddFrame(i, body.Process(osc.Saw(f, fx.Rate()) + 0.15 * fx.rng.Bipolar()) * edge);
  }
  return Finish(fx.b, 0.6);
}

// Skateboard wheels rolling over the joints of the pavement.
Buffer Skateboard() {
  Fx fx("skateboard", 3.0);
  Biquad roll = BandPass(350.0, 0.8);
  for (size_t i = 0; i < fx.At(2.9); ++i) {
    double t = (double)i / fx.Rate();
    double edge = std::min(1.0, t / 0.2) * std::min(1.0, (2.9 - t) / 0.4);
    fx.AddFrame(i, roll.Process(fx.rng.Bipolar()) * 0.5 * edge);
  }
  for (double t = 0.25; t < 2.7; t += 0.42) NoiseBurst(fx, t, 0.05, BandPass(900.0, 2.0), 0.7, 0.001, 0.01);
  return Finish(fx.b, 0.6);
}

struct Entry {
  const char* path;
  std::function<Buffer()> make;
};

const std::vector<Entry>& Entries() {
  static const std::vector<Entry> entries = {
      {"data/sounds/ahh.ogg", Ahh},
      {"data/sounds/alarm.ogg", Alarm},
      {"data/sounds/applause.ogg", Applause},
      {"data/sounds/beep.ogg", Beep},
      {"data/sounds/birdsong_1.ogg", Birdsong1},
      {"data/sounds/birdsong_2.ogg", Birdsong2},
      {"data/sounds/birdsong_3.ogg", Birdsong3},
      {"data/sounds/bored_sigh.ogg", BoredSigh},
      {"data/sounds/bowling.ogg", Bowling},
      {"data/sounds/cash.ogg", Cash},
      {"data/sounds/cold_wind_loop.ogg", ColdWindLoop},
      {"data/sounds/cat_miaow.ogg", CatMiaow},
      {"data/sounds/cough.ogg", Cough},
      {"data/sounds/dentist.ogg", Dentist},
      {"data/sounds/dog_angry.ogg", DogAngry},
      {"data/sounds/dog_bark.ogg", DogBark},
      {"data/sounds/dog_growl.ogg", DogGrowl},
      {"data/sounds/error.ogg", Error},
      {"data/sounds/firework1.ogg", [] { return Firework("firework1", true, 1, 1.2); }},
      {"data/sounds/firework2.ogg", [] { return Firework("firework2", false, 1, 1.8); }},
      {"data/sounds/firework3.ogg", [] { return Firework("firework3", true, 2, 0.8); }},
      {"data/sounds/fish_bubbles.ogg", FishBubbles},
      {"data/sounds/flies.ogg", Flies},
      {"data/sounds/flourish.ogg", Flourish},
      {"data/sounds/gambling_loop.ogg", GamblingLoop},
      {"data/sounds/gambling_win.ogg", GamblingWin},
      {"data/sounds/gigglekiss.ogg", GiggleKiss},
      {"data/sounds/hamster_squeak.ogg", HamsterSqueak},
      {"data/sounds/kungfu.ogg", Kungfu},
      {"data/sounds/laboratory.ogg", Laboratory},
      {"data/sounds/mouseover.ogg", Mouseover},
      {"data/sounds/ooh.ogg", Ooh},
      {"data/sounds/parrot.wav", Parrot},
      {"data/sounds/police.ogg", Police},
      {"data/sounds/projector.ogg", Projector},
      {"data/sounds/promotion_applause.ogg", PromotionApplause},
      {"data/sounds/rain_loop.ogg", RainLoop},
      {"data/sounds/readbook.ogg", Readbook},
      {"data/sounds/sneeze.ogg", Sneeze},
      {"data/sounds/stopwatch.ogg", Stopwatch},
      {"data/sounds/telephone.ogg", Telephone},
      {"data/sounds/thunder.ogg", Thunder},
      {"data/sounds/trash.ogg", Trash},
      {"data/sounds/typewriter_key.ogg", TypewriterKey},
      {"data/sounds/typing.ogg", Typing},
      {"data/sounds/videogame_explosion.ogg", VideogameExplosion},
      {"data/sounds/videogame_shell.ogg", VideogameShell},
      {"data/sounds/wine.ogg", Wine},
      {"data/sounds/writing.ogg", Writing},
      {"data/sounds/yawn.ogg", Yawn},
      {"data/sounds/zelk_click.ogg", ZelkClick},
      {"data/sounds/bicycle_bell.ogg", BicycleBell},
      {"data/sounds/bus_engine.ogg", BusEngine},
      {"data/sounds/car_engine.ogg", CarEngine},
      {"data/sounds/footsteps.ogg", Footsteps},
      {"data/sounds/motorbike.ogg", Motorbike},
      {"data/sounds/skateboard.ogg", Skateboard},
  };
  return entries;
}

}  // namespace

std::vector<std::string> EffectPaths() {
  std::vector<std::string> out;
  for (const Entry& e : Entries()) out.push_back(e.path);
  return out;
}

bool MakeEffect(const std::string& path, Buffer* out) {
  for (const Entry& e : Entries()) {
    if (path == e.path) {
      *out = e.make();
      return true;
    }
  }
  return false;
}

}  // namespace effects
