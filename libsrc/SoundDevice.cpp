#include "SoundDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "GDebug.h"
#include "Timing.h"

struct SoundDevice::Sound {
  Mix_Chunk* chunk = nullptr;  // null on a silent device
  uint32_t length = 0;         // milliseconds
};

struct SoundDevice::Track {
  Mix_Music* music = nullptr;
};

namespace {
SoundDevice::Clock g_soundClock = &timeGetTime;

uint32_t Now() { return g_soundClock(); }

int ToMixVolume(float volume) { return (int)(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME + 0.5f); }

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>* out) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  unsigned char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) out->insert(out->end(), buffer, buffer + got);
  std::fclose(f);
  return true;
}

uint32_t ReadLe32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | ((uint32_t)p[3] << 24); }
uint16_t Le16(const unsigned char* p) { return (uint16_t)(p[0] | (p[1] << 8)); }

// An Ogg Vorbis stream's length: the sample rate of its identification header and the granule
// position (samples per channel) of its last page.
bool MeasureOgg(const std::vector<unsigned char>& d, uint32_t* ms) {
  if (d.size() < 28) return false;
  size_t payload = 27 + (size_t)d[26];
  if (d.size() < payload + 16) return false;
  const unsigned char* id = d.data() + payload;
  if (id[0] != 1 || std::memcmp(id + 1, "vorbis", 6) != 0) return false;
  uint32_t rate = ReadLe32(id + 12);
  if (rate == 0) return false;
  for (size_t i = d.size() - 27 + 1; i-- > 0;) {
    if (std::memcmp(&d[i], "OggS", 4) != 0 || d[i + 4] != 0) continue;
    uint64_t granule = ReadLe32(&d[i + 6]) | ((uint64_t)ReadLe32(&d[i + 10]) << 32);
    if (granule >> 63) return false;  // -1: no packet ends on the last page
    *ms = (uint32_t)std::min<uint64_t>(granule * 1000 / rate, UINT32_MAX);
    return true;
  }
  return false;
}

// A RIFF WAVE file's length: its data chunk over the byte rate of its format chunk.
bool MeasureWave(const std::vector<unsigned char>& d, uint32_t* ms) {
  if (d.size() < 12 || std::memcmp(d.data() + 8, "WAVE", 4) != 0) return false;
  uint32_t byteRate = 0;
  size_t at = 12;
  while (at + 8 <= d.size()) {
    uint32_t size = ReadLe32(&d[at + 4]);
    if (std::memcmp(&d[at], "fmt ", 4) == 0 && at + 16 <= d.size() && size >= 12) {
      byteRate = ReadLe32(&d[at + 16]);
      if (Le16(&d[at + 8]) == 0) return false;
    } else if (std::memcmp(&d[at], "data", 4) == 0) {
      if (byteRate == 0) return false;
      uint64_t bytes = std::min<uint64_t>(size, d.size() - (at + 8));
      *ms = (uint32_t)(bytes * 1000 / byteRate);
      return true;
    }
    at += 8 + (uint64_t)size + (size & 1);
  }
  return false;
}

// What a silent device knows of a file: that it opens and what its length is.
bool MeasureFile(const std::string& path, uint32_t* ms, std::string* error) {
  std::vector<unsigned char> data;
  if (!ReadWholeFile(path, &data)) {
    *error = path + ": cannot open the file";
    return false;
  }
  bool ok = false;
  if (data.size() >= 4 && std::memcmp(data.data(), "OggS", 4) == 0) ok = MeasureOgg(data, ms);
  if (data.size() >= 4 && std::memcmp(data.data(), "RIFF", 4) == 0) ok = MeasureWave(data, ms);
  if (!ok) *error = path + ": not an Ogg Vorbis or WAVE file";
  return ok;
}
}  // namespace

SoundDevice* GetSoundDevice() {
  // Never deleted: the mixer's thread may still run while the process ends.
  static SoundDevice* device = new SoundDevice;
  return device;
}

void SoundDevice::SetClock(Clock clock) { g_soundClock = clock ? clock : &timeGetTime; }

