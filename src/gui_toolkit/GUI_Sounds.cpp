#include "GUI_Sounds.h"

#include <algorithm>
#include <cstdio>

#include "GDebug.h"
#include "Game.h"
#include "MacFile.h"
#include "SIM_PlayerOptions.h"

namespace {
// The override music has a channel of its own beyond the effect slots.
constexpr int OVERRIDE_CHANNEL = GUI_Sounds::SLOTS;
static_assert(OVERRIDE_CHANNEL < SoundDevice::CHANNELS, "the override music needs its own channel");

// Every file is opened inside the resources folder, whatever the current directory is.
std::string ResourcePath(const std::string& path) {
  std::string full = BuildMacResourceDirPath(path.c_str());
  if (full.empty()) {
    full = path;
    std::replace(full.begin(), full.end(), '\\', '/');
    return full;
  }
  full.pop_back();  // the builder ends every path with a separator
  return full;
}

float MusicVolume() { return SIM_GetPlayerOptions()->Get(SIM_PlayerOptions::OPTION_MUSICVOLUME); }
}  // namespace

GUI_Sounds* GUI_GetSounds() {
  // Never deleted: windows that close during the process's end may still stop their sounds.
  static GUI_Sounds* sounds = new GUI_Sounds;
  return sounds;
}

GUI_Sounds::GUI_Sounds() : m_device(GetSoundDevice()) {
  if (m_device->Open()) return;
  if (IsHeadless()) {
    GetDebug()->DebugOut(("SOUND silent: " + m_device->GetError()).c_str());
  } else {
    SoundError("init", "Failed to init FMOD");
  }
}

void GUI_Sounds::SoundError(const std::string& key, const char* what) const {
  // One report per file and kind of failure: a missing sound is asked for again and again.
  char text[256];
  std::snprintf(text, sizeof text, "ERROR - FMOD[%s] (%d) %s", what, -1, m_device->GetError().c_str());
  GErrorOnce(std::string(what) + "|" + key, text, __FILE__, __LINE__);
}

SoundDevice::Sound* GUI_Sounds::GetCachedSound(const std::string& path, bool loop) {
  for (const CachedSound& cached : m_cache) {
    if (cached.loop == loop && cached.path == path) return cached.sound;
  }
  return nullptr;
}

int GUI_Sounds::GetFreeChannel() {
  for (int slot = 0; slot < SLOTS; ++slot) {
    if (!m_slotUsed[slot] || !m_device->IsPlaying(slot)) return slot;
  }
  GWarning("SOUND No free channels, killing oldest", __FILE__, __LINE__);
  // The oldest by start order, not by a millisecond timer: sixteen sounds started in the same
  // millisecond still have an oldest.
  int oldest = -1;
  for (int slot = 0; slot < SLOTS; ++slot) {
    if (m_device->GetLoops(slot) != 0) continue;
    if (oldest < 0 || m_slotStarted[slot] < m_slotStarted[oldest]) oldest = slot;
  }
  return oldest;
}

int GUI_Sounds::PlaySound(const char* path, bool loop) { return PlayOnSlot(path, loop, 1.0f, 0.0f); }

int GUI_Sounds::PlaySound(const char* path, float volume, float pan, bool loop) {
  return PlayOnSlot(path, loop, volume, pan);
}

int GUI_Sounds::PlayOnSlot(const char* path, bool loop, float volume, float pan) {
  if (!path) return -1;
  m_lastPlayed = path;
  SoundDevice::Sound* sound = GetCachedSound(path, loop);
  if (!sound) {
    sound = m_device->Load(ResourcePath(path));
    if (!sound) {
      // Nothing is cached, so a file that turns up later is found on the next request.
      SoundError(path, "Failed to create sound");
      return -1;
    }
    m_cache.push_back({path, loop, sound});
  }
  int slot = GetFreeChannel();
  if (slot < 0) return -1;
  if (!m_device->Play(slot, sound, loop ? -1 : 0, volume, pan)) {
    SoundError(path, "Failed to reuse sound");
    return -1;
  }
  m_slotNames[slot] = path;
  m_slotUsed[slot] = true;
  m_slotStarted[slot] = ++m_starts;
  return slot;
}

void GUI_Sounds::PlaySound(int id) {
  if (id == SOUND_CLICK) PlaySound("data/sounds/zelk_click.ogg", false);
  if (id == SOUND_FLOURISH) PlaySound("data/sounds/flourish.ogg", false);
}

void GUI_Sounds::StopSound(int slot) {
  if (slot < 0 || slot >= SLOTS) return;
  m_device->Stop(slot);
}

void GUI_Sounds::StopSound(const char* path) {
  if (!path) return;
  for (int slot = 0; slot < SLOTS; ++slot) {
    if (m_slotNames[slot] == path) StopSound(slot);
  }
}

bool GUI_Sounds::IsPlaying(const std::string& name) const {
  if (m_overrideActive && m_overrideName == name) return true;
  for (int slot = 0; slot < SLOTS; ++slot) {
    if (m_slotNames[slot] == name && IsSlotPlaying(slot)) return true;
  }
  return false;
}

