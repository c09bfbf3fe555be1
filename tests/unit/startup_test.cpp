// Start-up: the surface and grid, the settings and their defaults, the installation record, and
// the platform and registry calls of a full-screen and a preview start in order.

#include "run_fixture.h"

namespace quellar {
namespace {

using testing::ElementsAre;
using testing_support::Kind;
using StartupTest = testing_support::RunFixture;

TEST_F(StartupTest, GridsCountPartialCellsOfThreePixelsOrMore) {
  const std::vector<std::array<int, 4>> grids = {
      {1024, 768, 64, 39},   {1280, 1024, 80, 52},  {1366, 768, 86, 39},
      {1920, 1080, 120, 54}, {1680, 1050, 105, 53}, {1362, 768, 85, 39},
      {1363, 768, 86, 39},   {800, 602, 50, 30},    {800, 603, 50, 31}};
  for (const auto& [width, height, columns, rows] : grids) {
    const auto run = StartFullScreen(width, height);
    const engine::EngineState& s = run->Engine().state;
    const Rect& window = run->Platform().Window().rect;
    EXPECT_EQ(std::tie(s.surfaceWidth, s.surfaceHeight, s.colCount, s.rowCount),
              std::make_tuple(width, height, columns, rows));
    EXPECT_EQ(std::tie(window.right, window.bottom), std::tie(width, height)) << "covers it";
  }
}

// On a screen of 39 rows, where chains may be 41 long.
TEST_F(StartupTest, StoredSettingsAreConvertedIntoTheirFields) {
  using S = engine::EngineState;
  struct Case {
    const char *name, *text, *letter;
    std::int16_t S::*field;
    std::int16_t expected;
  };
  for (const Case& c :
       {Case{"speed", "31", "B", &S::tickInterval, 31},
        Case{"speed", "0", "B", &S::tickInterval, 0},
        Case{"speed", "255", "B", &S::tickInterval, 255},
        Case{"chain", "50", "B", &S::chainLength, 41}, Case{"chain", "1", "B", &S::chainLength, 1},
        Case{"chain", "0", "B", &S::chainLength, 0},
        Case{"randm", "fAlSe", "S", &S::randomDeleting, 0},
        Case{"randm", "0", "S", &S::randomDeleting, 0},
        Case{"randm", "7", "S", &S::randomDeleting, -1},
        Case{"randm", "maybe", "S", &S::randomDeleting, -1},
        Case{"SysFailScreen", "2", "B", &S::skipFailScreen, -1},
        Case{"MouseMove", "1", "B", &S::closeOnMouseMove, -1}}) {
    Store(c.name, c.text, c.letter);
    const auto run = StartFullScreen();
    EXPECT_EQ(run->Engine().state.*c.field, c.expected) << c.name << " " << c.text;
    // An interval of 0 never fires, and repeated input does not keep such a run going for ever.
    run->Schedule({.at = 10, .kind = Kind::Key, .code = 13, .every = 100});
    run->RunTicks(3);
    EXPECT_EQ(run->Timer1Ticks(), run->Engine().state.tickInterval == 0 ? 0 : 3);
  }
}

// The installation is recorded before the settings are read, and everything is in place
// before the window shows. With nothing stored, the defaults hold.
TEST_F(StartupTest, FullScreenStartCallsThePlatformInOrder) {
  const auto run = StartFullScreen(1024, 768);
  EXPECT_THAT(
      run->Platform().Calls(),
      ElementsAre(
          "SystemParametersInfo(114, 0, 0, 0)", "RegSetValueEx(\"Install_Dir\", 1) = 0",
          "RegSetValueEx(\"Exe_Name\", 1) = 0", "RegSetValueEx(\"versionMajor\", 4) = 0",
          "RegSetValueEx(\"versionMinor\", 4) = 0", "RegSetValueEx(\"versionRevision\", 4) = 0",
          "RegQueryValueEx(\"SysFailScreen\") = 2", "RegQueryValueEx(\"MouseMove\") = 2",
          "RegQueryValueEx(\"speed\") = 2", "RegQueryValueEx(\"chain\") = 2",
          "RegQueryValueEx(\"randm\") = 2", "CreateWindow(frmMain, hidden)",
          "SetTimerInterval(\"Timer1\", 41)", "GetWindowDC(65552)", "CreateCompatibleDC(1) = 2",
          "CreateCompatibleBitmap(1, 1024, 768) = 4", "SelectObject(2, 4)",
          "CreateCompatibleDC(1) = 5", "LoadBitmapResource(101) = 7", "SelectObject(5, 7)",
          "CreateCompatibleDC(1) = 8", "LoadBitmapResource(102) = 10", "SelectObject(8, 10)",
          "CreateCompatibleDC(1) = 11", "LoadBitmapResource(103) = 13", "SelectObject(11, 13)",
          "CreateCompatibleDC(1) = 14", "LoadBitmapResource(104) = 16", "SelectObject(14, 16)",
          "SetTimerEnabled(\"Timer1\", 1)", "SetWindowPos(65552, -1, 0, 0, 1024, 768, 64)",
          "SystemParametersInfo(97, -1, 0, 0)", "ShowCursor(0)"));
  EXPECT_EQ(std::make_tuple(run->Platform().CursorCount(), run->Platform().ScreenSaverFlag(),
                            run->Platform().Window().topmost),
            std::make_tuple(-1, 1, true));
  EXPECT_TRUE(testing_support::Shows(testing_support::BackBuffer(*run), 0, 0, 1024, 768))
      << "the rain starts on black";
  EXPECT_EQ(Stored("Install_Dir", "S") + " " + Stored("Exe_Name", "S"), "C:\\Quellar Quellar.exe");
  EXPECT_EQ(
      Stored("versionMajor", "D") + Stored("versionMinor", "D") + Stored("versionRevision", "D"),
      "200");
  const engine::EngineState& s = run->Engine().state;
  EXPECT_EQ(std::tie(s.tickInterval, s.chainLength, s.randomDeleting, s.skipFailScreen,
                     s.closeOnMouseMove),
            std::make_tuple(41, 28, -1, 0, 0));
  EXPECT_EQ(s.failMessage,
            std::string({40, 36, 0, 24, 8, 41, 42, 37, 39, 0, 45, 0, 43, 1, 1, 44, 0}));
}

// A preview has a fixed surface, shows its top-left corner, takes nothing from the desktop, and
// ignores every input.
TEST_F(StartupTest, PreviewStartCallsThePlatformInOrder) {
  memory::MemoryConfig config{.commandLine = "/p 2690548"};
  config.hostWindows[2690548] = Rect{0, 0, 152, 112};
  const auto run = StartRun(config);
  std::vector<std::string> calls = run->Platform().Calls();
  std::erase_if(calls, [](const std::string& call) {  // as in a full-screen start
    return call.starts_with("Reg") || call.starts_with("Create") || call.starts_with("Select") ||
           call.starts_with("LoadBitmap") || call.starts_with("GetWindowDC");
  });
  EXPECT_THAT(calls,
              ElementsAre("SystemParametersInfo(114, 0, 0, 0)", "GetClientRect(2690548)",
                          "SetTimerInterval(\"Timer1\", 41)", "SetTimerEnabled(\"Timer1\", 1)",
                          "SetCaption(65552, \"Preview\")", "GetWindowLong(65552, -16)",
                          "SetWindowLong(65552, -16, 1073741824)", "SetParent(65552, 2690548)",
                          "SetWindowLong(65552, -8, 2690548)",
                          "SetWindowPos(65552, 0, 0, 0, 152, 112, 84)"));
  EXPECT_EQ(run->Platform().CursorCount(), 0);
  EXPECT_EQ(run->Platform().ScreenSaverFlag(), 0);
  const engine::EngineState& s = run->Engine().state;
  EXPECT_EQ(std::tie(s.surfaceWidth, s.surfaceHeight, s.colCount, s.rowCount, s.chainLength),
            std::make_tuple(320, 240, 20, 12, 14));
  Press(*run, 10, {13, 36, 106, 107, 109, 111, 112, 32, 27});
  for (const Kind kind : {Kind::Button, Kind::DoubleClick, Kind::Move}) {
    run->Schedule({.at = 20, .kind = kind});
  }
  run->RunUntil(100);
  EXPECT_EQ(std::tie(run->Platform().Frame().width, run->Platform().Frame().height),
            std::make_tuple(152, 112));
  EXPECT_FALSE(run->Ended());
  EXPECT_EQ(std::tie(s.tickInterval, s.failPhase, s.helpVisible, s.osdText),
            std::make_tuple(41, 0, 0, ""));
  EXPECT_EQ(Stored("speed", "B"), "<none>");
}

}  // namespace
}  // namespace quellar