bool SoundDevice::Open() {
  if (m_opened) return m_real;
  m_opened = true;
  if (IsHeadless()) {
    m_error = "no audio device when headless";
    return false;
  }
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    m_error = SDL_GetError();
    return false;
  }
  Mix_Init(MIX_INIT_OGG);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    m_error = Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(CHANNELS);
  m_real = true;
  Mix_MasterVolume(ToMixVolume(m_masterVolume));
  ApplyMusicVolume();
  return true;
}

SoundDevice::Sound* SoundDevice::Load(const std::string& path) {
  Open();
  Sound* sound = new Sound;
  if (!m_real) {
    if (MeasureFile(path, &sound->length, &m_error)) return sound;
    delete sound;
    return nullptr;
  }
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  sound->chunk = file ? Mix_LoadWAV_RW(file, 1) : nullptr;
  if (!sound->chunk) {
    m_error = path + ": " + (file ? Mix_GetError() : "cannot open the file");
    delete sound;
    return nullptr;
  }
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  if (Mix_QuerySpec(&frequency, &format, &channels) && frequency > 0 && channels > 0) {
    uint64_t frameBytes = (uint64_t)channels * (SDL_AUDIO_BITSIZE(format) / 8);
    if (frameBytes) sound->length = (uint32_t)(sound->chunk->alen / frameBytes * 1000 / (uint64_t)frequency);
  }
  return sound;
}

void SoundDevice::Free(Sound* sound) {
  if (!sound) return;
  for (int c = 0; c < CHANNELS; ++c) {
    if (m_channels[c].sound == sound) Stop(c);
  }
  if (sound->chunk) Mix_FreeChunk(sound->chunk);  // the mixer halts what still plays it
  delete sound;
}

uint32_t SoundDevice::GetLength(const Sound* sound) const { return sound ? sound->length : 0; }

uint32_t SoundDevice::Played(const Channel& c) {
  uint32_t until = c.paused ? c.pausedAt : Now();
  return until - c.start - c.pausedFor;
}

bool SoundDevice::StillSounding(const Channel& c) {
  if (!c.sound) return false;
  if (c.loops < 0) return true;
  return (uint64_t)Played(c) < (uint64_t)c.sound->length * (uint64_t)(c.loops + 1);
}

bool SoundDevice::Play(int channel, Sound* sound, int loops, float volume, float pan) {
  if (!ValidChannel(channel) || !sound) return false;
  if (m_real) Mix_HaltChannel(channel);  // which also drops the old sound's pan
  Channel& c = m_channels[channel];
  c = Channel();
  c.sound = sound;
  c.loops = loops;
  c.start = Now();
  // Volume and pan go on before the sound starts, so its first samples are already right.
  SetVolume(channel, volume);
  SetPan(channel, pan);
  if (!m_real) return true;
  if (Mix_PlayChannel(channel, sound->chunk, loops) < 0) {
    m_error = Mix_GetError();
    c.sound = nullptr;
    return false;
  }
  Mix_Resume(channel);
  return true;
}

void SoundDevice::Stop(int channel) {
  if (!ValidChannel(channel)) return;
  m_channels[channel].sound = nullptr;
  m_channels[channel].paused = false;
  if (m_real) Mix_HaltChannel(channel);
}

bool SoundDevice::IsPlaying(int channel) const {
  if (!ValidChannel(channel)) return false;
  if (m_real) return m_channels[channel].sound && Mix_Playing(channel);
  return StillSounding(m_channels[channel]);
}

void SoundDevice::SetPaused(int channel, bool paused) {
  if (!ValidChannel(channel)) return;
  Channel& c = m_channels[channel];
  if (!c.sound || c.paused == paused) return;
  c.paused = paused;
  if (paused) {
    c.pausedAt = Now();
  } else {
    c.pausedFor += Now() - c.pausedAt;
  }
  if (m_real) {
    if (paused) {
      Mix_Pause(channel);
    } else {
      Mix_Resume(channel);
    }
  }
}

bool SoundDevice::IsPaused(int channel) const { return ValidChannel(channel) && m_channels[channel].paused; }

void SoundDevice::SetVolume(int channel, float volume) {
  if (!ValidChannel(channel)) return;
  m_channels[channel].volume = std::clamp(volume, 0.0f, 1.0f);
  if (m_real) Mix_Volume(channel, ToMixVolume(volume));
}

