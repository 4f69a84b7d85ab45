// Test helpers of the curve entities: DXF text in and out, opening, copying.
#include "db/curves/curve_test_support.h"

#include <sstream>

#include "db_block.h"

namespace zek::test {

std::string dxfText(const Groups& groups) {
  std::string text;
  for (const Group& g : groups)
    text += std::to_string(g.first) + "\n" + g.second + "\n";
  return text;
}

std::unique_ptr<AcDbDatabase> readEntities(const Groups& entities, const char* acadver) {
  Groups file;
  if (acadver != nullptr)
    file = {{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, acadver}, {0, "ENDSEC"}};
  file.push_back({0, "SECTION"});
  file.push_back({2, "ENTITIES"});
  file.insert(file.end(), entities.begin(), entities.end());
  file.push_back({0, "ENDSEC"});
  file.push_back({0, "EOF"});
  auto read = readDxfString(dxfText(file), "test.dxf");
  if (!read.ok()) {
    ADD_FAILURE() << read.failure().describe();
    return nullptr;
  }
  return std::move(read).value();
}

std::vector<AcDbObjectId> modelSpaceIds(AcDbDatabase& db) {
  Opened<AcDbBlockTableRecord> space(db.modelSpaceId());
  EXPECT_EQ(space.status(), Acad::eOk);
  if (!space)
    return {};
  return space->entityIds();
}

std::string writeDxf(AcDbDatabase& db, DxfVersion version) {
  DxfWriteOptions options;
  options.version = version;
  auto written = writeDxfString(db, options);
  if (!written.ok()) {
    ADD_FAILURE() << written.failure().describe();
    return {};
  }
  return written.value();
}

namespace {

// Trims the spaces some writers put around group codes and values.
std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos)
    return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

Groups entityGroups(const std::string& dxf, const std::string& type, int index) {
  std::istringstream in(dxf);
  std::string codeLine, valueLine;
  bool inEntities = false, inWanted = false, afterSection = false;
  int seen = 0;
  Groups result;
  while (std::getline(in, codeLine) && std::getline(in, valueLine)) {
    const int code = std::stoi(trimmed(codeLine));
    const std::string value = trimmed(valueLine);
    if (code == 0) {
      if (inWanted)
        return result;
      if (value == "SECTION")
        afterSection = true;
      else if (value == "ENDSEC")
        inEntities = false;
      else if (inEntities && value == type && seen++ == index)
        inWanted = true;
      continue;
    }
    if (afterSection && code == 2) {
      inEntities = value == "ENTITIES";
      afterSection = false;
      continue;
    }
    if (inWanted)
      result.push_back({code, value});
  }
  return result;
}

std::vector<std::string> valuesOf(const Groups& groups, int code) {
  std::vector<std::string> values;
  for (const Group& g : groups)
    if (g.first == code)
      values.push_back(g.second);
  return values;
}

int positionOf(const Groups& groups, int code, const std::string& value) {
  for (std::size_t i = 0; i < groups.size(); ++i)
    if (groups[i].first == code && groups[i].second == value)
      return static_cast<int>(i);
  return -1;
}

::testing::AssertionResult pointsNear(const AcGePoint3d& actual, const AcGePoint3d& expected,
                                      double tol) {
  if (actual.distanceTo(expected) <= tol)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not within " << tol
         << " of (" << expected.x << ", " << expected.y << ", " << expected.z << ")";
}

}  // namespace zek::test
