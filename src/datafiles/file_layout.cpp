#include "datafiles/file_layout.h"

#include "platform/text_file.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

namespace vx::datafiles {

std::string ValueLine(const ValueRef& field) {
  struct Text {
    std::string operator()(const std::string* t) const { return WritableValue(*t); }
    std::string operator()(const std::int16_t* v) const { return runtime::IntText(*v); }
    std::string operator()(const std::int32_t* v) const { return runtime::IntText(*v); }
    std::string operator()(const IntegerTextRef& r) const { return WritableValue(*r.text); }
  };
  return "=" + std::visit(Text{}, field);
}

void StoreValue(const ValueRef& field, const std::string& value) {
  struct Store {
    const std::string& value;
    void operator()(std::string* t) const { *t = value; }
    void operator()(std::int16_t* v) const { *v = runtime::CInt(value); }
    void operator()(std::int32_t* v) const { *v = runtime::CLng(value); }
    void operator()(const IntegerTextRef& r) const { *r.text = runtime::IntText(runtime::CInt(value)); }
  };
  std::visit(Store{value}, field);
}

bool StoreValueKept(const ValueRef& field, const std::string& value) {
  try {
    StoreValue(field, value);
    return true;
  } catch (const runtime::RuntimeError&) {
    return false;
  }
}

void WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  platform::WriteTextLinesAtomic(path, lines);
}

}  // namespace vx::datafiles