float SoundDevice::GetVolume(int channel) const { return ValidChannel(channel) ? m_channels[channel].volume : 0.0f; }

void SoundDevice::SetPan(int channel, float pan) {
  if (!ValidChannel(channel)) return;
  pan = std::clamp(pan, -1.0f, 1.0f);
  m_channels[channel].pan = pan;
  if (!m_real) return;
  if (pan == 0.0f) {
    Mix_SetPanning(channel, 255, 255);  // centred: the mixer drops the effect
    return;
  }
  // A balance control: the far side fades out, the near side stays at full level.
  Uint8 left = (Uint8)(255.0f * std::min(1.0f, 1.0f - pan) + 0.5f);
  Uint8 right = (Uint8)(255.0f * std::min(1.0f, 1.0f + pan) + 0.5f);
  Mix_SetPanning(channel, left, right);
}

float SoundDevice::GetPan(int channel) const { return ValidChannel(channel) ? m_channels[channel].pan : 0.0f; }

int SoundDevice::GetLoops(int channel) const {
  return ValidChannel(channel) && m_channels[channel].sound ? m_channels[channel].loops : 0;
}

bool SoundDevice::PlayMusic(const std::string& path) {
  Open();
  Track* track = nullptr;
  Sound* measured = nullptr;
  if (m_real) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    Mix_Music* music = file ? Mix_LoadMUS_RW(file, 1) : nullptr;
    if (!music) {
      m_error = path + ": " + (file ? Mix_GetError() : "cannot open the file");
      return false;
    }
    track = new Track{music};
  } else {
    measured = Load(path);
    if (!measured) return false;
  }
  StopMusic();
  m_music = track;
  m_musicState = Channel();
  m_musicState.sound = measured;
  m_musicState.start = Now();
  m_musicOn = true;
  m_musicPaused = false;
  if (m_real) {
    // The volume first, so the track never starts loud.
    ApplyMusicVolume();
    if (Mix_PlayMusic(track->music, 0) != 0) {
      m_error = Mix_GetError();
      StopMusic();
      return false;
    }
  }
  return true;
}

void SoundDevice::StopMusic() {
  if (m_music) {
    Mix_HaltMusic();
    Mix_FreeMusic(m_music->music);
    delete m_music;
    m_music = nullptr;
  }
  if (m_musicState.sound) {
    Free(m_musicState.sound);
    m_musicState.sound = nullptr;
  }
  m_musicOn = false;
  m_musicPaused = false;
}

bool SoundDevice::IsMusicPlaying() const {
  if (!m_musicOn) return false;
  if (m_musicPaused) return true;
  if (m_real) return Mix_PlayingMusic() != 0;
  return StillSounding(m_musicState);
}

void SoundDevice::SetMusicPaused(bool paused) {
  if (!m_musicOn || paused == m_musicPaused) return;
  m_musicPaused = paused;
  if (paused) {
    m_musicState.pausedAt = Now();
    m_musicState.paused = true;
  } else {
    m_musicState.pausedFor += Now() - m_musicState.pausedAt;
    m_musicState.paused = false;
  }
  if (m_real) {
    if (paused) {
      Mix_PauseMusic();
    } else {
      Mix_ResumeMusic();
    }
  }
}

void SoundDevice::SetMusicVolume(float volume) {
  m_musicVolume = std::clamp(volume, 0.0f, 1.0f);
  ApplyMusicVolume();
}

void SoundDevice::SetMusicMuted(bool muted) {
  m_musicMuted = muted;
  ApplyMusicVolume();
}

void SoundDevice::SetMasterVolume(float volume) {
  m_masterVolume = std::clamp(volume, 0.0f, 1.0f);
  if (m_real) Mix_MasterVolume(ToMixVolume(m_masterVolume));
  ApplyMusicVolume();  // the mixer's master volume leaves the music alone
}

void SoundDevice::ApplyMusicVolume() {
  if (!m_real) return;
  Mix_VolumeMusic(m_musicMuted ? 0 : ToMixVolume(m_musicVolume * m_masterVolume));
}
