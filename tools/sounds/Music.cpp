#include "Music.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace music {

using synth::Adsr;
using synth::Biquad;
using synth::Buffer;
using synth::OnePole;
using synth::Osc;
using synth::Perc;
using synth::PI;
using synth::Rng;
using synth::TAU;

namespace {

double Cents(double cents) { return std::pow(2.0, cents / 1200.0); }

int Mod12(int x) { return ((x % 12) + 12) % 12; }

Buffer MonoBuffer(double seconds, int rate) { return Buffer(rate, 1, seconds); }

// Karplus-Strong string: a delay line of one period fed back through a two-point average.
// `exciteBright` sets the pluck's brightness (Hz of the noise burst's low-pass), `t60` the ring
// time while held, `releaseT60` after the note ends.
Buffer KarplusStrong(double seconds, double freq, double vel, int rate, Rng& rng, double exciteBright,
                     double t60, double releaseT60, double pluckPosition) {
  double len = seconds + releaseT60 * 1.2;
  Buffer out = MonoBuffer(len, rate);
  double period = rate / freq - 0.5;  // the average adds half a sample
  if (period < 2.0) period = 2.0;
  size_t frames = out.Frames();
  std::vector<double> y(frames, 0.0);
  OnePole lp;
  lp.SetLowPass(exciteBright, rate);
  size_t burst = (size_t)std::ceil(period);
  std::vector<double> exc(burst, 0.0);
  for (size_t i = 0; i < burst; ++i) exc[i] = lp.Process(rng.Bipolar());
  // Plucking away from the end of the string removes some harmonics: a comb on the burst.
  size_t comb = (size_t)std::max(1.0, period * pluckPosition);
  for (size_t i = burst; i-- > comb;) exc[i] -= exc[i - comb];
  double heldGain = std::pow(10.0, -3.0 / (t60 * freq));
  double releaseGain = std::pow(10.0, -3.0 / (releaseT60 * freq));
  auto at = [&y](double pos) {
    if (pos < 0.0) return 0.0;
    size_t i = (size_t)pos;
    double f = pos - (double)i;
    double a = y[i];
    double b = i + 1 < y.size() ? y[i + 1] : 0.0;
    return a + (b - a) * f;
  };
  size_t heldFrames = (size_t)(seconds * rate);
  for (size_t n = 0; n < frames; ++n) {
    double g = n < heldFrames ? heldGain : releaseGain;
    double fb = 0.5 * (at((double)n - period) + at((double)n - period - 1.0));
    double x = n < burst ? exc[n] * (0.4 + 0.6 * vel) : 0.0;
    y[n] = x + g * fb;
    out.l[n] = (float)y[n];
  }
  return out;
}

// The six square waves of a drum machine's cymbals, high-passed.
double Metallic(double t, double scale) {
  static const double kFreqs[6] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
  double sum = 0.0;
  for (double f : kFreqs) sum += std::sin(TAU * f * scale * t) >= 0.0 ? 1.0 : -1.0;
  return sum / 6.0;
}

// The mean power of the blocks in which a part is heard (louder than 40 dB under its loudest
// block), so a part that plays for a few bars is measured by those bars.
double ActivePower(const Buffer& b) {
  const size_t block = 2048;
  std::vector<double> powers;
  for (size_t at = 0; at < b.Frames(); at += block) {
    double sum = 0.0;
    size_t end = std::min(b.Frames(), at + block);
    for (size_t i = at; i < end; ++i) sum += 0.5 * ((double)b.l[i] * (double)b.l[i] + (double)b.r[i] * (double)b.r[i]);
    powers.push_back(sum / (double)(end - at));
  }
  double loudest = 0.0;
  for (double p : powers) loudest = std::max(loudest, p);
  double sum = 0.0;
  size_t count = 0;
  for (double p : powers) {
    if (p > loudest * 1e-4) sum += p, ++count;
  }
  return count ? sum / (double)count : 0.0;
}

}  // namespace

