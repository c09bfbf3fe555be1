#include "tools/render/state_json.h"

#include <cstdio>
#include <sstream>

namespace quellar::render {
namespace {

// Texts may hold any byte (the failure message is glyph indices), so everything outside
// printable ASCII is escaped.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte > 0x7E) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

class JsonObject {
 public:
  template <typename Value>
  JsonObject& Field(const char* name, const Value& value) {
    out_ << (first_ ? "\n  " : ",\n  ") << '"' << name << "\": " << value;
    first_ = false;
    return *this;
  }
  JsonObject& Text(const char* name, const std::string& value) {
    return Field(name, Quoted(value));
  }
  std::string Close() { return out_.str() + "\n}\n"; }

 private:
  std::ostringstream out_{"{", std::ios::ate};
  bool first_ = true;
};

std::string RectJson(const Rect& r) {
  std::ostringstream out;
  out << "{\"left\": " << r.left << ", \"top\": " << r.top << ", \"right\": " << r.right
      << ", \"bottom\": " << r.bottom << "}";
  return out.str();
}

std::string ColumnTableJson(const engine::ColumnTable& table) {
  std::ostringstream out;
  out << '[';
  for (std::int16_t column = 1; column <= table.Columns(); ++column) {
    out << (column > 1 ? ", " : "") << '[';
    for (std::int16_t field = engine::kNextRow; field <= engine::kTrailGlyph; ++field) {
      out << (field > engine::kNextRow ? ", " : "") << table(column, field);
    }
    out << ']';
  }
  out << ']';
  return out.str();
}

}  // namespace

std::string StateJson(const engine::EngineState& s) {
  return JsonObject()
      .Field("previewParent", s.previewParent)
      .Field("runMode", s.runMode)
      .Field("previewRect", RectJson(s.previewRect))
      .Field("skipFailScreen", s.skipFailScreen)
      .Field("closeOnMouseMove", s.closeOnMouseMove)
      .Field("surfaceWidth", s.surfaceWidth)
      .Field("surfaceHeight", s.surfaceHeight)
      .Field("colCount", s.colCount)
      .Field("rowCount", s.rowCount)
      .Field("hdcWindow", s.hdcWindow)
      .Field("hdcBuffer", s.hdcBuffer)
      .Field("hdcGlyphs", s.hdcGlyphs)
      .Field("hdcFailBox", s.hdcFailBox)
      .Field("hdcOsdFont", s.hdcOsdFont)
      .Field("hdcHelp", s.hdcHelp)
      .Field("hbmBuffer", s.hbmBuffer)
      .Field("msgCursor", s.msgCursor)
      .Field("ColumnTable", ColumnTableJson(s.columnTable))
      .Field("failPhase", s.failPhase)
      .Text("failMessage", s.failMessage)
      .Field("chainLength", s.chainLength)
      .Field("randomDeleting", s.randomDeleting)
      .Field("tickInterval", s.tickInterval)
      .Text("osdText", s.osdText)
      .Field("helpVisible", s.helpVisible)
      .Close();
}

}  // namespace quellar::render
