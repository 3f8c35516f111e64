#pragma once
// The game's one sound manager: short effects on sixteen tracked slots, the background music that
// suits the current game mode (moving on to the next track when one ends), override music that
// holds the track paused for a while, and the player's volume options. Paths are relative to the
// resources folder ("data/sounds/..."). Without an audio device everything is silent but the
// books stay the same: slots fill, loops keep playing, tracks end after their length.
#include <string>
#include <vector>

#include "SoundDevice.h"

class GUI_Sounds {
 public:
  enum SOUNDID { SOUND_CLICK = 0, SOUND_FLOURISH = 1 };
  static constexpr int SLOTS = 16;
  static constexpr const char* MUSIC_FOLDER = "data/sounds/music/";

  // The slot 0..15 it plays on, or -1 when the file cannot be loaded (reported once per path) or
  // every slot holds a looping sound. When all sixteen are busy the sound that started earliest
  // and plays once gives up its slot.
  int PlaySound(const char* path, bool loop);
  int PlaySound(const char* path, float volume, float pan, bool loop);  // pan -1 left .. 1 right
  void PlaySound(int id);  // SOUNDID: 0 the click, 1 the flourish; other values play nothing
  void StopSound(int slot);          // 0..15; others are ignored
  void StopSound(const char* path);  // every slot started with exactly this path string
  // True for the active override music's name, and for a path some slot still plays.
  bool IsPlaying(const std::string& name) const;
  void SetVolume(const std::string& name, float volume);  // every slot of that path

  // Replaces the music for a while: the track pauses and `path` plays on the override channel
  // (replacing an override that still plays) until StopOverrideMusic resumes the track.
  void OverrideMusic(const char* path, bool loop);
  void StopOverrideMusic();
  bool IsOverrideActive() const { return m_overrideActive; }

  // Music: "data/sounds/music/" + the file the current game mode asks for (Game::GetBestMusic),
  // only while the player's music toggle is on. A track that already plays from that path is left
  // alone, so the music runs on unbroken between modes that want the same one.
  void Initialise();  // once, when the in-game GUI opens: the music and both volumes
  void StartMusic();
  void StopMusic();  // and Process starts nothing until the next StartMusic
  void MuteMusic();  // the application is paused; RefreshMusicVolume is the way out
  void RefreshMusicVolume();
  void RefreshMasterVolume();
  void Process();  // once a frame: the next track when one has ended
  std::string GetBestMusicChoice() const;

  // The in-game mode's choice by the player's happiness: above 0.6 "daily_motion.ogg" or
  // "casual_peppy.ogg", below 0.3 "determined_ladies_and_gents.ogg" or "cheer_up_old_timer.ogg",
  // otherwise "average_day.ogg" or "swingin_calm.ogg"; `first` picks the first of the pair.
  static const char* InGameMusic(float happiness, bool first);

  // The books, for callers and tests that check them.
  const std::string& GetMusicTrack() const { return m_currentTrack; }
  bool IsMusicOn() const { return m_musicOn; }
  bool IsMusicMuted() const;
  int GetMusicStarts() const { return m_musicStarts; }
  const std::string& GetSlotName(int slot) const;
  float GetSlotVolume(int slot) const;
  bool IsSlotLooping(int slot) const;
  bool IsSlotPlaying(int slot) const;
  const std::string& GetOverrideName() const { return m_overrideName; }
  const std::string& GetLastPlayed() const { return m_lastPlayed; }  // the path last asked for
  size_t GetCacheSize() const { return m_cache.size(); }

 private:
  friend GUI_Sounds* GUI_GetSounds();
  GUI_Sounds();
  ~GUI_Sounds() = delete;

  struct CachedSound {
    std::string path;
    bool loop;
    SoundDevice::Sound* sound;
  };

  int GetFreeChannel();
  int PlayOnSlot(const char* path, bool loop, float volume, float pan);
  SoundDevice::Sound* GetCachedSound(const std::string& path, bool loop);
  void StartCurrentMusicTrack();
  void SoundError(const std::string& key, const char* what) const;

  SoundDevice* m_device;
  std::string m_slotNames[SLOTS];
  std::vector<CachedSound> m_cache;
  bool m_slotUsed[SLOTS] = {};          // the slot has had a sound since the start
  unsigned long long m_slotStarted[SLOTS] = {};  // when, in starts counted from 1
  unsigned long long m_starts = 0;
  std::string m_overrideName;
  SoundDevice::Sound* m_overrideSound = nullptr;
  bool m_overrideActive = false;
  std::string m_currentTrack;
  bool m_musicOn = false;  // a track was started and not stopped since
  int m_musicStarts = 0;
  std::string m_lastPlayed;
};

GUI_Sounds* GUI_GetSounds();