Buffer RenderVoice(Voice voice, double d, double f, double v, int rate, Rng& rng) {
  d = std::max(d, 0.02);
  switch (voice) {
    case Voice::EPiano: {
      double tau = std::clamp(2.2 * std::sqrt(261.6 / f), 0.5, 4.0);
      Buffer out = MonoBuffer(d + 0.7, rate);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double amp = std::exp(-t / tau) * std::min(1.0, t / 0.002);
        if (t > d) amp *= std::exp(-(t - d) / 0.12);
        double index = (0.5 + 1.5 * v) * std::exp(-t / 0.35) + 0.2;
        double s = std::sin(TAU * f * t + index * std::sin(TAU * f * t));
        double tine = f * 7.0 < rate * 0.4 ? 0.1 * v * std::exp(-t / 0.03) * std::sin(TAU * f * 7.0 * t) : 0.0;
        out.l[i] = (float)((s + tine) * amp * (0.45 + 0.55 * v) * 0.5);
      }
      return out;
    }
    case Voice::Piano: {
      double tau = std::clamp(3.2 * std::pow(261.6 / f, 0.6), 0.4, 7.0);
      double len = std::min(d + 0.4, 5.0 * tau + 0.4);
      Buffer out = MonoBuffer(len, rate);
      struct P {
        double f1, f2, amp, tau, ph1, ph2;
      };
      std::vector<P> partials;
      for (int n = 1; n <= 12; ++n) {
        double fn = n * f * std::sqrt(1.0 + 0.0004 * n * n);
        if (fn * 1.01 > rate * 0.42) break;
        double amp = std::pow((double)n, -1.15) * (n == 1 ? 1.0 : std::pow(0.35 + 0.6 * v, 0.35 * n));
        partials.push_back({fn, fn * Cents(0.9), amp, tau / (1.0 + 0.4 * (n - 1)), rng.Unit(), rng.Unit()});
      }
      OnePole hammerLp;
      hammerLp.SetLowPass(2500.0, rate);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double s = 0.0;
        for (const P& p : partials) {
          s += p.amp * std::exp(-t / p.tau) *
               (std::sin(TAU * (p.f1 * t + p.ph1)) + std::sin(TAU * (p.f2 * t + p.ph2))) * 0.5;
        }
        double hammer = hammerLp.Process(rng.Bipolar()) * std::exp(-t / 0.004) * 0.3 * v;
        double amp = std::min(1.0, t / 0.0015);
        if (t > d) amp *= std::exp(-(t - d) / 0.1);
        out.l[i] = (float)((s * 0.4 + hammer) * amp * (0.4 + 0.6 * v));
      }
      return out;
    }
    case Voice::Bass: {
      Buffer out = MonoBuffer(d + 0.2, rate);
      Osc saw, sub;
      Biquad lp;
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        if (i % 8 == 0) lp.SetLowPass(150.0 + f * 1.5 + (400.0 + 700.0 * v) * std::exp(-t / 0.12), 0.8, rate);
        double amp = Adsr(t, d, 0.004, 0.5, 0.6, 0.05);
        double s = 0.45 * lp.Process(saw.Saw(f, rate)) + 0.7 * sub.Sine(f, rate);
        out.l[i] = (float)(s * amp * (0.6 + 0.4 * v) * 0.6);
      }
      return out;
    }
    case Voice::UpBass: {
      Buffer out = MonoBuffer(d + 0.15, rate);
      OnePole thump;
      thump.SetLowPass(700.0, rate);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double s = std::sin(TAU * f * t) + 0.4 * std::sin(TAU * 2.0 * f * t) * std::exp(-t / 0.25) +
                   0.12 * std::sin(TAU * 3.0 * f * t) * std::exp(-t / 0.1);
        double pluck = thump.Process(rng.Bipolar()) * std::exp(-t / 0.012) * 0.8;
        double amp = Perc(t, 0.003, 0.9);
        if (t > d) amp *= std::exp(-(t - d) / 0.05);
        out.l[i] = (float)((s + pluck) * amp * (0.6 + 0.4 * v) * 0.55);
      }
      return out;
    }
    case Voice::SynthBass: {
      Buffer out = MonoBuffer(d + 0.15, rate);
      Osc saw, sine;
      Biquad lp;
      lp.SetLowPass(380.0, 0.7, rate);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double amp = Adsr(t, d, 0.01, 0.3, 0.8, 0.08);
        double s = sine.Sine(f, rate) + 0.3 * lp.Process(saw.Saw(f, rate));
        out.l[i] = (float)(s * amp * (0.6 + 0.4 * v) * 0.6);
      }
      return out;
    }
    case Voice::Pluck: {
      Buffer out = KarplusStrong(d, f, v, rate, rng, 1800.0 + 3000.0 * v,
                                 std::clamp(3.0 * std::sqrt(220.0 / f), 0.7, 4.0), 0.1, 0.2);
      Biquad body;
      body.SetPeak(200.0, 1.0, 4.0, rate);
      for (float& s : out.l) s = (float)(body.Process(s) * 0.7);
      return out;
    }
    case Voice::Harpsi: {
      Buffer out = KarplusStrong(d, f, v, rate, rng, 9000.0, std::clamp(1.6 * std::sqrt(220.0 / f), 0.4, 2.5),
                                 0.08, 0.1);
      Biquad hp;
      hp.SetHighPass(180.0, 0.7, rate);
      for (float& s : out.l) s = (float)(hp.Process(s) * 0.5);
      return out;
    }
    case Voice::Pad: {
      Buffer out(rate, 2, d + 1.0);
      const double detune[4] = {-9.0, -3.0, 4.0, 10.0};
      const double pans[4] = {-0.8, -0.3, 0.3, 0.8};
      Osc osc[4];
      for (Osc& o : osc) o.phase = rng.Unit();
      Biquad lpL, lpR;
      double lfo = rng.Unit();
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        if (i % 16 == 0) {
          double cut = 650.0 + 800.0 * v + 250.0 * std::sin(TAU * (0.15 * t + lfo));
          lpL.SetLowPass(cut, 0.7, rate);
          lpR.SetLowPass(cut * 1.05, 0.7, rate);
        }
        double left = 0.0, right = 0.0;
        for (int k = 0; k < 4; ++k) {
          double s = osc[k].Saw(f * Cents(detune[k]), rate);
          left += s * (0.5 - 0.5 * pans[k]);
          right += s * (0.5 + 0.5 * pans[k]);
        }
        double amp = Adsr(t, d, 0.35, 1.2, 0.8, 0.8) * 0.16;
        out.l[i] = (float)(lpL.Process(left) * amp);
        out.r[i] = (float)(lpR.Process(right) * amp);
      }
      return out;
    }
    case Voice::Strings: {
      Buffer out(rate, 2, d + 0.6);
      const double detune[3] = {-7.0, 0.0, 7.0};
      const double pans[3] = {-0.6, 0.0, 0.6};
      Osc osc[3];
      for (Osc& o : osc) o.phase = rng.Unit();
      double vibPhase = rng.Unit();
      Biquad lpL, lpR, hpL, hpR;
      lpL.SetLowPass(1600.0 + 1800.0 * v, 0.7, rate);
      lpR.SetLowPass(1700.0 + 1800.0 * v, 0.7, rate);
      hpL.SetHighPass(160.0, 0.7, rate);
      hpR.SetHighPass(160.0, 0.7, rate);
      double attack = 0.12 + 0.12 * (1.0 - v);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double vib = 1.0 + 0.003 * std::min(1.0, t / 0.4) * std::sin(TAU * (5.3 * t + vibPhase));
        double left = 0.0, right = 0.0;
        for (int k = 0; k < 3; ++k) {
          double s = osc[k].Saw(f * Cents(detune[k]) * vib, rate);
          left += s * (0.5 - 0.5 * pans[k]);
          right += s * (0.5 + 0.5 * pans[k]);
        }
        double amp = Adsr(t, d, attack, 0.8, 0.85, 0.35) * 0.2;
        out.l[i] = (float)(hpL.Process(lpL.Process(left)) * amp);
        out.r[i] = (float)(hpR.Process(lpR.Process(right)) * amp);
      }
      return out;
    }
    case Voice::Organ: {
      Buffer out = MonoBuffer(d + 0.08, rate);
      const double ratios[6] = {0.5, 1.0, 2.0, 3.0, 4.0, 6.0};
      const double levels[6] = {0.5, 1.0, 0.7, 0.35, 0.25, 0.1};
      double rot = rng.Unit();
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double wobble = 0.0008 * std::sin(TAU * (6.2 * t + rot));
        double s = 0.0;
        for (int k = 0; k < 6; ++k) {
          if (ratios[k] * f > rate * 0.42) continue;
          s += levels[k] * std::sin(TAU * ratios[k] * f * t * (1.0 + wobble));
        }
        s += 0.45 * std::exp(-t / 0.18) * std::sin(TAU * 3.0 * f * t);
        double amp = Adsr(t, d, 0.004, 1.0, 1.0, 0.04) * (1.0 + 0.12 * std::sin(TAU * (6.2 * t + rot)));
        out.l[i] = (float)(s * amp * (0.6 + 0.4 * v) * 0.16);
      }
      return out;
    }
    case Voice::Vibes:
    case Voice::Marimba:
    case Voice::Bell: {
      bool vibes = voice == Voice::Vibes, marimba = voice == Voice::Marimba;
      double tau = vibes ? std::clamp(2.2 * std::sqrt(440.0 / f), 0.8, 3.5)
                         : marimba ? std::clamp(0.45 * std::sqrt(300.0 / f), 0.12, 0.8) : 1.4;
      double len = marimba ? 5.0 * tau + 0.05 : std::min(d + 0.5, 5.0 * tau + 0.5);
      Buffer out = MonoBuffer(len, rate);
      double motor = rng.Unit();
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double s;
        if (voice == Voice::Bell) {
          // A harmonic ratio keeps the pitch clear; the bright strike fades to a pure ring.
          double index = 1.6 * v * std::exp(-t / 0.3) + 0.2;
          s = std::sin(TAU * f * t + index * std::sin(TAU * 4.0 * f * t)) * std::exp(-t / tau);
        } else {
          double r2 = vibes ? 3.98 : 3.93, r3 = vibes ? 9.9 : 10.2;
          s = std::exp(-t / tau) * std::sin(TAU * f * t);
          if (r2 * f < rate * 0.42) s += (vibes ? 0.28 : 0.35) * v * std::exp(-t / (tau * 0.25)) * std::sin(TAU * r2 * f * t);
          if (r3 * f < rate * 0.42) s += 0.07 * v * std::exp(-t / (tau * 0.08)) * std::sin(TAU * r3 * f * t);
          if (vibes) s *= 1.0 - 0.25 * (0.5 + 0.5 * std::sin(TAU * (5.0 * t + motor)));
        }
        double amp = std::min(1.0, t / 0.0008);
        if (!marimba && t > d) amp *= std::exp(-(t - d) / 0.15);
        out.l[i] = (float)(s * amp * (0.45 + 0.55 * v) * 0.5);
      }
      return out;
    }
    case Voice::Flute: {
      Buffer out = MonoBuffer(d + 0.15, rate);
      Osc o1, o2, o3;
      Biquad breath;
      breath.SetBandPass(std::min(f * 2.0, rate * 0.4), 4.0, rate);
      double vibPhase = rng.Unit();
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double vib = 1.0 + 0.004 * std::clamp((t - 0.2) / 0.3, 0.0, 1.0) * std::sin(TAU * (5.0 * t + vibPhase));
        double s = o1.Sine(f * vib, rate) + 0.18 * o2.Sine(2.0 * f * vib, rate) + 0.05 * o3.Sine(3.0 * f * vib, rate);
        double air = breath.Process(rng.Bipolar()) * (0.25 + 0.6 * std::exp(-t / 0.05));
        double amp = Adsr(t, d, 0.05, 0.3, 0.85, 0.1);
        out.l[i] = (float)((s + air) * amp * (0.6 + 0.4 * v) * 0.45);
      }
      return out;
    }
    case Voice::Brass: {
      Buffer out = MonoBuffer(d + 0.25, rate);
      Osc a, b;
      a.phase = rng.Unit();
      b.phase = rng.Unit();
      Biquad lp;
      double vibPhase = rng.Unit();
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double vib = 1.0 + 0.002 * std::clamp((t - 0.25) / 0.3, 0.0, 1.0) * std::sin(TAU * (5.0 * t + vibPhase));
        if (i % 8 == 0) {
          double fenv = Adsr(t, d, 0.05, 0.25, 0.55, 0.1);
          lp.SetLowPass(std::min(8000.0, f * (1.2 + (2.5 + 3.5 * v) * fenv)), 1.0, rate);
        }
        double s = a.Saw(f * Cents(-5.0) * vib, rate) + b.Saw(f * Cents(5.0) * vib, rate);
        double amp = Adsr(t, d, 0.03, 0.4, 0.85, 0.12);
        out.l[i] = (float)(lp.Process(s) * amp * (0.55 + 0.45 * v) * 0.3);
      }
      return out;
    }
    case Voice::Accordion: {
      Buffer out = MonoBuffer(d + 0.08, rate);
      Osc a, b, c;
      Biquad lp, peak;
      lp.SetLowPass(2600.0, 0.7, rate);
      peak.SetPeak(1200.0, 1.2, 5.0, rate);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double s = a.Square(f * Cents(-7.0), rate, 0.35) + b.Square(f * Cents(7.0), rate, 0.35) +
                   0.3 * c.Square(f * 0.5, rate, 0.4);
        double amp = Adsr(t, d, 0.03, 0.5, 0.9, 0.06) * (1.0 + 0.05 * std::sin(TAU * 4.0 * t));
        out.l[i] = (float)(peak.Process(lp.Process(s)) * amp * (0.6 + 0.4 * v) * 0.12);
      }
      return out;
    }
    case Voice::ChipLead:
    case Voice::ChipArp: {
      bool lead = voice == Voice::ChipLead;
      Buffer out = MonoBuffer(d + 0.05, rate);
      Osc o;
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double vib = lead ? 1.0 + 0.005 * std::clamp((t - 0.15) / 0.1, 0.0, 1.0) * std::sin(TAU * 6.0 * t) : 1.0;
        double s = o.Square(f * vib, rate, lead ? 0.25 : 0.125);
        double amp = lead ? Adsr(t, d, 0.002, 0.15, 0.7, 0.03) : Adsr(t, d, 0.001, 0.08, 0.5, 0.02);
        out.l[i] = (float)(s * amp * (0.6 + 0.4 * v) * 0.22);
      }
      return out;
    }
    case Voice::ChipBass: {
      Buffer out = MonoBuffer(d + 0.03, rate);
      Osc o;
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double s = std::round(o.Triangle(f, rate) * 7.5) / 7.5;  // the 4-bit steps of an old chip
        out.l[i] = (float)(s * Adsr(t, d, 0.002, 0.1, 0.9, 0.02) * (0.6 + 0.4 * v) * 0.5);
      }
      return out;
    }
  }
  return MonoBuffer(0.0, rate);
}

