// Helpers the database and DXF tests share.
#include "db/testing/db_test_support.h"

#include <sstream>

namespace zek::test {

AcDbObjectId addLayer(AcDbDatabase& db, const char* name, bool locked) {
  AcDbLayerTable* table = nullptr;
  if (db.getLayerTable(table, AcDb::kForWrite) != Acad::eOk)
    return {};
  auto layer = std::make_unique<AcDbLayerTableRecord>();
  AcDbObjectId id;
  if (layer->setName(name) != Acad::eOk || table->add(id, layer.get()) != Acad::eOk) {
    (void)table->close();
    return {};
  }
  (void)table->close();
  layer->setIsLocked(locked);
  (void)layer.release()->close();
  return id;
}

AcDbObjectId appendToModelSpace(AcDbDatabase& db, AcDbEntity* entity) {
  std::unique_ptr<AcDbEntity> owned(entity);
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite) != Acad::eOk)
    return {};
  AcDbObjectId id;
  Acad::ErrorStatus es = space->appendAcDbEntity(id, owned.get());
  (void)space->close();
  if (es != Acad::eOk)
    return {};
  (void)owned.release()->close();
  return id;
}

std::vector<AcDbObjectId> modelSpaceIds(AcDbDatabase& db) {
  std::vector<AcDbObjectId> ids;
  Opened<AcDbBlockTableRecord> space(db.modelSpaceId());
  if (!space)
    return ids;
  for (AcDbObjectId id : space->entityIds())
    if (!id.isErased())
      ids.push_back(id);
  return ids;
}

namespace {
std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  std::size_t start = text.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : text.substr(start);
}
}  // namespace

Groups parseGroups(const std::string& dxf) {
  Groups groups;
  std::istringstream in(dxf);
  std::string code, value;
  while (std::getline(in, code)) {
    if (trimmed(code).empty() && in.peek() == EOF)
      break;
    if (!std::getline(in, value)) {
      ADD_FAILURE() << "a group code without a value at the end: " << code;
      break;
    }
    try {
      groups.emplace_back(std::stoi(trimmed(code)), trimmed(value));
    } catch (...) {
      ADD_FAILURE() << "not a group code: \"" << code << "\"";
      break;
    }
  }
  return groups;
}

std::string dxfText(const Groups& groups) {
  std::string text;
  for (const auto& [code, value] : groups)
    text += std::to_string(code) + "\n" + value + "\n";
  return text;
}

std::vector<DxfObject> dxfObjects(const std::string& dxf) {
  std::vector<DxfObject> objects;
  std::string section;
  bool expectName = false;
  for (const Group& g : parseGroups(dxf)) {
    if (expectName) {
      expectName = false;
      if (g.first == 2) {
        section = g.second;
        continue;
      }
    }
    if (g.first == 0) {
      if (g.second == "SECTION") {
        expectName = true;
        objects.push_back({"", "", {}});  // a placeholder that takes nothing
        continue;
      }
      if (g.second == "ENDSEC" || g.second == "EOF") {
        section.clear();
        objects.push_back({"", "", {}});
        continue;
      }
      objects.push_back({g.second, section, {}});
      continue;
    }
    if (!objects.empty() && !objects.back().type.empty())
      objects.back().groups.push_back(g);
  }
  std::erase_if(objects, [](const DxfObject& o) { return o.type.empty(); });
  return objects;
}

Groups objectGroups(const std::string& dxf, const std::string& section, const std::string& type,
                    int index) {
  for (const DxfObject& object : dxfObjects(dxf))
    if (object.section == section && object.type == type && index-- == 0)
      return object.groups;
  return {};
}

std::vector<std::string> valuesOf(const Groups& groups, int code) {
  std::vector<std::string> values;
  for (const auto& [c, v] : groups)
    if (c == code)
      values.push_back(v);
  return values;
}

std::unique_ptr<AcDbDatabase> readDxf(const std::string& dxf, std::vector<Failure>* warnings) {
  DxfReadOptions options;
  options.warnings = warnings;
  auto read = readDxfString(dxf, "t.dxf", options);
  if (!read.ok()) {
    ADD_FAILURE() << "the drawing could not be read: " << read.failure().describe();
    return nullptr;
  }
  return std::move(read).value();
}

std::string writeDxf(AcDbDatabase& db, std::optional<DxfVersion> version) {
  DxfWriteOptions options;
  options.version = version;
  auto written = writeDxfString(db, options);
  if (!written.ok()) {
    ADD_FAILURE() << "the drawing could not be written: " << written.failure().describe();
    return {};
  }
  return written.value();
}

std::string describeAll(const std::vector<Failure>& warnings) {
  std::string text;
  for (const Failure& w : warnings)
    text += w.describe() + "\n";
  return text.empty() ? "(no warnings)" : text;
}

}  // namespace zek::test
