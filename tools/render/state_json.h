#pragma once
// The engine's state record as JSON, every field by its name, the column table as an array of
// [nextRow, headGlyph, eraseRow, trailGlyph] records.

#include <string>

#include "engine/engine_state.h"

namespace quellar::render {

std::string StateJson(const engine::EngineState& state);

}  // namespace quellar::render