Buffer RenderDrum(Drum drum, double vel, int rate, Rng& rng) {
  auto make = [rate](double seconds) { return MonoBuffer(seconds, rate); };
  Buffer out;
  switch (drum) {
    case Drum::Kick:
    case Drum::Taiko:
    case Drum::TomLow:
    case Drum::TomHigh:
    case Drum::ChipKick: {
      double base = 48, sweep = 95, sweepTau = 0.03, tau = 0.25, len = 0.45, noiseAmt = 0.25, noiseTau = 0.002;
      if (drum == Drum::Taiko) base = 55, sweep = 60, sweepTau = 0.04, tau = 0.45, len = 1.0, noiseAmt = 0.6, noiseTau = 0.03;
      if (drum == Drum::TomLow) base = 90, sweep = 50, sweepTau = 0.05, tau = 0.3, len = 0.6, noiseAmt = 0.15, noiseTau = 0.02;
      if (drum == Drum::TomHigh) base = 140, sweep = 70, sweepTau = 0.05, tau = 0.25, len = 0.5, noiseAmt = 0.15, noiseTau = 0.02;
      if (drum == Drum::ChipKick) base = 45, sweep = 160, sweepTau = 0.025, tau = 0.1, len = 0.2, noiseAmt = 0.0;
      out = make(len);
      OnePole lp;
      lp.SetLowPass(drum == Drum::Kick ? 3000.0 : 600.0, rate);
      double phase = 0.0;
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        phase += (base + sweep * std::exp(-t / sweepTau)) / rate;
        double body = drum == Drum::ChipKick ? (std::sin(TAU * phase) >= 0 ? 0.5 : -0.5) : std::sin(TAU * phase);
        double s = body * std::exp(-t / tau) + noiseAmt * lp.Process(rng.Bipolar()) * std::exp(-t / noiseTau);
        out.l[i] = (float)(s * std::min(1.0, t / 0.0005) * 0.9);
      }
      break;
    }
    case Drum::Snare: {
      out = make(0.3);
      Biquad hp, lp;
      hp.SetHighPass(1200.0, 0.7, rate);
      lp.SetLowPass(8000.0, 0.7, rate);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double tone = 0.45 * std::sin(TAU * 185.0 * t) * std::exp(-t / 0.045) + 0.25 * std::sin(TAU * 330.0 * t) * std::exp(-t / 0.03);
        double noise = lp.Process(hp.Process(rng.Bipolar())) * std::exp(-t / 0.11);
        out.l[i] = (float)((tone + noise * 0.8) * 0.7);
      }
      break;
    }
    case Drum::Clap: {
      out = make(0.35);
      Biquad bp;
      bp.SetBandPass(1200.0, 1.2, rate);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double env = 0.0;
        for (int k = 0; k < 3; ++k) {
          double start = 0.0105 * k;
          if (t >= start) env += std::exp(-(t - start) / 0.005);
        }
        if (t >= 0.03) env += 0.6 * std::exp(-(t - 0.03) / 0.09);
        out.l[i] = (float)(bp.Process(rng.Bipolar()) * env * 1.4);
      }
      break;
    }
    case Drum::HatClosed:
    case Drum::HatOpen:
    case Drum::Ride:
    case Drum::Crash: {
      double tau = drum == Drum::HatClosed ? 0.03 : drum == Drum::HatOpen ? 0.22 : drum == Drum::Ride ? 0.7 : 1.0;
      double len = drum == Drum::HatClosed ? 0.1 : drum == Drum::HatOpen ? 0.6 : drum == Drum::Ride ? 1.4 : 2.2;
      double scale = drum == Drum::Ride ? 2.3 : drum == Drum::Crash ? 3.0 : 1.7;
      out = make(len);
      Biquad hp, noiseHp;
      if (drum == Drum::Ride) {
        hp.SetBandPass(5500.0, 0.9, rate);
      } else {
        hp.SetHighPass(drum == Drum::Crash ? 3500.0 : 7000.0, 0.8, rate);
      }
      noiseHp.SetHighPass(8000.0, 0.7, rate);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double metal = hp.Process(Metallic(t, scale));
        double noise = noiseHp.Process(rng.Bipolar()) * (drum == Drum::Ride ? 0.2 : 0.5);
        double env = drum == Drum::Crash ? Perc(t, 0.002, tau) : std::exp(-t / tau);
        double s = (metal + noise) * env;
        if (drum == Drum::Ride) s += 0.18 * (std::sin(TAU * 620.0 * t) + 0.6 * std::sin(TAU * 1480.0 * t)) * std::exp(-t / 0.6);
        out.l[i] = (float)(s * (drum == Drum::Ride ? 0.45 : 0.4));
      }
      break;
    }
    case Drum::Brush:
    case Drum::Shaker:
    case Drum::Tambourine:
    case Drum::Snap:
    case Drum::Rim: {
      double len = 0.25, rise = 0.012, tau = 0.08, gain = 0.6;
      Biquad f1;
      if (drum == Drum::Brush) f1.SetBandPass(3500.0, 0.7, rate);
      if (drum == Drum::Shaker) f1.SetHighPass(5500.0, 0.7, rate), len = 0.15, rise = 0.01, tau = 0.045, gain = 0.45;
      if (drum == Drum::Tambourine) f1.SetBandPass(7500.0, 2.5, rate), len = 0.25, rise = 0.001, tau = 0.06, gain = 1.2;
      if (drum == Drum::Snap) f1.SetBandPass(2600.0, 2.5, rate), len = 0.12, rise = 0.0005, tau = 0.025, gain = 1.6;
      if (drum == Drum::Rim) f1.SetBandPass(1700.0, 4.0, rate), len = 0.1, rise = 0.0003, tau = 0.015, gain = 2.0;
      out = make(len);
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        double env = t < rise ? t / rise : std::exp(-(t - rise) / tau);
        if (drum == Drum::Tambourine && t > 0.012) env += 0.6 * std::exp(-(t - 0.012) / 0.05);
        double s = f1.Process(rng.Bipolar()) * env * gain;
        if (drum == Drum::Rim) s += 0.5 * std::sin(TAU * 820.0 * t) * std::exp(-t / 0.012);
        out.l[i] = (float)s;
      }
      break;
    }
    case Drum::ChipSnare:
    case Drum::ChipHat: {
      bool snare = drum == Drum::ChipSnare;
      out = make(snare ? 0.2 : 0.05);
      double hold = 0.0, step = (snare ? 7000.0 : 18000.0) / rate, acc = 1.0;
      for (size_t i = 0; i < out.Frames(); ++i) {
        double t = (double)i / rate;
        acc += step;
        if (acc >= 1.0) {
          acc -= 1.0;
          hold = rng.Chance(0.5) ? 1.0 : -1.0;
        }
        double s = hold * std::exp(-t / (snare ? 0.07 : 0.02)) * (snare ? 0.4 : 0.25);
        if (snare) s += 0.3 * (std::sin(TAU * 220.0 * t) >= 0 ? 1.0 : -1.0) * std::exp(-t / 0.02);
        out.l[i] = (float)s;
      }
      break;
    }
  }
  out.Scale(vel);
  return out;
}

