// The sound manager: the sixteen effect slots, the cache, music by mode, override music and the
// volumes. Most cases run on the silent device (headless), which keeps the same books as a real
// one by a clock the test moves; the last case opens the real mixer on the dummy audio driver.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "GDebug.h"
#include "GUI_Sounds.h"
#include "SIM_PlayerOptions.h"
#include "SoundDevice.h"
#include "TestSupport.h"

namespace {
uint32_t g_soundNow = 5000;
uint32_t SoundNow() { return g_soundNow; }

const char* const kClick = "data/sounds/zelk_click.ogg";
const char* const kPhone = "data/sounds/telephone.ogg";
const char* const kWind = "data/sounds/cold_wind_loop.ogg";
const char* const kTrackMenu = "data/sounds/music/Results Menu.ogg";
const char* const kPlanes = "data/sounds/videogame_planes.ogg";
const char* const kGambling = "data/sounds/gambling_loop.ogg";
const std::string kKillWarning = "SOUND No free channels, killing oldest";

int CountLogLines(const std::string& text) {
  std::string log = "\n" + testsupport::ReadFile(GetDebug()->GetPath());
  std::string needle = "\n" + text;
  int count = 0;
  for (size_t pos = log.find(needle); pos != std::string::npos; pos = log.find(needle, pos + needle.size())) ++count;
  return count;
}

class SoundsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SoundDevice::SetClock(&SoundNow);
    SIM_PlayerOptions* options = SIM_GetPlayerOptions();
    options->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, true);
    options->Set(SIM_PlayerOptions::OPTION_MASTERVOLUME, 1.0f);
    options->Set(SIM_PlayerOptions::OPTION_MUSICVOLUME, 1.0f);
    sounds = GUI_GetSounds();
    device = GetSoundDevice();
  }
  void TearDown() override { SoundDevice::SetClock(nullptr); }

  GUI_Sounds* sounds = nullptr;
  SoundDevice* device = nullptr;
};
}  // namespace

TEST_F(SoundsTest, SeventeenthOneShotReplacesTheOldestAndLoopsAreNeverTaken) {
  ASSERT_TRUE(device->IsSilent());
  // Sixteen sounds started in the same millisecond fill the slots in order.
  for (int i = 0; i < GUI_Sounds::SLOTS; ++i) EXPECT_EQ(sounds->PlaySound(i % 2 ? kClick : kPhone, false), i);
  EXPECT_EQ(CountLogLines(kKillWarning), 0);

  // The seventeenth takes the slot of the earliest, with the warning; the next the one after it.
  EXPECT_EQ(sounds->PlaySound("data/sounds/flourish.ogg", false), 0);
  EXPECT_EQ(sounds->GetSlotName(0), "data/sounds/flourish.ogg");
  EXPECT_EQ(CountLogLines(kKillWarning), 1);
  EXPECT_EQ(sounds->PlaySound(kClick, false), 1);
  EXPECT_EQ(CountLogLines(kKillWarning), 2);

  // A stopped slot is free again, without a warning.
  sounds->StopSound(5);
  EXPECT_EQ(sounds->PlaySound(kPhone, false), 5);
  EXPECT_EQ(CountLogLines(kKillWarning), 2);

  // Once the sounds have run out every slot is free; the first is taken.
  g_soundNow += 60000;
  EXPECT_FALSE(sounds->IsPlaying(kPhone));
  EXPECT_EQ(sounds->PlaySound(kWind, true), 0);
  EXPECT_EQ(CountLogLines(kKillWarning), 2);

  // Sixteen loops: nothing gives way, nothing plays, every slot keeps its sound.
  for (int i = 1; i < GUI_Sounds::SLOTS; ++i) EXPECT_EQ(sounds->PlaySound(kWind, true), i);
  EXPECT_EQ(sounds->PlaySound(kClick, false), -1);
  EXPECT_EQ(CountLogLines(kKillWarning), 3);
  for (int i = 0; i < GUI_Sounds::SLOTS; ++i) {
    EXPECT_EQ(sounds->GetSlotName(i), kWind);
    EXPECT_TRUE(sounds->IsSlotPlaying(i));
  }
  g_soundNow += 600000;
  EXPECT_TRUE(sounds->IsPlaying(kWind));
}