void GUI_Sounds::SetVolume(const std::string& name, float volume) {
  for (int slot = 0; slot < SLOTS; ++slot) {
    if (m_slotNames[slot] == name) m_device->SetVolume(slot, volume);
  }
}

void GUI_Sounds::OverrideMusic(const char* path, bool loop) {
  if (!path) return;
  SoundDevice::Sound* sound = m_device->Load(ResourcePath(path));
  if (!sound) {
    SoundError(path, "Failed to createStream");
  } else {
    float volume = m_device->IsMusicMuted() ? 0.0f : MusicVolume();
    if (!m_device->Play(OVERRIDE_CHANNEL, sound, loop ? -1 : 0, volume)) SoundError(path, "playsound failed");
    m_device->Free(m_overrideSound);  // the override it replaced
    m_overrideSound = sound;
  }
  // The music waits even when the override failed to load: a screen that overrides the music
  // always gets it back from its StopOverrideMusic.
  m_overrideActive = true;
  if (m_musicOn) m_device->SetMusicPaused(true);
  m_overrideName = path;
}

void GUI_Sounds::StopOverrideMusic() {
  if (!m_overrideActive) return;
  m_overrideActive = false;
  m_overrideName.clear();
  m_device->Stop(OVERRIDE_CHANNEL);
  m_device->Free(m_overrideSound);
  m_overrideSound = nullptr;
  if (m_musicOn) m_device->SetMusicPaused(false);
}

void GUI_Sounds::Initialise() {
  StartCurrentMusicTrack();
  RefreshMusicVolume();
  RefreshMasterVolume();
}

void GUI_Sounds::StartMusic() {
  StartCurrentMusicTrack();
  RefreshMusicVolume();
}

void GUI_Sounds::StopMusic() {
  if (!m_musicOn) return;
  m_device->StopMusic();
  m_musicOn = false;
}

void GUI_Sounds::MuteMusic() {
  m_device->SetMusicMuted(true);
  m_device->SetVolume(OVERRIDE_CHANNEL, 0.0f);
}

void GUI_Sounds::RefreshMusicVolume() {
  float volume = MusicVolume();
  m_device->SetMusicMuted(false);
  m_device->SetMusicVolume(volume);
  // The override is music to the player: it follows the music slider too.
  m_device->SetVolume(OVERRIDE_CHANNEL, volume);
}

void GUI_Sounds::RefreshMasterVolume() {
  m_device->SetMasterVolume(SIM_GetPlayerOptions()->Get(SIM_PlayerOptions::OPTION_MASTERVOLUME));
}

void GUI_Sounds::Process() {
  if (m_overrideActive || !m_musicOn) return;
  if (!m_device->IsMusicPlaying()) StartCurrentMusicTrack();
}

std::string GUI_Sounds::GetBestMusicChoice() const { return GetGame()->GetBestMusic(); }

const char* GUI_Sounds::InGameMusic(float happiness, bool first) {
  if (happiness > 0.6f) return first ? "daily_motion.ogg" : "casual_peppy.ogg";
  if (happiness < 0.3f) return first ? "determined_ladies_and_gents.ogg" : "cheer_up_old_timer.ogg";
  return first ? "average_day.ogg" : "swingin_calm.ogg";
}

void GUI_Sounds::StartCurrentMusicTrack() {
  if (!SIM_GetPlayerOptions()->GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC)) return;
  std::string path = MUSIC_FOLDER + GetBestMusicChoice();
  // The same track is never restarted while it plays.
  if (m_musicOn && m_device->IsMusicPlaying() && path == m_currentTrack) return;
  m_currentTrack = path;
  if (!m_device->PlayMusic(ResourcePath(path))) {
    SoundError(path, "Failed to createStream");
    // The old track stops all the same; Process waits for the next StartMusic rather than
    // trying the missing file again every frame.
    m_device->StopMusic();
    m_musicOn = false;
    return;
  }
  m_musicOn = true;
  ++m_musicStarts;
  if (m_overrideActive) m_device->SetMusicPaused(true);  // a new mode's track waits its turn
  RefreshMusicVolume();
}

bool GUI_Sounds::IsMusicMuted() const { return m_device->IsMusicMuted(); }

const std::string& GUI_Sounds::GetSlotName(int slot) const {
  static const std::string none;
  return (slot >= 0 && slot < SLOTS) ? m_slotNames[slot] : none;
}

float GUI_Sounds::GetSlotVolume(int slot) const {
  return (slot >= 0 && slot < SLOTS) ? m_device->GetVolume(slot) : 0.0f;
}

bool GUI_Sounds::IsSlotLooping(int slot) const {
  return slot >= 0 && slot < SLOTS && m_device->GetLoops(slot) != 0;
}

bool GUI_Sounds::IsSlotPlaying(int slot) const {
  return slot >= 0 && slot < SLOTS && m_slotUsed[slot] && m_device->IsPlaying(slot);
}
