#pragma once
// A small deterministic sequencer: synthesised instruments and drums, chords and voicings, bass
// lines, arpeggios, comping, drum patterns and a melody writer that keeps to the harmony and
// repeats its motifs. A song is built bar by bar from these and rendered to stereo.
#include <deque>
#include <string>
#include <vector>

#include "Synth.h"

namespace music {

enum class Voice {
  EPiano,    // FM electric piano
  Piano,     // struck strings with inharmonic partials
  Bass,      // electric finger bass
  UpBass,    // upright bass, for walking lines
  SynthBass, // round, deep
  Pluck,     // plucked nylon string
  Harpsi,    // bright plucked string
  Pad,       // warm detuned saws
  Strings,   // bowed section
  Organ,     // drawbar organ with a rotating-speaker wobble
  Vibes,     // vibraphone with motor tremolo
  Marimba,
  Bell,      // celesta-like FM bell
  Flute,
  Brass,     // soft horn section
  Accordion,
  ChipLead,  // 25% pulse
  ChipArp,   // 12.5% pulse
  ChipBass,  // triangle
};

enum class Drum { Kick, Snare, Clap, HatClosed, HatOpen, Ride, Brush, Shaker, Rim, TomLow, TomHigh, Crash,
                  Taiko, Tambourine, Snap, ChipKick, ChipSnare, ChipHat };

struct Note {
  double beat;   // from the song's start
  double beats;  // held for
  double midi;
  double vel;    // 0..1
};

struct Part {
  Voice voice;
  double level = -20.0;  // dB: the part's loudness while it plays, before the mix is levelled
  double pan = 0.0;      // -1..1
  double send = 0.2;  // into the reverb
  std::vector<Note> notes;
};

struct Hit {
  double beat;
  Drum drum;
  double vel;
};

struct Chord {
  int root = 0;                // pitch class 0..11
  std::vector<int> intervals;  // from the root, ascending
  bool Has(int pitchClass) const;
};
Chord ParseChord(const std::string& name);  // "C", "Am7", "F#m7b5", "Bbmaj9", "G7sus4", "Ddim7"

// One bar's harmony: one chord, or two that split the bar in half ("Dm7+G7").
struct Bar {
  Chord first, second;
  bool split = false;
  const Chord& At(double beatInBar, int beatsPerBar) const;
};
std::vector<Bar> Progression(const std::string& bars);  // bars separated by spaces

struct Scale {
  int tonic;               // pitch class
  std::vector<int> steps;  // intervals from the tonic
  bool Has(int pitchClass) const;
};
Scale Major(int tonic);
Scale Minor(int tonic);
Scale Dorian(int tonic);

class Song {
 public:
  Song(double bpm, int beatsPerBar, uint64_t seed) : rng(seed), m_bpm(bpm), m_beatsPerBar(beatsPerBar) {}

  double swing = 0.0;  // 0 straight .. 0.17 triplet feel: the off-beat eighth comes late
  double humanise = 0.006;  // seconds of timing scatter
  double room = 0.55, damping = 0.5, wet = 0.28;
  double targetRms = 0.12;  // the mix's loudness before the limiter
  bool loop = false;        // the end wraps into the start: a seamless loop of the bars

  int BeatsPerBar() const { return m_beatsPerBar; }
  double BarBeat(int bar) const { return (double)bar * m_beatsPerBar; }
  double BeatToSeconds(double beat) const;

  // Levels by role, roughly: a melody -15 dB, comping and arpeggios -20, bass -18, pads -25.
  Part& AddPart(Voice voice, double level, double pan, double send);
  void AddHit(double beat, Drum drum, double vel);
  double drumLevel = -20.0, drumSend = 0.12;  // the kit as a whole, as for a part

  // Arranging helpers; `bar` is where the progression's first bar lands. Patterns have
  // BeatsPerBar() * 4 steps a bar (sixteenths) and may run over several bars; they repeat.
  //   Comp:  x / o hit the voicing (loud / soft), - holds, . rests
  //   Arp:   0-9 the voicing's notes from the bottom (wrapping an octave up), - holds, . rests
  //   Bass:  1 3 5 7 the chord's root, third, fifth, seventh; 8 the root an octave up;
  //          a a half-step approach to the next chord's root; - holds, . rests
  //   Drums: X accent, x normal, o soft, . nothing
  void Comp(Part& part, const std::vector<Bar>& bars, int bar, const std::string& pattern, int centre,
            int voices, double vel);
  void Arp(Part& part, const std::vector<Bar>& bars, int bar, const std::string& pattern, int centre,
           int voices, double vel);
  void Bass(Part& part, const std::vector<Bar>& bars, int bar, const std::string& pattern, int low, double vel);
  void WalkingBass(Part& part, const std::vector<Bar>& bars, int bar, int low, double vel);
  void Drums(int bar, int count, Drum drum, const std::string& pattern, double vel = 1.0);
  void Sustain(Part& part, const std::vector<Bar>& bars, int bar, int centre, int voices, double vel);

  // Melody over `bars`: phrases of four bars whose rhythms come from `rhythms` (a bar's note
  // onsets and lengths in beats) by `plan` (an index per bar); the first half of every second
  // phrase repeats the first half of the one before, fitted to its chords. Ends on the tonic.
  struct Rhythm {
    std::vector<std::pair<double, double>> notes;
  };
  void Melody(Part& part, const std::vector<Bar>& bars, int bar, const Scale& scale, int low, int high,
              const std::vector<Rhythm>& rhythms, const std::vector<int>& plan, double vel);

  synth::Buffer Render(int rate);

  synth::Rng rng;

 private:
  std::vector<int> Voicing(const Chord& chord, int centre, int voices) const;
  double m_bpm;
  int m_beatsPerBar;
  std::deque<Part> m_parts;  // parts are handed out by reference
  std::vector<Hit> m_hits;
};

// One note of an instrument, mono or stereo, with its release tail.
synth::Buffer RenderVoice(Voice voice, double seconds, double freq, double vel, int rate, synth::Rng& rng);
synth::Buffer RenderDrum(Drum drum, double vel, int rate, synth::Rng& rng);

}  // namespace music