bool Chord::Has(int pitchClass) const {
  int rel = Mod12(pitchClass - root);
  for (int i : intervals)
    if (Mod12(i) == rel) return true;
  return false;
}

Chord ParseChord(const std::string& name) {
  static const std::map<std::string, std::vector<int>> kQualities = {
      {"", {0, 4, 7}},          {"m", {0, 3, 7}},          {"7", {0, 4, 7, 10}},     {"maj7", {0, 4, 7, 11}},
      {"m7", {0, 3, 7, 10}},    {"m9", {0, 3, 7, 10, 14}}, {"maj9", {0, 4, 7, 11, 14}}, {"9", {0, 4, 7, 10, 14}},
      {"6", {0, 4, 7, 9}},      {"m6", {0, 3, 7, 9}},      {"sus4", {0, 5, 7}},      {"sus2", {0, 2, 7}},
      {"7sus4", {0, 5, 7, 10}}, {"dim", {0, 3, 6}},        {"dim7", {0, 3, 6, 9}},   {"m7b5", {0, 3, 6, 10}},
      {"add9", {0, 4, 7, 14}},  {"aug", {0, 4, 8}},
  };
  static const int kLetters[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  Chord chord;
  if (name.empty() || name[0] < 'A' || name[0] > 'G') {
    std::fprintf(stderr, "bad chord '%s'\n", name.c_str());
    std::exit(2);
  }
  chord.root = kLetters[name[0] - 'A'];
  size_t at = 1;
  if (at < name.size() && name[at] == '#') chord.root = Mod12(chord.root + 1), ++at;
  else if (at < name.size() && name[at] == 'b') chord.root = Mod12(chord.root - 1), ++at;
  auto it = kQualities.find(name.substr(at));
  if (it == kQualities.end()) {
    std::fprintf(stderr, "bad chord quality '%s'\n", name.c_str());
    std::exit(2);
  }
  chord.intervals = it->second;
  return chord;
}

const Chord& Bar::At(double beatInBar, int beatsPerBar) const {
  return split && beatInBar >= beatsPerBar / 2.0 - 1e-9 ? second : first;
}

std::vector<Bar> Progression(const std::string& text) {
  std::vector<Bar> bars;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    std::string word = text.substr(at, end - at);
    at = end + 1;
    if (word.empty()) continue;
    Bar bar;
    size_t plus = word.find('+');
    if (plus == std::string::npos) {
      bar.first = bar.second = ParseChord(word);
    } else {
      bar.first = ParseChord(word.substr(0, plus));
      bar.second = ParseChord(word.substr(plus + 1));
      bar.split = true;
    }
    bars.push_back(bar);
  }
  return bars;
}

