// In-process test fixture: the application object and Form1 created as at
// start, with every box answered by the test instead of being shown.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "window/Unit1.h"
#include "TestPlatform.h"
#include "app/Application.h"

struct TBoxRecord {
  TBoxKind Kind;
  std::string Text;
};

class SorvaneTest : public ::testing::Test {
 protected:
  // Tests prepare the settings file and the registry before calling this.
  void CreateForm();
  void TearDown() override;

  // The lines and the selection the list box shows, read from the control.
  static std::vector<std::string> ShownLines(HWND list);
  static int ShownSelection(HWND list);

  // The settings file the form derives from this executable's path.
  static std::string IniPath();
  static void WriteIni(const std::string& content, const std::string& path = IniPath());
  static std::string ReadIni(const std::string& path = IniPath());
  static void RemoveIni();
  // Values under HKCU\Control Panel\desktop.
  static void SetDesktopValue(const char* name, const std::string& value);
  static void DeleteDesktopValue(const char* name);
  static std::string DesktopValue(const char* name, bool* exists = nullptr);
  // A file of the given content, in a fresh temporary folder per test.
  std::string TempFile(const std::string& name, const std::string& content = "BM");
  std::string TempDir();
  void Pump();

  TApplication* App = nullptr;
  TForm1* Form = nullptr;
  std::vector<TBoxRecord> Boxes;
  int NextAnswer = IDYES;

 private:
  std::string FTempDir;
};
