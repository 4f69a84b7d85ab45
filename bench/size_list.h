// The sizes a benchmark runs at, as given on its command line: "10000,100000".
#pragma once

#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace zek::bench {

// The comma-separated counts of a list; empty items are passed over.
inline std::vector<std::size_t> parseCounts(std::string_view list) {
  std::vector<std::size_t> counts;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = list.find(',', start);
    const std::string item(list.substr(start, comma == std::string_view::npos ? list.npos : comma - start));
    if (!item.empty())
      counts.push_back(static_cast<std::size_t>(std::strtoull(item.c_str(), nullptr, 10)));
    if (comma == std::string_view::npos)
      break;
    start = comma + 1;
  }
  return counts;
}

}  // namespace zek::bench
