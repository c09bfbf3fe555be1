// What the program's arguments ask for, as the first one decides: the standard switches
// untouched, --help and --version, and a guest's window and overrides, with one clear line for
// what cannot be followed.

#include "platforms/x11/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace quellar::x11 {
namespace {

std::string Described(std::vector<std::string_view> arguments, const char* saverWindow) {
  try {
    const Request request = ParseCommandLine(arguments, saverWindow);
    if (std::holds_alternative<StandardRequest>(request)) return "standard";
    if (std::holds_alternative<UsageRequest>(request)) return "usage";
    if (std::holds_alternative<VersionRequest>(request)) return "version";
    if (std::holds_alternative<StopRequest>(request)) return "stop";
    const GuestRequest& guest = std::get<GuestRequest>(request);
    const engine::SettingOverrides& set = guest.overrides;
    const std::string host = guest.wayland  ? "wayland"
                             : guest.window ? std::to_string(*guest.window)
                                            : "root";
    return "guest in " + host + (set.speed ? " speed " + std::to_string(*set.speed) : "") +
           (set.chain ? " chain " + std::to_string(*set.chain) : "") +
           (set.randomDeleting
                ? *set.randomDeleting ? " random deleting on" : " random deleting off"
                : "");
  } catch (const CommandLineError& error) {
    return error.what();
  }
}

TEST(CommandLineTest, EachCommandLineAsksForOneThing) {
  struct Case {
    std::vector<std::string_view> arguments;
    const char* saverWindow;
    std::string expected;
  };
  const Case cases[] = {
      {{}, nullptr, "standard"},
      {{"/s", "--root"}, nullptr, "standard"},
      {{"-s"}, nullptr, "standard"},
      {{"/p", "--help"}, nullptr, "standard"},
      {{"--help", "--root"}, nullptr, "usage"},
      {{"--version"}, nullptr, "version"},
      {{"--root"}, nullptr, "guest in root"},
      {{"-root"}, "", "guest in root"},
      {{"--root"}, "0x2A", "guest in 42"},
      {{"--root", "--window-id", "7"}, "42", "guest in 7"},
      {{"--speed", "1", "-window-id", "0X1f", "-chain", "255", "--no-random-deleting"},
       nullptr,
       "guest in 31 speed 1 chain 255 random deleting off"},
      {{"-root", "-speed", "1001", "--chain", "2"}, nullptr, "guest in root speed 1001 chain 2"},
      {{"--defaults", "--root"}, nullptr, "guest in root speed 41 chain 28 random deleting on"},
      {{"-root", "-chain", "5", "-no-random-deleting", "-defaults"},
       nullptr,
       "guest in root speed 41 chain 5 random deleting off"},
      {{"--speed", "5"},
       nullptr,
       "a guest needs --root, --window-id WINDOW or --wayland (see quellar --help)"},
      {{"--wayland", "-speed", "61"}, nullptr, "guest in wayland speed 61"},
      {{"--wayland", "--root"}, nullptr, "--wayland covers every output: no window goes with it"},
      {{"--stop"}, nullptr, "stop"},
      {{"--stop", "--root"}, nullptr, "--stop takes no other argument"},
      {{"--root"}, "0x", "XSCREENSAVER_WINDOW=\"0x\": not a window id"},
      {{"--root"}, "536870912", "XSCREENSAVER_WINDOW=\"536870912\": not a window id"},
      {{"--window-id", "0"}, nullptr, "--window-id \"0\": not a window id"},
      {{"--window-id", "-5"}, nullptr, "--window-id \"-5\": not a window id"},
      {{"--window-id", "12abc"}, nullptr, "--window-id \"12abc\": not a window id"},
      {{"--window-id"}, nullptr, "--window-id needs a window id"},
      {{"--root", "--speed", "0"}, nullptr, "--speed \"0\": not a number from 1 to 1001"},
      {{"--root", "-speed", "1002"}, nullptr, "-speed \"1002\": not a number from 1 to 1001"},
      {{"--root", "--chain", "1"}, nullptr, "--chain \"1\": not a number from 2 to 255"},
      {{"--root", "--chain", "256"}, nullptr, "--chain \"256\": not a number from 2 to 255"},
      {{"--root", "--chain"}, nullptr, "--chain needs a number from 2 to 255"},
      {{"--root", "/s"}, nullptr, "unknown option \"/s\" (see quellar --help)"},
  };
  for (const Case& c : cases) EXPECT_EQ(Described(c.arguments, c.saverWindow), c.expected);
}

}  // namespace
}  // namespace quellar::x11