TEST_F(SoundsTest, StopSoundNeedsTheVerySamePath) {
  int first = sounds->PlaySound(kPhone, true);
  int second = sounds->PlaySound(kPhone, true);
  int other = sounds->PlaySound(kWind, true);
  ASSERT_EQ(first, 0);
  ASSERT_EQ(second, 1);
  ASSERT_EQ(other, 2);
  for (const char* written : {"data\\sounds\\telephone.ogg", "./data/sounds/telephone.ogg",
                              "data/sounds//telephone.ogg", "telephone.ogg", "data/sounds/Telephone.ogg"}) {
    sounds->StopSound(written);
    EXPECT_TRUE(sounds->IsSlotPlaying(first)) << written;
    EXPECT_TRUE(sounds->IsSlotPlaying(second)) << written;
  }
  sounds->StopSound(kPhone);
  EXPECT_FALSE(sounds->IsSlotPlaying(first));
  EXPECT_FALSE(sounds->IsSlotPlaying(second));
  EXPECT_FALSE(sounds->IsPlaying(kPhone));
  EXPECT_TRUE(sounds->IsPlaying(kWind));
  // Slot numbers outside 0..15 are ignored; the override channel is not an effect slot.
  sounds->StopSound(-1);
  sounds->StopSound(GUI_Sounds::SLOTS);
  EXPECT_TRUE(sounds->IsPlaying(kWind));
}

TEST_F(SoundsTest, OverrideMusicPausesTheTrackAndStopOverrideMusicResumesIt) {
  sounds->StartMusic();
  ASSERT_EQ(sounds->GetMusicTrack(), kTrackMenu);  // no game mode yet: the menu's track
  ASSERT_TRUE(device->IsMusicPlaying());
  EXPECT_EQ(sounds->GetMusicStarts(), 1);
  g_soundNow += 1000;

  sounds->OverrideMusic(kPlanes, true);
  EXPECT_TRUE(device->IsMusicPaused());
  EXPECT_TRUE(sounds->IsPlaying(kPlanes));
  EXPECT_EQ(sounds->GetOverrideName(), kPlanes);
  // Long after the track would have ended, the paused track still waits and nothing new starts.
  g_soundNow += 3600000;
  sounds->Process();
  EXPECT_EQ(sounds->GetMusicStarts(), 1);

  // A second override replaces the first; one StopOverrideMusic ends it.
  sounds->OverrideMusic(kGambling, false);
  EXPECT_FALSE(sounds->IsPlaying(kPlanes));
  EXPECT_TRUE(sounds->IsPlaying(kGambling));
  g_soundNow += 600000;  // a one-shot override that has ended still counts while active
  EXPECT_TRUE(sounds->IsPlaying(kGambling));
  sounds->StopOverrideMusic();
  EXPECT_FALSE(sounds->IsOverrideActive());
  EXPECT_FALSE(sounds->IsPlaying(kGambling));
  EXPECT_EQ(sounds->GetOverrideName(), "");
  // The track goes on from where it was paused: resumed, not restarted.
  EXPECT_FALSE(device->IsMusicPaused());
  EXPECT_TRUE(device->IsMusicPlaying());
  sounds->Process();
  EXPECT_EQ(sounds->GetMusicStarts(), 1);
  sounds->StopOverrideMusic();  // nothing active: nothing happens
  EXPECT_TRUE(device->IsMusicPlaying());
}