bool Scale::Has(int pitchClass) const {
  int rel = Mod12(pitchClass - tonic);
  for (int s : steps)
    if (s == rel) return true;
  return false;
}

Scale Major(int tonic) { return {tonic, {0, 2, 4, 5, 7, 9, 11}}; }
Scale Minor(int tonic) { return {tonic, {0, 2, 3, 5, 7, 8, 10}}; }
Scale Dorian(int tonic) { return {tonic, {0, 2, 3, 5, 7, 9, 10}}; }

double Song::BeatToSeconds(double beat) const {
  double whole = std::floor(beat);
  double frac = beat - whole;
  if (swing > 0.0) {
    // Within each beat the off-beat eighth moves from 0.5 to 0.5 + swing.
    double mid = 0.5 + swing;
    frac = frac < 0.5 ? frac / 0.5 * mid : mid + (frac - 0.5) / 0.5 * (1.0 - mid);
  }
  return (whole + frac) * 60.0 / m_bpm;
}

Part& Song::AddPart(Voice voice, double level, double pan, double send) {
  m_parts.push_back(Part{voice, level, pan, send, {}});
  return m_parts.back();
}

void Song::AddHit(double beat, Drum drum, double vel) { m_hits.push_back({beat, drum, vel}); }

std::vector<int> Song::Voicing(const Chord& chord, int centre, int voices) const {
  // Tones by how much they say about the chord: third, seventh (or sixth), root, ninth, fifth.
  std::vector<int> rels;
  for (int i : chord.intervals) rels.push_back(Mod12(i));
  auto rank = [](int rel) {
    switch (rel) {
      case 3: case 4: return 0;
      case 10: case 11: case 9: return 1;
      case 0: return 2;
      case 2: case 5: return 3;
      default: return 4;
    }
  };
  std::stable_sort(rels.begin(), rels.end(), [&](int a, int b) { return rank(a) < rank(b); });
  if ((int)rels.size() > voices) rels.resize((size_t)voices);
  std::vector<int> notes;
  for (int rel : rels) {
    int pc = Mod12(chord.root + rel);
    int low = centre - 6;
    notes.push_back(low + Mod12(pc - low));
  }
  std::sort(notes.begin(), notes.end());
  for (size_t i = 0; (int)notes.size() < voices; ++i) notes.push_back(notes[i] + 12);
  std::sort(notes.begin(), notes.end());
  return notes;
}

