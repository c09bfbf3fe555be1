// Start-up: the surface and grid, the settings and their defaults, the installation record, and
// what the store and the desktop see of a full-screen and a preview start.

#include "platforms/memory/call_log.h"
#include "run_fixture.h"

namespace quellar {
namespace {

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
    EXPECT_EQ(std::tie(s.surfaceWidth, s.surfaceHeight, s.colCount, s.rowCount, window.right,
                       window.bottom),
              std::make_tuple(width, height, columns, rows, width, height));
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
       {Case{"speed", "0", "B", &S::tickInterval, 0},
        Case{"speed", "255", "B", &S::tickInterval, 255},
        Case{"chain", "50", "B", &S::chainLength, 41}, Case{"chain", "1", "B", &S::chainLength, 1},
        Case{"chain", "0", "B", &S::chainLength, 0},
        Case{"randm", "fAlSe", "S", &S::randomDeleting, 0},
        Case{"randm", "0", "S", &S::randomDeleting, 0},
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

constexpr Handle kFrmMain = memory::MemoryPlatform::kMainWindow;

// The store sees the installation recorded (over an older one) before any setting is read; the
// desktop sees the window shown topmost over the screen, then the screen saver flagged as
// running, and last the pointer hidden. With no setting stored, the defaults hold.
TEST_F(StartupTest, AFullScreenStartRecordsTheInstallationFirstAndHidesThePointerLast) {
  Store("versionMajor", "1", "D");
  const auto run = StartFullScreen(1024, 768);
  const std::vector<std::string>& calls = run->Platform().Calls();
  const auto firstRead = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
    return call.starts_with("RegQueryValueEx");
  });
  EXPECT_EQ(
      std::count_if(calls.begin(), firstRead,
                    [](const std::string& call) { return call.starts_with("RegSetValueEx"); }),
      5);
  EXPECT_THAT(std::vector(calls.end() - 3, calls.end()),
              testing::ElementsAre(memory::Call("SetWindowPos", kFrmMain, -1, 0, 0, 1024, 768, 64),
                                   "SystemParametersInfo(97, -1, 0, 0)", "ShowCursor(0)"));
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

// A preview becomes a child of the host's window before it shows there, at the host's size and
// without taking the z-order or the focus; it has a fixed surface, takes nothing from the
// desktop, and ignores every input.
TEST_F(StartupTest, APreviewShowsAsAChildOfTheHostsWindow) {
  memory::MemoryConfig config{.commandLine = "/p 2690548"};
  config.hostWindows[2690548] = Rect{0, 0, 152, 112};
  const auto run = StartRun(config);
  const std::vector<std::string>& calls = run->Platform().Calls();
  EXPECT_EQ(calls.back(), memory::Call("SetWindowPos", kFrmMain, 0, 0, 0, 152, 112, 0x54));
  EXPECT_THAT(std::vector(calls.begin(), calls.end() - 1),
              testing::Contains(memory::Call("SetParent", kFrmMain, 2690548)));
  const memory::WindowState& window = run->Platform().Window();
  EXPECT_EQ(std::tie(window.parent, window.owner, window.style, window.caption, window.visible),
            std::make_tuple(2690548, 2690548, 0x40000000, "Preview", true));
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
