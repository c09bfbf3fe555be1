#pragma once
// Where a TextStore keeps its text: on the web, one entry of the page's localStorage.

#include <optional>
#include <string>

namespace quellar::registry {

struct SlotText {
  std::optional<std::string> text;  // none when nothing has been saved yet
  std::string failure;              // why the slot could not be read; empty when it was
};

class TextSlot {
 public:
  virtual ~TextSlot() = default;

  // What the user is told the settings are kept in.
  virtual std::string Name() const = 0;
  virtual SlotText Read() = 0;
  // Empty when the text is written, else why it is not.
  virtual std::string Write(const std::string& text) = 0;
};

}  // namespace quellar::registry
