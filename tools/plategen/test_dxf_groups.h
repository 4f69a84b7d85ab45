// The plate generator tests' own DXF group reader: splits generated text into
// groups and section records, independent of the host's reader, so the tests
// check the generator against the file as written.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace zek::plategen::test {

struct Group {
  int code;
  std::string value;
};

// Splits DXF text into groups; a malformed code line fails the test.
inline std::vector<Group> groupsOf(const std::string& text) {
  std::vector<Group> groups;
  std::istringstream in(text);
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) {
    char* end = nullptr;
    long c = std::strtol(code.c_str(), &end, 10);
    EXPECT_TRUE(end && *end == '\0' && !code.empty()) << "bad group code line \"" << code << "\"";
    groups.push_back({static_cast<int>(c), value});
  }
  return groups;
}

struct Entity {
  std::string type;
  std::vector<Group> groups;  // after the 0 group
};

// The records of section `name` (ENTITIES, TABLES, ...), split at each 0 group.
inline std::vector<Entity> recordsOf(const std::vector<Group>& groups, const std::string& name) {
  std::vector<Entity> records;
  bool inside = false;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const Group& g = groups[i];
    if (!inside) {
      inside = g.code == 2 && g.value == name && i > 0 && groups[i - 1].value == "SECTION";
      continue;
    }
    if (g.code == 0 && g.value == "ENDSEC")
      break;
    if (g.code == 0)
      records.push_back({g.value, {}});
    else if (!records.empty())
      records.back().groups.push_back(g);
  }
  return records;
}

// The first group `code` of a record; nullptr when it has none.
inline const Group* find(const Entity& e, int code) {
  for (const Group& g : e.groups)
    if (g.code == code)
      return &g;
  return nullptr;
}

// The value of the first group `code` as a real; `fallback` when absent.
inline double realOf(const Entity& e, int code, double fallback = 0) {
  const Group* g = find(e, code);
  return g ? std::strtod(g->value.c_str(), nullptr) : fallback;
}

inline std::uint64_t hex(const std::string& text) {
  return std::strtoull(text.c_str(), nullptr, 16);
}

inline std::uint64_t headerHandSeed(const std::vector<Group>& groups) {
  for (std::size_t i = 0; i + 1 < groups.size(); ++i)
    if (groups[i].code == 9 && groups[i].value == "$HANDSEED")
      return hex(groups[i + 1].value);
  return 0;
}

struct HeaderExtents {
  double minX = 0;
  double minY = 0;
  double maxX = 0;
  double maxY = 0;
};

// $EXTMIN and $EXTMAX of the header.
inline HeaderExtents headerExtents(const std::vector<Group>& groups) {
  HeaderExtents e;
  for (std::size_t i = 0; i + 2 < groups.size(); ++i) {
    if (groups[i].code != 9)
      continue;
    double x = std::atof(groups[i + 1].value.c_str()), y = std::atof(groups[i + 2].value.c_str());
    if (groups[i].value == "$EXTMIN")
      e.minX = x, e.minY = y;
    else if (groups[i].value == "$EXTMAX")
      e.maxX = x, e.maxY = y;
  }
  return e;
}

}  // namespace zek::plategen::test