TEST_F(SoundsTest, MusicFollowsTheToggleAndMovesOnWhenATrackEnds) {
  SIM_PlayerOptions* options = SIM_GetPlayerOptions();
  options->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, false);
  sounds->StartMusic();
  EXPECT_FALSE(sounds->IsMusicOn());
  EXPECT_FALSE(device->IsMusicPlaying());

  options->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, true);
  options->Set(SIM_PlayerOptions::OPTION_MASTERVOLUME, 0.5f);
  options->Set(SIM_PlayerOptions::OPTION_MUSICVOLUME, 0.25f);
  sounds->Initialise();
  EXPECT_TRUE(device->IsMusicPlaying());
  EXPECT_FLOAT_EQ(device->GetMusicVolume(), 0.25f);
  EXPECT_FLOAT_EQ(device->GetMasterVolume(), 0.5f);
  sounds->StartMusic();  // the same track while it plays: left alone
  EXPECT_EQ(sounds->GetMusicStarts(), 1);

  // Muting on pause, and back.
  sounds->MuteMusic();
  EXPECT_TRUE(sounds->IsMusicMuted());
  sounds->RefreshMusicVolume();
  EXPECT_FALSE(sounds->IsMusicMuted());
  EXPECT_FLOAT_EQ(device->GetMusicVolume(), 0.25f);

  // The track ends: the next frame starts the current choice again.
  sounds->Process();
  EXPECT_EQ(sounds->GetMusicStarts(), 1);
  g_soundNow += 3600000;
  EXPECT_FALSE(device->IsMusicPlaying());
  sounds->Process();
  EXPECT_EQ(sounds->GetMusicStarts(), 2);
  EXPECT_TRUE(device->IsMusicPlaying());

  // Stopped music stays stopped until the next StartMusic.
  sounds->StopMusic();
  g_soundNow += 3600000;
  sounds->Process();
  EXPECT_FALSE(device->IsMusicPlaying());
  EXPECT_EQ(sounds->GetMusicStarts(), 2);
}

