#pragma once
// One definition per positional settings file: its lines in order, each either a fixed
// line or a value line bound to a field of the file's record. The writer renders the
// lines from a record; the readers store the file's values into a record by position
// (the n-th value line of the layout takes value n). Writer and readers of a file share
// its layout, so they cannot drift apart.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "datafiles/positional_text.h"

namespace vx::datafiles {

// A text position that readers take through a 16-bit integer and back to text (so the
// text must be a number; "0123" comes back as "123"). The writer puts the text as is.
struct IntegerTextRef {
  std::string* text;
};
// The record field of one value line; numbers are written in decimal and read with the
// runtime's conversion into the field's width.
using ValueRef = std::variant<std::string*, std::int16_t*, std::int32_t*, IntegerTextRef>;

template <class Record>
struct LayoutLine {
  std::string_view text;                 // the whole line, for a fixed line
  ValueRef (*value)(Record&) = nullptr;  // set for a value line
};

// Records of the value-less signal files.
struct NoValues {};

template <class Record>
constexpr LayoutLine<Record> Fixed(std::string_view text) {
  return {text, nullptr};
}
template <class Record>
constexpr LayoutLine<Record> Value(ValueRef (*field)(Record&)) {
  return {{}, field};
}

template <class T>
struct MemberOf;
template <class C, class M>
struct MemberOf<M C::*> {
  using Record = C;
};
template <auto Member>
using RecordOf = typename MemberOf<decltype(Member)>::Record;

template <auto Member>
ValueRef FieldRef(RecordOf<Member>& r) {
  return &(r.*Member);
}
template <auto Member, std::size_t I>
ValueRef ElementRef(RecordOf<Member>& r) {
  return &(r.*Member)[I];
}
template <auto Member>
ValueRef IntegerTextFieldRef(RecordOf<Member>& r) {
  return IntegerTextRef{&(r.*Member)};
}

// Value lines bound to a field, an array element, or a text read as a 16-bit number.
template <auto Member>
constexpr LayoutLine<RecordOf<Member>> FieldLine() {
  return Value<RecordOf<Member>>(&FieldRef<Member>);
}
template <auto Member, std::size_t I>
constexpr LayoutLine<RecordOf<Member>> ElementLine() {
  return Value<RecordOf<Member>>(&ElementRef<Member, I>);
}
template <auto Member>
constexpr LayoutLine<RecordOf<Member>> IntegerTextLine() {
  return Value<RecordOf<Member>>(&IntegerTextFieldRef<Member>);
}

// Joins arrays of lines into one layout.
template <class T, std::size_t... N>
constexpr std::array<T, (N + ...)> Join(const std::array<T, N>&... parts) {
  std::array<T, (N + ...)> out{};
  std::size_t at = 0;
  ((std::copy(parts.begin(), parts.end(), out.begin() + at), at += N), ...);
  return out;
}

template <class Record, std::size_t N>
constexpr std::size_t CountValues(const std::array<LayoutLine<Record>, N>& layout) {
  std::size_t n = 0;
  for (const auto& line : layout) n += line.value != nullptr;
  return n;
}

// "=" and the field's text as the writers put it.
std::string ValueLine(const ValueRef& field);
// Stores one read value into the field, converting it to the field's width
// (RuntimeError 13 when not a number, 6 when out of range).
void StoreValue(const ValueRef& field, const std::string& value);
// The same, but a value that does not convert leaves the field as it was; false then.
bool StoreValueKept(const ValueRef& field, const std::string& value);

template <class Record>
std::vector<std::string> RenderLines(std::span<const LayoutLine<Record>> layout, const Record& record) {
  Record source = record;  // the fields are reached through non-const references
  std::vector<std::string> lines;
  lines.reserve(layout.size());
  for (const auto& line : layout) lines.push_back(line.value ? ValueLine(line.value(source)) : std::string(line.text));
  return lines;
}

// What a reader does with a value that is not a number or does not fit its field.
enum class BadValue {
  Raise,  // the conversion error stops the read there; earlier values stay stored
  Keep,   // the field keeps what it held and the read goes on
};

// Values beyond the layout's value lines are ignored; fields whose value is missing
// keep what they held.
template <class Record>
void StoreValues(std::span<const LayoutLine<Record>> layout, const std::vector<std::string>& values, Record& record,
                 BadValue bad = BadValue::Raise) {
  std::size_t n = 0;
  for (const auto& line : layout) {
    if (!line.value) continue;
    if (n >= values.size()) return;
    const ValueRef field = line.value(record);
    const std::string& value = values[n++];
    if (bad == BadValue::Keep && !StoreValueKept(field, value)) continue;
    if (bad == BadValue::Raise) StoreValue(field, value);
  }
}

// Writes the file whole (CP932, CR LF, temporary name renamed into place).
void WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

template <class Record>
void WriteLayout(const std::filesystem::path& path, std::span<const LayoutLine<Record>> layout, const Record& record) {
  WriteLines(path, RenderLines(layout, record));
}

template <class Record>
void ReadLayout(const std::filesystem::path& path, std::span<const LayoutLine<Record>> layout, Record& record,
                BadValue bad = BadValue::Raise) {
  StoreValues(layout, ReadPositionalFile(path), record, bad);
}

}  // namespace vx::datafiles
