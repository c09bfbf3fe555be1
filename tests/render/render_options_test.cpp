// quellar-render's command line: what it accepts and the errors it gives.

#include "tools/render/render_options.h"

#include <gtest/gtest.h>

namespace quellar::render {
namespace {

using Kind = memory::ScriptedEvent::Kind;

RenderOptions Parsed(const std::vector<std::string>& args) {
  auto parsed = ParseRenderOptions(args);
  if (const std::string* error = std::get_if<std::string>(&parsed)) {
    ADD_FAILURE() << *error;
    return {};
  }
  return std::get<RenderOptions>(parsed);
}

TEST(RenderOptionsTest, DefaultsToTwoSecondsOfAFullScreenRun) {
  const RenderOptions options = Parsed({});
  EXPECT_EQ(options.commandLine, "/s");
  EXPECT_EQ(options.screenWidth, 1024);
  EXPECT_EQ(options.milliseconds, 2000);
  EXPECT_FALSE(options.ticks);
  EXPECT_EQ(options.storeFile, ":memory:");
}

TEST(RenderOptionsTest, ReadsRunsEventsAndPictures) {
  const RenderOptions options =
      Parsed({"--preview", "152x112", "--ticks", "40", "--seed", "9", "--key", "100:107",
              "--click", "200", "--click", "250:2", "--dblclick", "300", "--move", "400:5,6",
              "--png-at", "12:a.png", "--state", "s.json", "--store", "x.db"});
  EXPECT_EQ(options.commandLine, "/p 1");
  EXPECT_EQ(options.hostWidth, 152);
  EXPECT_EQ(options.hostHeight, 112);
  EXPECT_EQ(options.ticks, 40);
  EXPECT_FALSE(options.milliseconds);
  EXPECT_EQ(options.seed, 9u);
  ASSERT_EQ(options.events.size(), 5u);
  EXPECT_EQ(options.events[0].kind, Kind::Key);
  EXPECT_EQ(options.events[0].code, 107);
  EXPECT_EQ(options.events[1].code, 1);
  EXPECT_EQ(options.events[2].code, 2);
  EXPECT_EQ(options.events[3].kind, Kind::DoubleClick);
  EXPECT_EQ(options.events[4].x, 5.0f);
  EXPECT_EQ(options.events[4].y, 6.0f);
  ASSERT_EQ(options.pictures.size(), 1u);
  EXPECT_EQ(options.pictures[0].tick, 12);
  EXPECT_EQ(options.pictures[0].file, "a.png");
  EXPECT_EQ(options.stateFile, "s.json");
  EXPECT_EQ(options.storeFile, "x.db");
}

class RenderOptionErrorTest : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(RenderOptionErrorTest, IsRejectedWithAMessage) {
  const auto parsed = ParseRenderOptions(GetParam());
  ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
  EXPECT_NE(std::get<std::string>(parsed).find("--"), std::string::npos)
      << "the message names the option or points to --help";
}

INSTANTIATE_TEST_SUITE_P(
    Args, RenderOptionErrorTest,
    testing::Values(std::vector<std::string>{"--bogus"}, std::vector<std::string>{"--ticks"},
                    std::vector<std::string>{"--ticks", "-1"},
                    std::vector<std::string>{"--ticks", "ten"},
                    std::vector<std::string>{"--screen", "1024"},
                    std::vector<std::string>{"--screen", "0x768"},
                    std::vector<std::string>{"--screen", "99999x768"},
                    std::vector<std::string>{"--key", "100"},
                    std::vector<std::string>{"--key", "100:"},
                    std::vector<std::string>{"--key", "-5:27"},
                    std::vector<std::string>{"--move", "10:5"},
                    std::vector<std::string>{"--dblclick", "10:1"},
                    std::vector<std::string>{"--png-at", "3"},
                    std::vector<std::string>{"--png", ""},
                    std::vector<std::string>{"--ticks", "5", "--time", "100"}));

}  // namespace
}  // namespace quellar::render
