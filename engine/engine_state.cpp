#include "engine/engine_state.h"

#include "base/conversions.h"
#include "engine/runtime_error.h"

namespace quellar {

std::int16_t Checked16(std::int64_t value) {
  if (value < INT16_MIN || value > INT16_MAX) throw RuntimeError("Overflow");
  return static_cast<std::int16_t>(value);
}

std::int16_t RoundTo16(double value) {
  const std::optional<std::int16_t> rounded = ToInt16(value);
  if (!rounded) throw RuntimeError("Overflow");
  return *rounded;
}

namespace engine {

ColumnTable::ColumnTable(std::int16_t columns)
    : records_(static_cast<std::size_t>(columns < 0 ? 0 : columns)) {}

std::size_t ColumnTable::IndexOf(std::int32_t column, std::int32_t field) const {
  if (column < 1 || column > Columns() || field < 1 || field > 4) {
    throw RuntimeError("Subscript out of range");
  }
  return static_cast<std::size_t>(column - 1);
}

std::int16_t& ColumnTable::operator()(std::int32_t column, std::int32_t field) {
  return records_[IndexOf(column, field)][static_cast<std::size_t>(field - 1)];
}

std::int16_t ColumnTable::operator()(std::int32_t column, std::int32_t field) const {
  return records_[IndexOf(column, field)][static_cast<std::size_t>(field - 1)];
}

}  // namespace engine
}  // namespace quellar
