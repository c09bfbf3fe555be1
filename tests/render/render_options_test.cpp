// quellar-render's command line: what it accepts and the errors it gives.

#include "tools/render/render_options.h"

#include <gtest/gtest.h>

namespace quellar::render {
namespace {

using Kind = memory::ScriptedEvent::Kind;

// Every input comes again at the period --repeat gives.
TEST(RenderOptionsTest, ReadsRunsEventsAndPictures) {
  auto parsed = ParseRenderOptions({"--preview", "152x112", "--ticks", "40", "--key", "100:107",
                                    "--move", "400", "--repeat", "1000", "--png-at", "12:a"});
  ASSERT_TRUE(std::holds_alternative<RenderOptions>(parsed)) << std::get<std::string>(parsed);
  const RenderOptions& o = std::get<RenderOptions>(parsed);
  EXPECT_EQ(std::tie(o.commandLine, o.hostWidth, o.hostHeight, o.ticks, o.milliseconds),
            std::make_tuple("/p 1", 152, 112, 40, std::nullopt));
  const auto& [key, move] = std::tie(o.events.at(0), o.events.at(1));
  EXPECT_EQ(std::tie(key.at, key.kind, key.code, key.every), std::tuple(100, Kind::Key, 107, 1000));
  EXPECT_EQ(std::tie(move.at, move.kind, move.every), std::tuple(400, Kind::Move, 1000));
  EXPECT_EQ(std::tie(o.pictures.at(0).tick, o.pictures.at(0).file), std::tuple(12, "a"));
}

TEST(RenderOptionsTest, RejectsWhatItCannotUseWithAMessage) {
  using Args = std::vector<std::string>;
  for (const Args& args :
       {Args{"--bogus"}, Args{"--ticks"}, Args{"--ticks", "-1"}, Args{"--ticks", "ten"},
        Args{"--screen", "1024"}, Args{"--screen", "0x768"}, Args{"--screen", "32768x16"},
        Args{"--screen", "32767x32767"}, Args{"--key", "100"}, Args{"--key", "-5:27"},
        Args{"--move", "10:5,5"}, Args{"--click", "10:2"}, Args{"--png-at", "3"}, Args{"--png", ""},
        Args{"--repeat", "0"}, Args{"--resident-every", "x"},
        Args{"--ticks", "5", "--time", "100"}}) {
    const auto parsed = ParseRenderOptions(args);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << args[0];
    EXPECT_NE(std::get<std::string>(parsed).find("--"), std::string::npos)
        << "the message names the option or points to --help";
  }
}

}  // namespace
}  // namespace quellar::render