namespace {
// The steps of a bar pattern that start notes, with how many steps each holds.
template <typename Fn>
void ForEachStep(const std::string& pattern, int steps, Fn fn) {
  int len = (int)pattern.size();
  if (len == 0) return;
  for (int k = 0; k < steps; ++k) {
    char c = pattern[k % len];
    if (c == '-' || c == '.' || c == ' ') continue;
    int hold = 1;
    while (k + hold < steps && pattern[(k + hold) % len] == '-') ++hold;
    fn(k, c, hold);
  }
}
}  // namespace

void Song::Comp(Part& part, const std::vector<Bar>& bars, int bar, const std::string& pattern, int centre,
                int voices, double vel) {
  int perBar = m_beatsPerBar * 4;
  ForEachStep(pattern, perBar * (int)bars.size(), [&](int k, char c, int hold) {
    const Bar& b = bars[(size_t)(k / perBar)];
    double inBar = (k % perBar) * 0.25;
    double v = vel * (c == 'o' ? 0.6 : 1.0);
    for (int m : Voicing(b.At(inBar, m_beatsPerBar), centre, voices)) {
      part.notes.push_back({BarBeat(bar) + k * 0.25, hold * 0.25 * 0.95, (double)m, v * (0.9 + 0.1 * rng.Unit())});
    }
  });
}

void Song::Arp(Part& part, const std::vector<Bar>& bars, int bar, const std::string& pattern, int centre,
               int voices, double vel) {
  int perBar = m_beatsPerBar * 4;
  ForEachStep(pattern, perBar * (int)bars.size(), [&](int k, char c, int hold) {
    if (c < '0' || c > '9') return;
    const Bar& b = bars[(size_t)(k / perBar)];
    std::vector<int> v = Voicing(b.At((k % perBar) * 0.25, m_beatsPerBar), centre, voices);
    int index = c - '0';
    int m = v[(size_t)index % v.size()] + 12 * (index / (int)v.size());
    double accent = (k % 4 == 0) ? 1.0 : 0.8;
    part.notes.push_back({BarBeat(bar) + k * 0.25, hold * 0.25 * 0.95, (double)m, vel * accent * (0.9 + 0.1 * rng.Unit())});
  });
}

void Song::Bass(Part& part, const std::vector<Bar>& bars, int bar, const std::string& pattern, int low, double vel) {
  int perBar = m_beatsPerBar * 4;
  int total = perBar * (int)bars.size();
  auto chordAt = [&](int k) -> const Chord& {
    k = std::min(k, total - 1);
    return bars[(size_t)(k / perBar)].At((k % perBar) * 0.25, m_beatsPerBar);
  };
  auto place = [low](int pc) { return low + Mod12(pc - low); };
  ForEachStep(pattern, total, [&](int k, char c, int hold) {
    const Chord& chord = chordAt(k);
    int root = place(chord.root);
    int m = root;
    auto find = [&](std::initializer_list<int> rels, int fallback) {
      for (int rel : rels)
        for (int i : chord.intervals)
          if (Mod12(i) == rel) return place(chord.root + rel) < root ? place(chord.root + rel) + 12 : place(chord.root + rel);
      return fallback;
    };
    switch (c) {
      case '1': m = root; break;
      case '3': m = find({4, 3}, root + 7); break;
      case '5': m = find({7, 6, 8}, root + 7); break;
      case '7': m = find({10, 11, 9}, root + 12); break;
      case '8': m = root + 12; break;
      case 'a': {
        // Half a step under the next chord's root, or over it when that sits too low.
        int next = place(chordAt(k + hold).root);
        m = next - 1 >= low ? next - 1 : next + 1;
        break;
      }
      default: return;
    }
    double accent = (k % perBar == 0) ? 1.0 : 0.85;
    part.notes.push_back({BarBeat(bar) + k * 0.25, hold * 0.25 * 0.9, (double)m, vel * accent * (0.9 + 0.1 * rng.Unit())});
  });
}

void Song::WalkingBass(Part& part, const std::vector<Bar>& bars, int bar, int low, double vel) {
  auto place = [low](int pc) { return low + Mod12(pc - low); };
  int prev = place(bars[0].first.root);
  for (size_t i = 0; i < bars.size(); ++i) {
    const Bar& b = bars[i];
    const Bar& next = bars[(i + 1) % bars.size()];
    int nextRoot = place(next.first.root);
    for (int beat = 0; beat < m_beatsPerBar; ++beat) {
      const Chord& chord = b.At(beat, m_beatsPerBar);
      int root = place(chord.root);
      if (root - prev > 7) root -= 12;
      if (prev - root > 7 && root + 12 <= low + 19) root += 12;
      int m = root;
      bool chordStart = beat == 0 || (b.split && beat == m_beatsPerBar / 2);
      if (beat == m_beatsPerBar - 1) {
        m = prev < nextRoot ? nextRoot - 1 : nextRoot + 1;  // lead into the next bar
      } else if (!chordStart) {
        // A chord tone or a step above the root, never the same note twice running.
        std::vector<int> options;
        for (int rel : chord.intervals) {
          int r = Mod12(rel);
          if (r == 0) continue;
          int cand = root + r;
          if (cand != prev) options.push_back(cand);
        }
        if (root + 2 != prev) options.push_back(root + 2);
        m = options.empty() ? root : options[(size_t)rng.Int((int)options.size())];
      }
      part.notes.push_back({BarBeat(bar + (int)i) + beat, 0.92, (double)m, vel * (beat == 0 ? 1.0 : 0.85) * (0.9 + 0.1 * rng.Unit())});
      prev = m;
    }
  }
}

