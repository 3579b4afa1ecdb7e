// In-process test fixture: the application object and Form1 created as at
// start, with every box answered by the test instead of being shown.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "window/Unit1.h"
#include "TestPlatform.h"
#include "app/Application.h"
#include "tests/DesktopKey.h"

class SorvaneTest : public ::testing::Test {
 protected:
  // The application object as at start, every box recorded and answered.
  void CreateApp(int answer = IDYES);
  // Tests prepare the settings file and the registry before calling this.
  void CreateForm();
  void TearDown() override;
  // What "取消(&C)" does to the settings: empty the list and read again.
  void Reload();
  // Wallpaper calls are recorded in WallpaperCalls ("(null)" for none)
  // instead of reaching the desktop, until the end of the test.
  static void RecordWallpaper();
  static inline std::vector<std::string> WallpaperCalls;
  // Exactly one box was answered, with this text (and kind, when given).
  ::testing::AssertionResult OneBox(const std::string& text, std::optional<TBoxKind> kind = std::nullopt) const;

  // The settings file the form derives from this executable's path.
  static std::string IniPath();
  static void WriteIni(const std::string& content, const std::string& path = IniPath());
  static std::string ReadIni(const std::string& path = IniPath());
  static void RemoveIni();
  // A [List] section of these paths; Count is their number unless given.
  static std::string ListSection(const std::vector<std::string>& paths, const std::string& count = "");
  // A file of the given content, in a fresh temporary folder per test.
  std::string TempFile(const std::string& name, const std::string& content = "BM");
  std::string TempDir();

  TApplication* App = nullptr;
  TForm1* Form = nullptr;
  std::vector<TBoxRecord> Boxes;

 private:
  std::string FTempDir;
};
