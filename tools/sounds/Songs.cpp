// The game's music: one mood per track, as their names say. Each song is a form of sections
// (intro, themes, bridge, ending) over chord progressions, with its own band.
#include "Songs.h"

#include <cstdio>
#include <cstdlib>

#include "Music.h"

namespace music {
namespace {

using Bars = std::vector<Bar>;
using Rhythms = std::vector<Song::Rhythm>;

Bars P(const char* text) { return Progression(text); }

Bars Cat(std::initializer_list<Bars> parts) {
  Bars out;
  for (const Bars& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// Melody rhythms, a bar each: (onset, length) in beats.
const Rhythms kFlowing = {
    {{{0, 1}, {1, 0.5}, {1.5, 0.5}, {2, 1.5}, {3.5, 0.5}}},
    {{{0, 0.5}, {0.5, 0.5}, {1, 1}, {2, 0.5}, {2.5, 0.5}, {3, 1}}},
    {{{0, 1.5}, {1.5, 0.5}, {2, 1}, {3, 1}}},
    {{{0, 1}, {1, 3}}},
    {{{0, 4}}},
};
const Rhythms kPeppy = {
    {{{0, 0.5}, {0.5, 0.5}, {1, 0.5}, {2, 0.5}, {2.5, 1}, {3.5, 0.5}}},
    {{{0.5, 0.5}, {1, 0.5}, {1.5, 0.5}, {2, 1}, {3, 0.5}, {3.5, 0.5}}},
    {{{0, 0.75}, {0.75, 0.75}, {1.5, 0.5}, {2, 0.5}, {2.5, 0.5}, {3, 1}}},
    {{{0, 0.5}, {0.5, 0.5}, {1, 2.5}}},
};
const Rhythms kSlow = {
    {{{0, 2}, {2, 1}, {3, 1}}},
    {{{0, 1}, {1, 1}, {2, 2}}},
    {{{0, 1.5}, {1.5, 0.5}, {2, 2}}},
    {{{0, 4}}},
};
const Rhythms kSwing = {
    {{{0, 0.5}, {0.5, 0.5}, {1, 0.5}, {1.5, 1}, {2.5, 0.5}, {3, 1}}},
    {{{0.5, 0.5}, {1, 0.5}, {1.5, 0.5}, {2, 1.5}, {3.5, 0.5}}},
    {{{0, 1}, {1, 0.5}, {1.5, 0.5}, {2, 0.5}, {2.5, 1.5}}},
    {{{0, 1}, {1, 3}}},
};
const Rhythms kWaltz = {
    {{{0, 2}, {2, 1}}},
    {{{0, 1}, {1, 1}, {2, 1}}},
    {{{0, 1.5}, {1.5, 0.5}, {2, 1}}},
    {{{0, 3}}},
};
const Rhythms kChip = {
    {{{0, 0.5}, {0.5, 0.25}, {0.75, 0.25}, {1, 0.5}, {1.5, 0.5}, {2, 0.75}, {2.75, 0.25}, {3, 1}}},
    {{{0, 0.25}, {0.25, 0.25}, {0.5, 0.5}, {1, 1}, {2, 0.5}, {2.5, 0.5}, {3, 0.5}, {3.5, 0.5}}},
    {{{0, 1}, {1, 0.5}, {1.5, 0.5}, {2, 0.5}, {2.5, 0.25}, {2.75, 0.25}, {3, 1}}},
    {{{0, 0.5}, {0.5, 0.5}, {1, 3}}},
};

// The last bar rings: one long chord on the given parts.
void FinalChord(Song& song, Part& part, const Bars& lastBar, int bar, int centre, int voices, double vel) {
  song.Sustain(part, lastBar, bar, centre, voices, vel);
}

// The main menu: warm and inviting, an electric piano and vibraphone over soft drums.
synth::Buffer ResultsMenu(int rate) {
  Song s(96, 4, synth::Seed("Results Menu"));
  s.drumLevel = -21;
  s.room = 0.6, s.wet = 0.3;
  const Bars a = P("Fmaj7 Dm7 Bbmaj7 C7sus4+C7");
  const Bars a8 = Cat({a, a});
  const Bars b = P("Bbmaj7 Am7 Gm7 C7 Bbmaj7 Am7 Gm7+C7 Fmaj7");
  const Bars outro = P("Bbmaj7 C7sus4 Fmaj7 Fmaj7");
  const Bars all = Cat({a, a8, b, a8, outro});  // 4 + 8 + 8 + 8 + 4 bars
  Part& ep = s.AddPart(Voice::EPiano, -20.0, -0.2, 0.25);
  Part& pad = s.AddPart(Voice::Pad, -26.0, 0.0, 0.45);
  Part& bass = s.AddPart(Voice::Bass, -18.0, 0.0, 0.05);
  Part& vibes = s.AddPart(Voice::Vibes, -15.0, 0.25, 0.35);
  Part& flute = s.AddPart(Voice::Flute, -15.0, -0.1, 0.35);
  s.Comp(ep, Cat({a, a8, b, a8, P("Bbmaj7 C7sus4")}), 0, "x-----x---x-----", 62, 4, 0.7);
  s.Sustain(pad, all, 0, 60, 4, 0.6);
  s.Bass(bass, Cat({a, a8, b, a8, P("Bbmaj7 C7sus4")}), 0, "1-----1.5---a---", 36, 0.9);
  s.Bass(bass, P("Fmaj7"), 30, "1---------------", 36, 0.9);
  FinalChord(s, ep, P("Fmaj7"), 30, 62, 4, 0.6);
  s.Drums(2, 2, Drum::Shaker, "o.o.o.o.o.o.o.o.", 0.6);
  s.Drums(4, 26, Drum::Kick, "X.....x...x.....", 0.8);
  s.Drums(4, 26, Drum::Rim, "....x.......x...", 0.6);
  s.Drums(4, 26, Drum::HatClosed, "x.o.x.o.x.o.x.ox", 0.5);
  s.Drums(4, 26, Drum::Shaker, "..o...o...o...o.", 0.5);
  s.Drums(12, 1, Drum::Crash, "x...............", 0.4);
  s.Drums(20, 1, Drum::Crash, "x...............", 0.4);
  s.Drums(30, 1, Drum::Crash, "o...............", 0.4);
  s.Melody(vibes, a8, 4, Major(5), 65, 79, kFlowing, {0, 1, 0, 3, 0, 2, 1, 4}, 0.85);
  s.Melody(flute, b, 12, Major(5), 67, 81, kFlowing, {2, 0, 1, 3, 2, 1, 0, 4}, 0.8);
  s.Melody(vibes, a8, 20, Major(5), 65, 79, kFlowing, {0, 1, 0, 3, 0, 2, 1, 4}, 0.85);
  return s.Render(rate);
}

// In the game, happy: bright and on the move, a plucked guitar and marimba over a steady beat.
synth::Buffer DailyMotion(int rate) {
  Song s(116, 4, synth::Seed("daily_motion"));
  s.drumLevel = -19;
  s.room = 0.45, s.wet = 0.22;
  const Bars a = P("D A Bm G");
  const Bars a8 = Cat({a, a});
  const Bars b = P("G A F#m Bm Em7 A7 D D");
  const Bars outro = P("G A D D");
  // The form: a, a8, b, a8, outro.
  Part& guitar = s.AddPart(Voice::Pluck, -20.0, -0.3, 0.2);
  Part& pad = s.AddPart(Voice::Pad, -26.0, 0.0, 0.4);
  Part& bass = s.AddPart(Voice::Bass, -18.0, 0.0, 0.05);
  Part& marimba = s.AddPart(Voice::Marimba, -15.0, 0.25, 0.25);
  Part& vibes = s.AddPart(Voice::Vibes, -15.0, 0.2, 0.3);
  s.Arp(guitar, Cat({a, a8, b, a8, P("G A D")}), 0, "0-2-1-3-0-2-1-3-", 60, 4, 0.75);
  s.Sustain(pad, Cat({a8, b, a8, outro}), 4, 62, 3, 0.5);
  s.Bass(bass, Cat({a, a8, b, a8, P("G A")}), 0, "1--1--1-5--5--8-", 38, 0.9);
  s.Bass(bass, P("D D"), 30, "1-----------....", 38, 0.9);
  FinalChord(s, guitar, P("D"), 31, 60, 4, 0.7);
  s.Drums(2, 2, Drum::HatClosed, "x.x.x.x.x.x.x.x.", 0.5);
  s.Drums(4, 26, Drum::Kick, "X...x...X...x...", 0.85);
  s.Drums(4, 26, Drum::Clap, "....x.......x...", 0.6);
  s.Drums(4, 26, Drum::HatClosed, "o.x.o.x.o.x.o.x.", 0.55);
  s.Drums(12, 8, Drum::Tambourine, "o.o.x.o.o.o.x.o.", 0.45);
  s.Drums(4, 1, Drum::Crash, "x...............", 0.45);
  s.Drums(12, 1, Drum::Crash, "x...............", 0.45);
  s.Drums(20, 1, Drum::Crash, "x...............", 0.45);
  s.Drums(11, 1, Drum::Snare, "............xoxx", 0.5);
  s.Drums(30, 1, Drum::Crash, "x...............", 0.45);
  s.Melody(marimba, a8, 4, Major(2), 69, 83, kPeppy, {0, 1, 0, 3, 0, 2, 1, 3}, 0.85);
  s.Melody(vibes, b, 12, Major(2), 69, 83, kFlowing, {0, 2, 1, 3, 0, 1, 2, 4}, 0.8);
  s.Melody(marimba, a8, 20, Major(2), 69, 83, kPeppy, {0, 1, 0, 3, 0, 2, 1, 3}, 0.85);
  return s.Render(rate);
}

// In the game, happy: peppy off-beat organ, a whistling flute and hand claps.
synth::Buffer CasualPeppy(int rate) {
  Song s(124, 4, synth::Seed("casual_peppy"));
  s.drumLevel = -19;
  s.room = 0.4, s.wet = 0.2;
  const Bars a = P("G Em C D");
  const Bars a8 = Cat({a, a});
  const Bars b = P("Am7 D7 G Em Am7 D7 G G");
  const Bars outro = P("C D G G");
  // The form: a, a8, a8, b, a8, outro; 4 + 8 + 8 + 8 + 8 + 4 bars.
  Part& organ = s.AddPart(Voice::Organ, -21.0, -0.25, 0.2);
  Part& bass = s.AddPart(Voice::Bass, -18.0, 0.0, 0.05);
  Part& flute = s.AddPart(Voice::Flute, -15.0, 0.2, 0.25);
  Part& marimba = s.AddPart(Voice::Marimba, -15.0, 0.3, 0.2);
  s.Comp(organ, Cat({a, a8, a8, b, a8, P("C D G")}), 0, "..x-..x-..x-..x-", 62, 3, 0.75);
  s.Bass(bass, Cat({a, a8, a8, b, a8, P("C D")}), 0, "1.1.5.1.8.5.1.5.", 38, 0.85);
  s.Bass(bass, P("G"), 38, "1---------------", 38, 0.9);
  FinalChord(s, organ, P("G"), 39, 62, 3, 0.7);
  s.Drums(0, 4, Drum::Shaker, "oxoooxoooxoooxoo", 0.5);
  s.Drums(4, 34, Drum::Kick, "X.....x.X.......", 0.85);
  s.Drums(4, 34, Drum::Snare, "....X.......X...", 0.6);
  s.Drums(4, 34, Drum::HatClosed, "x.x.x.x.x.x.x.x.", 0.5);
  s.Drums(4, 34, Drum::Shaker, "oxoooxoooxoooxoo", 0.4);
  s.Drums(20, 8, Drum::Clap, "....x.......x.x.", 0.5);
  for (int bar : {4, 12, 20, 28, 36}) s.Drums(bar, 1, Drum::Crash, "x...............", 0.45);
  s.Melody(flute, a8, 4, Major(7), 67, 83, kPeppy, {0, 1, 0, 3, 1, 2, 0, 3}, 0.85);
  s.Melody(flute, a8, 12, Major(7), 67, 83, kPeppy, {2, 0, 1, 3, 2, 0, 1, 3}, 0.85);
  s.Melody(marimba, b, 20, Major(7), 67, 83, kPeppy, {1, 0, 2, 3, 1, 0, 2, 3}, 0.9);
  s.Melody(flute, a8, 28, Major(7), 67, 83, kPeppy, {0, 1, 0, 3, 1, 2, 0, 3}, 0.85);
  return s.Render(rate);
}

// In the game, so-so: an ordinary day, mellow electric piano, brushes and vibraphone.
synth::Buffer AverageDay(int rate) {
  Song s(90, 4, synth::Seed("average_day"));
  s.drumLevel = -24;
  s.swing = 0.06;
  s.room = 0.55, s.wet = 0.28;
  const Bars a = P("Cmaj7 Am7 Dm7 G7");
  const Bars a8 = Cat({a, a});
  const Bars b = P("Fmaj7 Em7 Dm7 G7sus4+G7 Fmaj7 Em7 Am7 Dm7+G7");
  const Bars outro = P("Fmaj7 G7sus4 Cmaj7 Cmaj7");
  // The form: a, a8, b, a8, outro.
  Part& ep = s.AddPart(Voice::EPiano, -20.0, -0.2, 0.25);
  Part& bass = s.AddPart(Voice::UpBass, -18.0, 0.0, 0.08);
  Part& pad = s.AddPart(Voice::Pad, -26.0, 0.0, 0.4);
  Part& vibes = s.AddPart(Voice::Vibes, -15.0, 0.25, 0.3);
  Part& piano = s.AddPart(Voice::Piano, -15.0, 0.15, 0.3);
  s.Comp(ep, Cat({a, a8, b, a8, P("Fmaj7 G7sus4")}), 0, "x-----o-----x---", 62, 4, 0.65);
  FinalChord(s, ep, P("Cmaj7 Cmaj7"), 30, 62, 4, 0.6);
  s.Sustain(pad, Cat({a8, b, a8, outro}), 4, 60, 3, 0.5);
  s.Bass(bass, Cat({a, a8, b, a8, P("Fmaj7 G7sus4")}), 0, "1-------5-----a-", 36, 0.9);
  s.Bass(bass, P("Cmaj7"), 30, "1---------------", 36, 0.9);
  s.Drums(4, 26, Drum::Brush, "o.o.x.o.o.o.x.o.", 0.7);
  s.Drums(4, 26, Drum::Kick, "x.......o.......", 0.6);
  s.Drums(4, 26, Drum::Rim, "....o.......o...", 0.5);
  s.Melody(vibes, a8, 4, Major(0), 64, 79, kFlowing, {0, 1, 2, 3, 0, 1, 0, 4}, 0.85);
  s.Melody(piano, b, 12, Major(0), 67, 81, kFlowing, {2, 1, 0, 3, 2, 0, 1, 4}, 0.75);
  s.Melody(vibes, a8, 20, Major(0), 64, 79, kFlowing, {0, 1, 2, 3, 0, 1, 0, 4}, 0.85);
  return s.Render(rate);
}

// In the game, so-so: calm small-band swing, walking bass, ride cymbal and vibraphone.
synth::Buffer SwinginCalm(int rate) {
  Song s(104, 4, synth::Seed("swingin_calm"));
  s.drumLevel = -23;
  s.swing = 0.16;
  s.room = 0.5, s.wet = 0.25;
  const Bars intro = P("Bbmaj7 Gm7 Cm7 F7");
  const Bars a = P("Bbmaj7 Gm7 Cm7 F7 Dm7 G7 Cm7 F7");
  const Bars b = P("Ebmaj7 Edim7 Bbmaj7 G7 Cm7 F7 Bb6 F7");
  const Bars outro = P("Cm7 F7 Bb6 Bb6");
  Part& bass = s.AddPart(Voice::UpBass, -18.0, 0.0, 0.08);
  Part& piano = s.AddPart(Voice::Piano, -20.0, -0.3, 0.25);
  Part& vibes = s.AddPart(Voice::Vibes, -15.0, 0.25, 0.3);
  Part& flute = s.AddPart(Voice::Flute, -15.0, 0.1, 0.3);
  s.WalkingBass(bass, Cat({intro, a, b, a, P("Cm7 F7")}), 0, 34, 0.85);
  s.Bass(bass, P("Bb6 Bb6"), 30, "1---------------", 34, 0.9);
  s.Comp(piano, Cat({intro, a, b, a, P("Cm7 F7")}), 0, "x-----x.........", 60, 4, 0.6);
  FinalChord(s, piano, P("Bb6"), 30, 60, 4, 0.55);
  s.Drums(0, 30, Drum::Ride, "x...x.x.x...x.x.", 0.55);
  s.Drums(0, 30, Drum::HatClosed, "....o.......o...", 0.6);
  s.Drums(4, 26, Drum::Brush, "..o.......o...o.", 0.5);
  s.Drums(4, 26, Drum::Kick, "o...............", 0.45);
  s.Drums(30, 1, Drum::Ride, "x...............", 0.55);
  s.Melody(vibes, a, 4, Major(10), 65, 79, kSwing, {0, 1, 2, 3, 0, 2, 1, 3}, 0.85);
  s.Melody(flute, b, 12, Major(10), 67, 81, kSwing, {2, 0, 1, 3, 1, 0, 2, 3}, 0.75);
  s.Melody(vibes, a, 20, Major(10), 65, 79, kSwing, {0, 1, 2, 3, 0, 2, 1, 3}, 0.85);
  return s.Render(rate);
}

// In the game, low: in a minor key but pressing on, a horn theme over a piano ostinato and drums.
synth::Buffer DeterminedLadiesAndGents(int rate) {
  Song s(108, 4, synth::Seed("determined_ladies_and_gents"));
  s.drumLevel = -18;
  s.room = 0.7, s.wet = 0.3;
  const Bars a = P("Am F C G");
  const Bars a8 = Cat({a, a});
  const Bars b = P("F G Em Am F G E E");
  const Bars outro = P("F G Am Am");
  // The form: a, a8, b, a8, outro.
  Part& ostinato = s.AddPart(Voice::Piano, -21.0, -0.2, 0.2);
  Part& strings = s.AddPart(Voice::Strings, -24.0, 0.0, 0.4);
  Part& bass = s.AddPart(Voice::Bass, -18.0, 0.0, 0.05);
  Part& brass = s.AddPart(Voice::Brass, -15.0, 0.15, 0.3);
  Part& high = s.AddPart(Voice::Strings, -16.0, 0.3, 0.4);
  s.Arp(ostinato, Cat({a, a8, b, a8, P("F G")}), 0, "0-1-2-1-0-1-2-1-", 52, 3, 0.7);
  FinalChord(s, ostinato, P("Am Am"), 30, 52, 3, 0.7);
  s.Sustain(strings, Cat({a8, b, a8, outro}), 4, 62, 4, 0.55);
  s.Bass(bass, Cat({a, a8, b, a8, P("F G")}), 0, "1.1.1.1.1.1.5.5.", 33, 0.8);
  s.Bass(bass, P("Am"), 30, "1---------------", 33, 0.9);
  s.Drums(0, 4, Drum::Taiko, "X.......x.x.....", 0.7);
  s.Drums(4, 26, Drum::Taiko, "X.......x.x.....", 0.75);
  s.Drums(4, 26, Drum::Snare, "....x..o....x.oo", 0.45);
  s.Drums(12, 8, Drum::HatClosed, "x.x.x.x.x.x.x.x.", 0.45);
  s.Drums(11, 1, Drum::TomHigh, "........x.x.x...", 0.6);
  s.Drums(11, 1, Drum::TomLow, "..............xx", 0.7);
  s.Drums(19, 1, Drum::TomLow, "........x.x.x.xx", 0.7);
  for (int bar : {4, 12, 20, 30}) s.Drums(bar, 1, Drum::Crash, "x...............", 0.5);
  s.Melody(brass, a8, 4, Minor(9), 62, 76, kFlowing, {2, 0, 2, 3, 2, 1, 0, 4}, 0.85);
  s.Melody(high, b, 12, Minor(9), 69, 84, kSlow, {0, 1, 2, 3, 0, 2, 1, 3}, 0.8);
  s.Melody(brass, a8, 20, Minor(9), 62, 76, kFlowing, {2, 0, 2, 3, 2, 1, 0, 4}, 0.9);
  return s.Render(rate);
}

// In the game, low: gentle and hopeful, a piano, a flute and soft strings.
synth::Buffer CheerUpOldTimer(int rate) {
  Song s(80, 4, synth::Seed("cheer_up_old_timer"));
  s.drumLevel = -28;
  s.room = 0.65, s.wet = 0.32;
  const Bars a = P("G D Em C");
  const Bars a8 = Cat({a, a});
  const Bars b = P("Am7 D7 G Em Am7 D7 G G");
  const Bars outro = P("C G");
  // The form: a, a8, b, a8, outro; 4 + 8 + 8 + 8 + 2 bars.
  Part& piano = s.AddPart(Voice::Piano, -20.0, -0.15, 0.3);
  Part& strings = s.AddPart(Voice::Strings, -24.0, 0.0, 0.45);
  Part& bass = s.AddPart(Voice::UpBass, -18.0, 0.0, 0.1);
  Part& flute = s.AddPart(Voice::Flute, -15.0, 0.2, 0.35);
  Part& melodyStrings = s.AddPart(Voice::Strings, -16.0, 0.25, 0.4);
  s.Arp(piano, Cat({a, a8, b, a8, P("C")}), 0, "0-1-2-1-3-1-2-1-", 60, 4, 0.6);
  FinalChord(s, piano, P("G"), 29, 60, 4, 0.6);
  s.Sustain(strings, Cat({a8, b, a8, outro}), 4, 60, 3, 0.45);
  s.Bass(bass, Cat({a, a8, b, a8, P("C")}), 0, "1-------5-------", 36, 0.8);
  s.Bass(bass, P("G"), 29, "1---------------", 36, 0.8);
  s.Drums(12, 16, Drum::Shaker, "o.o.o.o.o.o.o.o.", 0.45);
  s.Melody(flute, a8, 4, Major(7), 67, 81, kSlow, {0, 1, 2, 3, 1, 0, 2, 3}, 0.8);
  s.Melody(melodyStrings, b, 12, Major(7), 64, 79, kSlow, {1, 0, 2, 3, 0, 2, 1, 3}, 0.8);
  s.Melody(flute, a8, 20, Major(7), 67, 81, kSlow, {0, 1, 2, 3, 1, 0, 2, 3}, 0.8);
  return s.Render(rate);
}

// A grand restaurant: a waltz for strings and harpsichord.
synth::Buffer RestaurantSnooty(int rate) {
  Song s(138, 3, synth::Seed("restaurant_snooty"));
  s.room = 0.7, s.wet = 0.32;
  const Bars intro = P("D A7 D A7");
  const Bars a = P("D A7 D G D Em A7 D");
  const Bars a16 = Cat({a, a});
  const Bars b = P("G Gm D Bm Em A7 D D");
  const Bars b16 = Cat({b, b});
  const Bars outro = P("G A7 D D");
  const Bars all = Cat({intro, a16, b16, a16, outro});  // 4 + 16 + 16 + 16 + 4 bars
  Part& bass = s.AddPart(Voice::UpBass, -18.0, 0.0, 0.1);
  Part& harpsi = s.AddPart(Voice::Harpsi, -21.0, -0.25, 0.3);
  Part& strings = s.AddPart(Voice::Strings, -24.0, 0.0, 0.45);
  Part& violin = s.AddPart(Voice::Strings, -15.0, 0.2, 0.4);
  Part& flute = s.AddPart(Voice::Flute, -15.0, 0.15, 0.35);
  s.Bass(bass, all, 0, "1-----------", 38, 0.8);
  s.Comp(harpsi, Cat({intro, a16, b16, a16, P("G A7 D")}), 0, "....x---x---", 64, 3, 0.65);
  FinalChord(s, harpsi, P("D"), 55, 64, 3, 0.65);
  s.Sustain(strings, Cat({a16, b16, a16, outro}), 4, 62, 3, 0.4);
  s.Melody(violin, a16, 4, Major(2), 69, 86, kWaltz, {0, 1, 2, 3, 0, 2, 1, 3}, 0.8);
  s.Melody(flute, b16, 20, Major(2), 69, 84, kWaltz, {1, 2, 0, 3, 1, 0, 2, 3}, 0.8);
  s.Melody(violin, a16, 36, Major(2), 69, 86, kWaltz, {0, 1, 2, 3, 0, 2, 1, 3}, 0.8);
  return s.Render(rate);
}

// A fashionable restaurant: downtempo lounge, electric piano, deep bass and brushed beats.
synth::Buffer RestaurantHip(int rate) {
  Song s(88, 4, synth::Seed("restaurant_hip"));
  s.drumLevel = -21;
  s.swing = 0.08;
  s.room = 0.6, s.wet = 0.3;
  const Bars a = P("Dm9 Em7 Fmaj7 Em7");
  const Bars a8 = Cat({a, a});
  const Bars b = P("Fmaj7 Em7 Dm9 G9 Fmaj7 Em7 Dm9 G9");
  const Bars outro = P("Fmaj7 G9 Dm9 Dm9");
  const Bars all = Cat({a, a8, b, a8, outro});
  Part& ep = s.AddPart(Voice::EPiano, -20.0, -0.25, 0.3);
  Part& pad = s.AddPart(Voice::Pad, -26.0, 0.0, 0.45);
  Part& bass = s.AddPart(Voice::SynthBass, -18.0, 0.0, 0.05);
  Part& vibes = s.AddPart(Voice::Vibes, -15.0, 0.25, 0.35);
  s.Comp(ep, Cat({a, a8, b, a8, P("Fmaj7 G9")}), 0, "x-----x---o-----", 62, 4, 0.65);
  FinalChord(s, ep, P("Dm9 Dm9"), 30, 62, 4, 0.6);
  s.Sustain(pad, all, 0, 62, 4, 0.5);
  s.Bass(bass, Cat({a, a8, b, a8, P("Fmaj7 G9")}), 0, "1-----.1-.5-7-..", 36, 0.85);
  s.Bass(bass, P("Dm9"), 30, "1---------------", 36, 0.85);
  s.Drums(4, 26, Drum::Kick, "X.......x.X.....", 0.8);
  s.Drums(4, 26, Drum::Rim, "....x.......x...", 0.55);
  s.Drums(4, 26, Drum::HatClosed, "x.o.x.o.x.o.x.o.", 0.45);
  s.Drums(12, 18, Drum::Shaker, "oooooooooooooooo", 0.35);
  s.Melody(vibes, a8, 4, Dorian(2), 65, 79, kSlow, {0, 2, 1, 3, 2, 0, 1, 3}, 0.8);
  s.Melody(vibes, b, 12, Dorian(2), 67, 81, kFlowing, {2, 0, 1, 3, 0, 1, 2, 4}, 0.8);
  s.Melody(vibes, a8, 20, Dorian(2), 65, 79, kSlow, {0, 2, 1, 3, 2, 0, 1, 3}, 0.8);
  return s.Render(rate);
}

// A cheap restaurant: a cheerful, cheesy oom-pah with accordion and organ.
synth::Buffer RestaurantCheapo(int rate) {
  Song s(128, 4, synth::Seed("restaurant_cheapo"));
  s.drumLevel = -21;
  s.room = 0.35, s.wet = 0.18;
  const Bars intro = P("F C7 F C7");
  const Bars a = P("F C7 C7 F Bb F C7 F");
  const Bars b = P("Bb Bb F F C7 C7 F F");
  const Bars outro = P("Bb C7 F F");
  // The form: intro, a, b, a, b, outro; 4 + 8 + 8 + 8 + 8 + 4 bars.
  Part& bass = s.AddPart(Voice::Bass, -18.0, 0.0, 0.05);
  Part& organ = s.AddPart(Voice::Organ, -21.0, -0.25, 0.2);
  Part& accordion = s.AddPart(Voice::Accordion, -15.0, 0.2, 0.2);
  Part& lead = s.AddPart(Voice::Organ, -15.0, 0.25, 0.25);
  s.Bass(bass, Cat({intro, a, b, a, b, P("Bb C7")}), 0, "1-......5-......", 36, 0.85);
  s.Bass(bass, P("F F"), 38, "1---------------", 36, 0.9);
  s.Comp(organ, Cat({intro, a, b, a, b, P("Bb C7")}), 0, "....x-......x-..", 62, 3, 0.7);
  FinalChord(s, organ, P("F"), 39, 62, 3, 0.7);
  s.Drums(0, 38, Drum::Kick, "X.......X.......", 0.8);
  s.Drums(0, 38, Drum::Snare, "....x.......x...", 0.5);
  s.Drums(4, 34, Drum::HatClosed, "..x...x...x...x.", 0.5);
  s.Drums(38, 1, Drum::Crash, "x...............", 0.45);
  s.Melody(accordion, a, 4, Major(5), 65, 81, kPeppy, {0, 1, 0, 3, 2, 0, 1, 3}, 0.85);
  s.Melody(lead, b, 12, Major(5), 67, 81, kPeppy, {1, 0, 2, 3, 1, 2, 0, 3}, 0.8);
  s.Melody(accordion, a, 20, Major(5), 65, 81, kPeppy, {0, 1, 0, 3, 2, 0, 1, 3}, 0.85);
  s.Melody(lead, b, 28, Major(5), 67, 81, kPeppy, {1, 0, 2, 3, 1, 2, 0, 3}, 0.8);
  return s.Render(rate);
}

// A friendly neighbourhood restaurant: an easy bossa for nylon guitar, piano and flute.
synth::Buffer RestaurantMidrange(int rate) {
  Song s(112, 4, synth::Seed("restaurant_midrange"));
  s.drumLevel = -22;
  s.swing = 0.04;
  s.room = 0.5, s.wet = 0.25;
  const Bars intro = P("Gmaj7 Am7 Bm7 Am7+D7");
  const Bars a = P("Gmaj7 Em7 Am7 D7 Bm7 E7 Am7 D7");
  const Bars b = P("Cmaj7 Cm7 Bm7 E7 Am7 D7 Gmaj7 Gmaj7");
  const Bars outro = P("Cmaj7 D7 Gmaj7 Gmaj7");
  const Bars all = Cat({intro, a, b, a, outro});  // 4 + 8 + 8 + 8 + 4 bars
  Part& guitar = s.AddPart(Voice::Pluck, -20.0, -0.3, 0.2);
  Part& piano = s.AddPart(Voice::Piano, -23.0, 0.2, 0.3);
  Part& bass = s.AddPart(Voice::UpBass, -18.0, 0.0, 0.1);
  Part& flute = s.AddPart(Voice::Flute, -16.0, 0.15, 0.35);
  s.Comp(guitar, Cat({intro, a, b, a, P("Cmaj7 D7")}), 0, "x..x..x...x..x..", 59, 4, 0.6);
  FinalChord(s, guitar, P("Gmaj7 Gmaj7"), 30, 59, 4, 0.6);
  s.Sustain(piano, Cat({a, b, a}), 4, 64, 3, 0.35);
  s.Bass(bass, Cat({intro, a, b, a, P("Cmaj7 D7")}), 0, "1--.5-..1--.5-..", 38, 0.8);
  s.Bass(bass, P("Gmaj7"), 30, "1---------------", 38, 0.8);
  s.Drums(4, 24, Drum::Rim, "..x..x....x..x..", 0.45);
  s.Drums(4, 24, Drum::Shaker, "oooooooooooooooo", 0.3);
  s.Drums(4, 24, Drum::Kick, "x.....x.x.....x.", 0.6);
  s.Melody(flute, a, 4, Major(7), 67, 83, kFlowing, {0, 1, 2, 3, 1, 0, 2, 4}, 0.8);
  s.Melody(flute, b, 12, Major(7), 67, 83, kSlow, {1, 2, 0, 3, 2, 1, 0, 3}, 0.75);
  s.Melody(flute, a, 20, Major(7), 67, 83, kFlowing, {0, 1, 2, 3, 1, 0, 2, 4}, 0.8);
  return s.Render(rate);
}

// The video game's music: a chip-tune loop, played under the dogfight until it ends.
synth::Buffer VideogamePlanes(int rate) {
  Song s(150, 4, synth::Seed("videogame_planes"));
  s.drumLevel = -19;
  s.loop = true;
  s.humanise = 0.0;
  s.room = 0.3, s.wet = 0.1;
  const Bars a = P("Em C G D");
  const Bars a8 = Cat({a, a});
  const Bars b = P("C D Em Em C D B7 B7");
  const Bars all = Cat({a8, b, a8});
  Part& lead = s.AddPart(Voice::ChipLead, -15.0, 0.1, 0.15);
  Part& arp = s.AddPart(Voice::ChipArp, -24.0, -0.3, 0.1);
  Part& bass = s.AddPart(Voice::ChipBass, -18.0, 0.0, 0.0);
  s.Arp(arp, all, 0, "0120012001200120", 72, 3, 0.6);
  s.Bass(bass, all, 0, "1.8.1.8.1.8.5.8.", 40, 0.9);
  s.Drums(0, 24, Drum::ChipKick, "X.......X.x.....", 0.9);
  s.Drums(0, 24, Drum::ChipSnare, "....X.......X...", 0.8);
  s.Drums(0, 24, Drum::ChipHat, "x.x.x.x.x.x.x.xx", 0.6);
  s.Melody(lead, a8, 0, Minor(4), 64, 83, kChip, {0, 1, 2, 3, 0, 2, 1, 3}, 0.9);
  s.Melody(lead, b, 8, Minor(4), 64, 83, kChip, {1, 2, 0, 3, 2, 1, 0, 3}, 0.9);
  s.Melody(lead, a8, 16, Minor(4), 64, 83, kChip, {0, 1, 2, 3, 0, 2, 1, 3}, 0.9);
  return s.Render(rate);
}

struct Entry {
  const char* path;
  synth::Buffer (*make)(int rate);
};

const Entry kSongs[] = {
    {"data/sounds/music/Results Menu.ogg", ResultsMenu},
    {"data/sounds/music/daily_motion.ogg", DailyMotion},
    {"data/sounds/music/casual_peppy.ogg", CasualPeppy},
    {"data/sounds/music/average_day.ogg", AverageDay},
    {"data/sounds/music/swingin_calm.ogg", SwinginCalm},
    {"data/sounds/music/determined_ladies_and_gents.ogg", DeterminedLadiesAndGents},
    {"data/sounds/music/cheer_up_old_timer.ogg", CheerUpOldTimer},
    {"data/sounds/music/restaurant_snooty.ogg", RestaurantSnooty},
    {"data/sounds/music/restaurant_hip.ogg", RestaurantHip},
    {"data/sounds/music/restaurant_cheapo.ogg", RestaurantCheapo},
    {"data/sounds/music/restaurant_midrange.ogg", RestaurantMidrange},
    {"data/sounds/videogame_planes.ogg", VideogamePlanes},
};

}  // namespace

std::vector<std::string> SongPaths() {
  std::vector<std::string> out;
  for (const Entry& e : kSongs) out.push_back(e.path);
  return out;
}

bool MakeSong(const std::string& path, int rate, synth::Buffer* out) {
  for (const Entry& e : kSongs) {
    if (path == e.path) {
      *out = e.make(rate);
      return true;
    }
  }
  return false;
}

}  // namespace music
