#pragma once
// A slot over a text the test holds, which the stores made over it share as a site's pages
// share its localStorage; it fails to read or to write while told to.

#include <memory>

#include "registry/text_slot.h"

namespace quellar::test {

struct SlotState {
  std::optional<std::string> text;
  std::string readFailure{}, writeFailure{};
};

struct StringSlot final : registry::TextSlot {
  explicit StringSlot(std::shared_ptr<SlotState> shared) : state(std::move(shared)) {}
  std::string Name() const override { return "slot"; }
  registry::SlotText Read() override {
    return {state->readFailure.empty() ? state->text : std::nullopt, state->readFailure};
  }
  std::string Write(const std::string& text) override {
    if (state->writeFailure.empty()) state->text = text;
    return state->writeFailure;
  }
  std::shared_ptr<SlotState> state;
};

}  // namespace quellar::test
