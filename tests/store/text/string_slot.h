#pragma once
// A slot over a text the test holds, shared by the stores made over it, as the pages of a site
// share their localStorage; it fails to read or to write while told to.

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
    if (state->readFailure.empty()) return {state->text, {}};
    return {std::nullopt, state->readFailure};
  }
  std::string Write(const std::string& text) override {
    if (state->writeFailure.empty()) state->text = text;
    return state->writeFailure;
  }
  std::shared_ptr<SlotState> state;
};

}  // namespace quellar::test