TEST(SoundsMusicChoice, HappinessPicksThePair) {
  struct Case {
    float happiness;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {1.0f, "daily_motion.ogg", "casual_peppy.ogg"},
      {0.61f, "daily_motion.ogg", "casual_peppy.ogg"},
      {0.6f, "average_day.ogg", "swingin_calm.ogg"},
      {0.45f, "average_day.ogg", "swingin_calm.ogg"},
      {0.3f, "average_day.ogg", "swingin_calm.ogg"},
      {0.29f, "determined_ladies_and_gents.ogg", "cheer_up_old_timer.ogg"},
      {0.0f, "determined_ladies_and_gents.ogg", "cheer_up_old_timer.ogg"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(GUI_Sounds::InGameMusic(c.happiness, true), c.first) << c.happiness;
    EXPECT_STREQ(GUI_Sounds::InGameMusic(c.happiness, false), c.second) << c.happiness;
    // Every track the in-game mode can ask for is there.
    for (const char* name : {c.first, c.second}) {
      EXPECT_TRUE(testsupport::Exists(testsupport::RepoPath(std::string("data/sounds/music/") + name))) << name;
    }
  }
}

TEST_F(SoundsTest, MissingFileReturnsMinusOneIsReportedOnceAndIsTriedAgainLater) {
  const char* missing = "data/sounds/no_such_sound.ogg";
  const std::string report = "ERROR - FMOD[Failed to create sound]";
  EXPECT_EQ(sounds->PlaySound(missing, false), -1);
  EXPECT_EQ(sounds->PlaySound(missing, 0.5f, 0.0f, false), -1);
  EXPECT_EQ(CountLogLines(report), 1);
  EXPECT_EQ(sounds->GetSlotName(0), "");
  EXPECT_EQ(sounds->GetCacheSize(), 0u);
  EXPECT_FALSE(sounds->IsPlaying(missing));

  // A file that is not audio fails the same way, reported under its own name.
  testsupport::WriteFile(testsupport::ResourcesRoot() + "/data/sounds/broken.ogg", "OggS but nothing more");
  EXPECT_EQ(sounds->PlaySound("data/sounds/broken.ogg", false), -1);
  EXPECT_EQ(CountLogLines(report), 2);

  // The file turns up: the next request loads it.
  testsupport::WriteFile(testsupport::ResourcesRoot() + "/" + missing,
                         testsupport::ReadFile(testsupport::RepoPath(kClick)));
  EXPECT_EQ(sounds->PlaySound(missing, false), 0);
  EXPECT_EQ(sounds->GetCacheSize(), 1u);
}

TEST_F(SoundsTest, CacheKeepsLoopedAndUnloopedInstancesApart) {
  int once = sounds->PlaySound(kPhone, false);
  int looped = sounds->PlaySound(kPhone, true);
  EXPECT_EQ(sounds->GetCacheSize(), 2u);
  EXPECT_FALSE(sounds->IsSlotLooping(once));
  EXPECT_TRUE(sounds->IsSlotLooping(looped));
  // Asked for again, each mode comes from its own entry.
  int again = sounds->PlaySound(kPhone, false);
  EXPECT_EQ(sounds->GetCacheSize(), 2u);
  EXPECT_FALSE(sounds->IsSlotLooping(again));
  // Keyed by the whole path: the same file name in another folder is another sound.
  testsupport::WriteFile(testsupport::ResourcesRoot() + "/data/sounds/other/telephone.ogg",
                         testsupport::ReadFile(testsupport::RepoPath(kClick)));
  EXPECT_GE(sounds->PlaySound("data/sounds/other/telephone.ogg", false), 0);
  EXPECT_EQ(sounds->GetCacheSize(), 3u);

  g_soundNow += 600000;  // the one-shots have ended, the loop goes on
  EXPECT_FALSE(sounds->IsSlotPlaying(once));
  EXPECT_FALSE(sounds->IsSlotPlaying(again));
  EXPECT_TRUE(sounds->IsSlotPlaying(looped));
}

TEST_F(SoundsTest, VolumeAndPanGoToTheSlot) {
  int slot = sounds->PlaySound(kWind, 0.3f, -0.5f, true);
  ASSERT_GE(slot, 0);
  EXPECT_FLOAT_EQ(sounds->GetSlotVolume(slot), 0.3f);
  EXPECT_FLOAT_EQ(device->GetPan(slot), -0.5f);
  sounds->SetVolume(kWind, 0.7f);
  EXPECT_FLOAT_EQ(sounds->GetSlotVolume(slot), 0.7f);
  // A new sound on a slot starts centred at full volume.
  sounds->StopSound(slot);
  ASSERT_EQ(sounds->PlaySound(kClick, false), slot);
  EXPECT_FLOAT_EQ(sounds->GetSlotVolume(slot), 1.0f);
  EXPECT_FLOAT_EQ(device->GetPan(slot), 0.0f);
  // The click and the flourish by number; other numbers play nothing.
  sounds->PlaySound(GUI_Sounds::SOUND_FLOURISH);
  EXPECT_EQ(sounds->GetLastPlayed(), "data/sounds/flourish.ogg");
  sounds->PlaySound(7);
  EXPECT_EQ(sounds->GetLastPlayed(), "data/sounds/flourish.ogg");
}

// The real mixer on SDL's dummy driver, which plays in real time into nowhere.
TEST(SoundsRealDevice, SlotsMusicAndOverrideOnTheMixer) {
  unsetenv("VORLA2_HEADLESS");
  SoundDevice* device = GetSoundDevice();
  bool opened = device->Open();
  setenv("VORLA2_HEADLESS", "1", 1);
  if (!opened) GTEST_SKIP() << "no audio driver: " << device->GetError();
  SIM_PlayerOptions* options = SIM_GetPlayerOptions();
  options->SetToggle(SIM_PlayerOptions::TOGGLE_MUSIC, true);
  options->Set(SIM_PlayerOptions::OPTION_MUSICVOLUME, 0.5f);
  GUI_Sounds* sounds = GUI_GetSounds();

  // A track a minute long as a one-shot effect: none of the sixteen ends during the test.
  const char* longSound = "data/sounds/music/average_day.ogg";
  for (int i = 0; i < GUI_Sounds::SLOTS; ++i) ASSERT_EQ(sounds->PlaySound(longSound, false), i);
  EXPECT_EQ(sounds->PlaySound(kClick, false), 0);
  EXPECT_EQ(CountLogLines(kKillWarning), 1);
  EXPECT_TRUE(device->IsPlaying(0));
  EXPECT_TRUE(sounds->IsPlaying(longSound));
  sounds->StopSound(longSound);
  EXPECT_FALSE(sounds->IsPlaying(longSound));
  EXPECT_EQ(sounds->PlaySound("data/sounds/no_such_sound.ogg", false), -1);

  sounds->StartMusic();
  EXPECT_TRUE(device->IsMusicPlaying());
  sounds->OverrideMusic(kPlanes, true);
  EXPECT_TRUE(device->IsMusicPaused());
  EXPECT_TRUE(device->IsMusicPlaying());
  EXPECT_TRUE(device->IsPlaying(SoundDevice::CHANNELS - 1));
  sounds->StopOverrideMusic();
  EXPECT_FALSE(device->IsPlaying(SoundDevice::CHANNELS - 1));
  EXPECT_TRUE(device->IsMusicPlaying());
  sounds->Process();
  EXPECT_EQ(sounds->GetMusicStarts(), 1);
  sounds->StopMusic();
  EXPECT_FALSE(device->IsMusicPlaying());
}
