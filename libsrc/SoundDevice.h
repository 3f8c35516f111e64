#pragma once
// The audio device under the game's sound manager: numbered channels that play whole-file sounds,
// one streamed music track, and the master volume. It sits on SDL2_mixer; nothing above it sees
// SDL.
//
// Without a device (VORLA2_HEADLESS=1, no audio driver, or an open that fails) it is silent but
// keeps its books as if it played: a sound "plays" for the length its file's header gives, loops
// for ever when asked, pauses and stops, so everything above it behaves the same with or without
// speakers. Files are still opened and checked, so a missing or broken file fails in silence too.
#include <cstdint>
#include <string>

class SoundDevice {
 public:
  // Channels 0..15 are the sound manager's effect slots, 16 carries the override music.
  static constexpr int CHANNELS = 17;
  using Clock = uint32_t (*)();

  struct Sound;  // a whole file, decoded (or, when silent, measured) once
  struct Track;  // a streamed music file

  ~SoundDevice() = delete;  // lives until the process ends, as the sound manager does

  // Opens the device on the first call; false when it stays silent (the reason is in GetError).
  bool Open();
  bool IsSilent() const { return !m_real; }

  // `path` is a file path as the operating system takes it. Null on failure, with GetError().
  Sound* Load(const std::string& path);
  void Free(Sound* sound);                  // stops every channel that plays it first
  uint32_t GetLength(const Sound* sound) const;  // milliseconds, one pass

  // Starts `sound` on `channel`, replacing whatever the channel played; loops -1 repeats for ever,
  // 0 plays once. The channel starts unpaused at the volume and pan given, from its first sample.
  bool Play(int channel, Sound* sound, int loops, float volume = 1.0f, float pan = 0.0f);
  void Stop(int channel);
  bool IsPlaying(int channel) const;  // a paused channel still counts as playing
  void SetPaused(int channel, bool paused);
  bool IsPaused(int channel) const;
  void SetVolume(int channel, float volume);  // 0..1
  float GetVolume(int channel) const;
  void SetPan(int channel, float pan);  // -1 left .. 0 centre .. 1 right
  float GetPan(int channel) const;
  int GetLoops(int channel) const;  // of the last Play on the channel; 0 when none

  // The music: one file streamed from disk and played once. A new track replaces the old one.
  bool PlayMusic(const std::string& path);  // false (and GetError) when it cannot be opened
  void StopMusic();
  bool IsMusicPlaying() const;  // paused music still counts as playing
  void SetMusicPaused(bool paused);
  bool IsMusicPaused() const { return m_musicPaused; }
  void SetMusicVolume(float volume);  // 0..1, scaled by the master volume
  float GetMusicVolume() const { return m_musicVolume; }
  void SetMusicMuted(bool muted);  // independent of the volume, as a mute switch is
  bool IsMusicMuted() const { return m_musicMuted; }

  void SetMasterVolume(float volume);  // 0..1, every channel and the music
  float GetMasterVolume() const { return m_masterVolume; }

  const std::string& GetError() const { return m_error; }

  // A silent device measures playing time by this clock (timeGetTime unless replaced); tests
  // install one they move by hand. Pass nullptr to go back to timeGetTime.
  static void SetClock(Clock clock);

 private:
  friend SoundDevice* GetSoundDevice();
  SoundDevice() = default;

  struct Channel {
    Sound* sound = nullptr;
    int loops = 0;
    float volume = 1.0f;
    float pan = 0.0f;
    bool paused = false;
    uint32_t start = 0;      // silent playing time: when it started,
    uint32_t pausedAt = 0;   // when it was paused,
    uint32_t pausedFor = 0;  // and how long it has spent paused
  };
  bool ValidChannel(int channel) const { return channel >= 0 && channel < CHANNELS; }
  static uint32_t Played(const Channel& c);
  static bool StillSounding(const Channel& c);
  void ApplyMusicVolume();

  bool m_opened = false;
  bool m_real = false;
  std::string m_error;
  Channel m_channels[CHANNELS];

  Track* m_music = nullptr;  // the streamed track of a real device
  Channel m_musicState;      // the track's books; a silent device's track is a measured Sound
  bool m_musicOn = false;
  bool m_musicPaused = false;
  bool m_musicMuted = false;
  float m_musicVolume = 1.0f;
  float m_masterVolume = 1.0f;
};

SoundDevice* GetSoundDevice();
