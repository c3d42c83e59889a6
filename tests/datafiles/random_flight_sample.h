#pragma once
// A whole RandomFlight.cfg: Haneda to New Chitose with airline slot 139.
#include <string>
#include <vector>

#include "runtime/cp932.h"

namespace vx::datafiles::test {

// Items 1 to 32 of a file: Haneda to New Chitose with airline slot 139.
inline std::vector<std::string> SampleItems() {
  return {";RandomFlight",    ";", ";", ";", ";", ";", ";",
          "=2007",            "=3", "=15", "=0930", "=139", "=MYA", "=My Airline", "=B767-300 テスト",
          "=x",               "=x",
          "=RJTT",            "=羽田", "=東京", "=東京国際空港　羽田", "=3951057", "=1667653481", "=21",
          "=x",
          "=RJCC",            "=千歳", "=札幌", "=新千歳空港", "=4753631", "=1690454985", "=82"};
}

inline std::string FileBytes(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) text += item + "\r\n";
  return runtime::Utf8ToCp932(text);
}

}  // namespace vx::datafiles::test
