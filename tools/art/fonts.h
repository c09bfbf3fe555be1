#pragma once
// The Debian font files the art is drawn from. The generator is run by hand on a machine that
// has these packages (scripts/install-deps installs them); building the program needs none.

namespace quellar::art {

struct FontFile {
  const char* path;
  const char* package;
};

// Half-width katakana, digits and latin capitals of one design, for the glyph sheet.
inline constexpr FontFile kRainFont{"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
                                    "fonts-ipafont-gothic"};
// Fourteen-segment display lettering, for the on-screen display.
inline constexpr FontFile kSegmentFont{"/usr/share/fonts/truetype/dseg/DSEG14Classic-Regular.ttf",
                                       "fonts-dseg"};
inline constexpr FontFile kBoldSans{"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                                    "fonts-dejavu-core"};
inline constexpr FontFile kSans{"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                "fonts-dejavu-core"};

}  // namespace quellar::art
