#include <gtest/gtest.h>

#include <string>

#include "CInput.h"
#include "Paths.h"
#include "SIM_GameConfig.h"
#include "SIM_PlayerOptions.h"
#include "TestSupport.h"

namespace {

std::string OptionsPath() { return GetUserFolder() + "/player_options.txt"; }

TEST(PlayerOptions, FirstRunWritesTheDefaultsExactly) {
  SIM_PlayerOptions options;
  options.Load();
  EXPECT_EQ(testsupport::ReadFile(OptionsPath()),
            "[config]\n"
            "MASTERVOLUME = 1.00\n"
            "MUSICVOLUME = 1.00\n"
            "MOUSESPEED = 0.50\n"
            "\n"
            "[toggles]\n"
            "ENABLEMUSIC = 1\n"
            "ENABLEAUTOSAVE = 1\n"
            "ENABLESAMESEX = 0\n"
            "ENABLEUSERDATA = 1\n"
            "ENABLEBACKGROUND = 1\n"
            "\n"
            "[strings]\n"
            "CURRENCY = \n");
  // The file's empty currency reads "$", and the first session already shows that.
  EXPECT_EQ(options.GetString(SIM_PlayerOptions::STRING_CURRENCY), "$");
}

TEST(PlayerOptions, ChangesSurviveARestart) {
  {
    SIM_PlayerOptions options;
    options.Load();
    options.Set(SIM_PlayerOptions::OPTION_MUSICVOLUME, 0.25f);
    options.Set(SIM_PlayerOptions::OPTION_MOUSESPEED, 0.8f);
    options.SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, false);
    options.SetToggle(SIM_PlayerOptions::TOGGLE_SAMESEX, true);
    options.SetString(SIM_PlayerOptions::STRING_CURRENCY, "\xA3");
    options.Save();
  }
  SIM_PlayerOptions restarted;
  restarted.Load();
  EXPECT_FLOAT_EQ(restarted.Get(SIM_PlayerOptions::OPTION_MUSICVOLUME), 0.25f);
  EXPECT_FLOAT_EQ(restarted.Get(SIM_PlayerOptions::OPTION_MASTERVOLUME), 1.0f);
  EXPECT_FALSE(restarted.GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE));
  EXPECT_TRUE(restarted.GetToggle(SIM_PlayerOptions::TOGGLE_SAMESEX));
  EXPECT_EQ(restarted.GetString(SIM_PlayerOptions::STRING_CURRENCY), "\xA3");
  EXPECT_FLOAT_EQ(GetInput()->mouseSpeed, 0.6f + 2.5f * 0.8f);  // handed to the input manager

  // Indexes out of range read as nothing and change nothing.
  EXPECT_EQ(restarted.Get(3), 0.0f);
  EXPECT_FALSE(restarted.GetToggle(5));
  restarted.Set(-1, 9.0f);
  restarted.SetToggle(9, true);
}

TEST(PlayerOptions, WhatAFileLeavesOut) {
  struct Case {
    const char* file;
    float master;
    bool music;
    const char* currency;
  } cases[] = {
      // An option missing or empty reads 0.5, a toggle missing reads off, no currency reads "$".
      {"[config]\nMUSICVOLUME = 0.30\n[toggles]\nENABLEAUTOSAVE = 1\n", 0.5f, false, "$"},
      {"[config]\nMASTERVOLUME =\n[toggles]\nENABLEMUSIC = 7\n[strings]\nCURRENCY =\n", 0.5f, true, "$"},
      // A currency of four or more characters keeps three.
      {"[config]\nMASTERVOLUME = 0.75\n[strings]\nCURRENCY = EURO\n", 0.75f, false, "EUR"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    testsupport::WriteFile(OptionsPath(), c.file);
    SIM_PlayerOptions options;
    options.Load();
    EXPECT_FLOAT_EQ(options.Get(SIM_PlayerOptions::OPTION_MASTERVOLUME), c.master);
    EXPECT_EQ(options.GetToggle(SIM_PlayerOptions::TOGGLE_MUSIC), c.music);
    EXPECT_FALSE(options.GetToggle(SIM_PlayerOptions::TOGGLE_BACKGROUND));
    EXPECT_EQ(options.GetString(SIM_PlayerOptions::STRING_CURRENCY), c.currency);
  }
  SIM_PlayerOptions options;
  options.SetString(SIM_PlayerOptions::STRING_CURRENCY, "Pounds");
  EXPECT_EQ(options.GetString(SIM_PlayerOptions::STRING_CURRENCY), "Pou");
}

TEST(GameConfig, DefaultsAndTheTradeOfPoints) {
  SIM_GameConfig config;
  EXPECT_EQ(config.GetAvatarForeName(), "Corwin");
  EXPECT_EQ(config.GetAvatarLastName(), "Tamsett");
  for (int v = 0; v < SIM_GameConfig::CONFIGVAR_COUNT; ++v) EXPECT_FLOAT_EQ(config.GetVariable(v), 0.5f);
  EXPECT_EQ(config.GetVariable(4), 0.0f);

  config.IncreaseVar(SIM_GameConfig::CONFIGVAR_CULTURE);
  EXPECT_EQ(config.GetRawVariable(0), 48);
  EXPECT_EQ(config.GetRawVariable(1), 56);
  EXPECT_EQ(config.GetRawVariable(2), 48);
  EXPECT_EQ(config.GetRawVariable(3), 48);
  for (int i = 0; i < 20; ++i) config.IncreaseVar(SIM_GameConfig::CONFIGVAR_CULTURE);
  EXPECT_EQ(config.GetRawVariable(1), 100);
  for (int v : {0, 2, 3}) EXPECT_GE(config.GetRawVariable(v), 0);
}

}  // namespace