void Song::Drums(int bar, int count, Drum drum, const std::string& pattern, double vel) {
  int perBar = m_beatsPerBar * 4;
  int len = (int)pattern.size();
  for (int k = 0; k < perBar * count; ++k) {
    char c = pattern[k % len];
    double v = c == 'X' ? 1.0 : c == 'x' ? 0.75 : c == 'o' ? 0.45 : 0.0;
    if (v > 0.0) AddHit(BarBeat(bar) + k * 0.25, drum, v * vel * (0.92 + 0.08 * rng.Unit()));
  }
}

void Song::Sustain(Part& part, const std::vector<Bar>& bars, int bar, int centre, int voices, double vel) {
  for (size_t i = 0; i < bars.size(); ++i) {
    const Bar& b = bars[i];
    double half = m_beatsPerBar / 2.0;
    auto hold = [&](const Chord& chord, double start, double beats) {
      for (int m : Voicing(chord, centre, voices)) part.notes.push_back({start, beats, (double)m, vel});
    };
    if (b.split) {
      hold(b.first, BarBeat(bar + (int)i), half);
      hold(b.second, BarBeat(bar + (int)i) + half, half);
    } else {
      hold(b.first, BarBeat(bar + (int)i), m_beatsPerBar);
    }
  }
}

void Song::Melody(Part& part, const std::vector<Bar>& bars, int bar, const Scale& scale, int low, int high,
                  const std::vector<Rhythm>& rhythms, const std::vector<int>& plan, double vel) {
  const int nBars = (int)bars.size();
  auto allowed = [&](int m, const Chord& chord, bool strong) {
    int pc = Mod12(m);
    if (chord.Has(pc)) return true;
    if (strong || !scale.Has(pc)) return false;
    // A scale tone a half step from a tone the chord borrows from outside the scale clashes.
    for (int i : chord.intervals) {
      int c = Mod12(chord.root + i);
      if (!scale.Has(c) && (Mod12(pc - c) == 1 || Mod12(c - pc) == 1)) return false;
    }
    return true;
  };
  auto isStrong = [&](double onset, double len) {
    if (len >= 1.0 - 1e-9) return true;
    if (m_beatsPerBar == 3) return onset < 1e-9;
    return std::fmod(onset, 2.0) < 1e-9;
  };
  std::vector<Note> out;
  int prev = (low + high) / 2;
  int lastDir = 0;
  struct Remembered {
    double onset, len;
    int midi;
    int barInPhrase;
  };
  std::vector<Remembered> motif;  // the first half of the last odd phrase
  for (int phraseStart = 0, phrase = 0; phraseStart < nBars; phraseStart += 4, ++phrase) {
    int phraseLen = std::min(4, nBars - phraseStart);
    bool lastPhrase = phraseStart + 4 >= nBars;
    bool answer = phrase % 2 == 1 && !motif.empty();
    std::vector<Remembered> thisMotif;
    for (int b = 0; b < phraseLen; ++b) {
      int absBar = phraseStart + b;
      const Bar& harmony = bars[(size_t)absBar];
      if (answer && b < 2) {
        for (const Remembered& r : motif) {
          if (r.barInPhrase != b) continue;
          const Chord& chord = harmony.At(r.onset, m_beatsPerBar);
          bool strong = isStrong(r.onset, r.len);
          int best = r.midi, bestDist = 99;
          for (int m = low; m <= high; ++m) {
            if (!allowed(m, chord, strong)) continue;
            int dist = std::abs(m - r.midi);
            if (dist < bestDist) best = m, bestDist = dist;
          }
          out.push_back({BarBeat(bar + absBar) + r.onset, r.len, (double)best, vel * (strong ? 1.0 : 0.85)});
          lastDir = best - prev;
          prev = best;
        }
        continue;
      }
      const Rhythm& rhythm = rhythms[(size_t)plan[(size_t)absBar % plan.size()] % rhythms.size()];
      for (size_t n = 0; n < rhythm.notes.size(); ++n) {
        double onset = rhythm.notes[n].first, len = rhythm.notes[n].second;
        const Chord& chord = harmony.At(onset, m_beatsPerBar);
        bool strong = isStrong(onset, len);
        bool final = b == phraseLen - 1 && n + 1 == rhythm.notes.size();
        double progress = (b * m_beatsPerBar + onset) / (phraseLen * m_beatsPerBar);
        double target = low + (high - low) * (0.25 + 0.55 * std::sin(PI * progress));
        int best = prev;
        double bestCost = 1e9;
        for (int m = low; m <= high; ++m) {
          int pc = Mod12(m);
          if (final) {
            // The last phrase comes home to the tonic; the others rest on a chord tone.
            bool home = lastPhrase ? (chord.Has(scale.tonic) ? pc == scale.tonic : pc == chord.root) : chord.Has(pc);
            if (!home) continue;
          } else if (!allowed(m, chord, strong)) {
            continue;
          }
          int d = std::abs(m - prev);
          double cost = d == 0 ? 1.5 : d <= 2 ? 0.0 : d <= 4 ? 0.8 : d <= 7 ? 2.0 : 5.0 + d;
          // Small steps that keep turning back sound aimless: a line prefers to carry on.
          int dir = m - prev;
          if (lastDir != 0 && dir != 0 && (dir > 0) != (lastDir > 0) && std::abs(lastDir) <= 2 && d <= 2) cost += 0.6;
          cost += 0.18 * std::fabs(m - target) + 1.2 * rng.Unit();
          if (cost < bestCost) bestCost = cost, best = m;
        }
        double v = vel * (strong ? 1.0 : 0.85) * (0.92 + 0.08 * rng.Unit());
        out.push_back({BarBeat(bar + absBar) + onset, len, (double)best, v});
        if (b < 2) thisMotif.push_back({onset, len, best, b});
        lastDir = best - prev;
        prev = best;
      }
    }
    if (phrase % 2 == 0) motif = thisMotif;
  }
  if (std::getenv("SOUNDSYNTH_DEBUG")) {
    static const char* kNames[12] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
    int lastBar = -1;
    for (const Note& n : out) {
      int b = (int)(n.beat / m_beatsPerBar);
      if (b != lastBar) std::fprintf(stderr, "\n  bar %2d |", b), lastBar = b;
      std::fprintf(stderr, " %s%d/%.2g", kNames[Mod12((int)n.midi)], (int)n.midi / 12 - 1, n.beats);
    }
    std::fprintf(stderr, "\n");
  }
  for (Note& n : out) {
    n.beats *= 0.95;
    part.notes.push_back(n);
  }
}

Buffer Song::Render(int rate) {
  double endBeat = 0.0;
  for (const Part& p : m_parts)
    for (const Note& n : p.notes) endBeat = std::max(endBeat, n.beat + n.beats);
  for (const Hit& h : m_hits) endBeat = std::max(endBeat, h.beat + 1.0);
  double loopBeats = std::ceil(endBeat / m_beatsPerBar - 1e-6) * m_beatsPerBar;
  double loopSeconds = BeatToSeconds(loopBeats);
  double total = loopSeconds + 8.0;
  Buffer dry(rate, 2, total), send(rate, 2, total);
  auto place = [&](double beat) {
    double t = BeatToSeconds(beat) + (humanise > 0.0 ? rng.Bipolar() * humanise : 0.0);
    return (size_t)std::max(0.0, t * rate);
  };
  bool debug = std::getenv("SOUNDSYNTH_DEBUG") != nullptr;
  // Each part is rendered alone, set to its level while it plays, then panned into the mix and
  // the reverb's send.
  auto addLevelled = [&](Buffer& alone, double level, double sendAmount, const char* what, size_t count) {
    double power = ActivePower(alone);
    if (power <= 0.0) return;
    double gain = std::pow(10.0, level / 20.0) / std::sqrt(power);
    dry.Mix(alone, 0, gain);
    send.Mix(alone, 0, gain * sendAmount);
    if (debug) std::fprintf(stderr, "  %-8s %4zu notes, was %6.1f dB\n", what, count, 10.0 * std::log10(power));
  };
  for (const Part& part : m_parts) {
    Buffer alone(rate, 2, total);
    double gl = std::cos((part.pan + 1.0) * PI / 4.0) * std::sqrt(2.0);
    double gr = std::sin((part.pan + 1.0) * PI / 4.0) * std::sqrt(2.0);
    for (const Note& n : part.notes) {
      double seconds = BeatToSeconds(n.beat + n.beats) - BeatToSeconds(n.beat);
      Buffer note = RenderVoice(part.voice, seconds, synth::MidiToHz(n.midi), n.vel, rate, rng);
      size_t at = place(n.beat);
      alone.EnsureFrames(at + note.Frames());
      for (size_t i = 0; i < note.Frames(); ++i) {
        double l = note.l[i], r = note.channels == 2 ? note.r[i] : note.l[i];
        alone.l[at + i] += (float)(l * gl);
        alone.r[at + i] += (float)(r * gr);
      }
    }
    char what[16];
    std::snprintf(what, sizeof what, "voice %d", (int)part.voice);
    addLevelled(alone, part.level, part.send, what, part.notes.size());
  }
  Buffer kit(rate, 2, total);
  for (const Hit& h : m_hits) {
    Buffer hit = RenderDrum(h.drum, h.vel, rate, rng);
    double pan = 0.0;
    switch (h.drum) {
      case Drum::HatClosed: case Drum::HatOpen: pan = 0.3; break;
      case Drum::Ride: pan = -0.3; break;
      case Drum::Shaker: pan = 0.45; break;
      case Drum::Tambourine: pan = -0.4; break;
      case Drum::Crash: pan = -0.2; break;
      case Drum::TomHigh: pan = 0.25; break;
      case Drum::TomLow: pan = -0.25; break;
      case Drum::Snap: pan = 0.35; break;
      case Drum::ChipHat: pan = 0.2; break;
      default: break;
    }
    double gl = std::cos((pan + 1.0) * PI / 4.0) * std::sqrt(2.0);
    double gr = std::sin((pan + 1.0) * PI / 4.0) * std::sqrt(2.0);
    size_t at = place(h.beat);
    kit.EnsureFrames(at + hit.Frames());
    for (size_t i = 0; i < hit.Frames(); ++i) {
      kit.l[at + i] += (float)((double)hit.l[i] * gl);
      kit.r[at + i] += (float)((double)hit.l[i] * gr);
    }
  }
  addLevelled(kit, drumLevel, drumSend, "drums", m_hits.size());
  synth::Reverb(send, room, damping, 1.0, 0.0);
  Buffer mix(rate, 2, 0.0);
  mix.Mix(dry, 0, 1.0);
  mix.Mix(send, 0, wet);
  if (loop) {
    // Whatever rings past the last bar sounds again over the first, as it would when looping.
    size_t loopFrames = (size_t)std::llround(loopSeconds * rate);
    for (size_t i = loopFrames; i < mix.Frames(); ++i) {
      mix.l[i % loopFrames] += mix.l[i];
      mix.r[i % loopFrames] += mix.r[i];
    }
    mix.l.resize(loopFrames);
    mix.r.resize(loopFrames);
  } else {
    synth::TrimTail(mix, 0.0005, 0.6);
  }
  double rms = mix.Rms();
  if (rms > 0.0) mix.Scale(targetRms / rms);
  synth::SoftLimit(mix, 0.7);
  if (mix.Peak() > 0.89) synth::NormalisePeak(mix, 0.89);
  return mix;
}

}  // namespace music
