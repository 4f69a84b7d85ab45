// -LAYER (and LAYER): the options of the command line form, asked in a loop
// until Enter, each applied at once. Name lists take wildcards, comma lists
// and "~"; "_" before an option names it in its language-neutral form.
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "db_database.h"
#include "db_symtab.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "editor/commands/layer_options.h"
#include "editor/prompts/answer_parsing.h"

namespace zek {

namespace {

AcDbDatabase& drawing() { return *commandDocument().database(); }

// Esc at any prompt of the command ends the whole command.
bool cancelled = false;

std::string currentLayerName() {
  AcDbLayerTableRecord* layer = nullptr;
  if (acdbOpenObject(layer, drawing().clayer(), AcDb::kForRead) != Acad::eOk)
    return "0";
  std::string name = layer->name();
  (void)layer->close();
  return name;
}

// The text answer of a prompt; nothing on Esc. Enter gives "".
std::optional<std::string> askText(const std::string& prompt) {
  char text[512] = "";
  if (acedGetString(1, prompt.c_str(), text, sizeof text) != RTNORM) {
    cancelled = true;
    return std::nullopt;
  }
  return std::string(trimmedAnswer(text));
}

// Every layer record id, in table order.
std::vector<AcDbObjectId> layerIds() {
  AcDbLayerTable* table = nullptr;
  if (drawing().getLayerTable(table, AcDb::kForRead) != Acad::eOk)
    return {};
  std::vector<AcDbObjectId> ids;
  for (const AcDbObjectId& id : table->recordIds()) {
    if (!id.isErased())
      ids.push_back(id);
  }
  (void)table->close();
  return ids;
}

AcDbObjectId layerNamed(const std::string& name) {
  AcDbLayerTable* table = nullptr;
  if (drawing().getLayerTable(table, AcDb::kForRead) != Acad::eOk)
    return AcDbObjectId::kNull;
  AcDbObjectId id;
  if (table->getAt(name.c_str(), id) != Acad::eOk)
    id = AcDbObjectId::kNull;
  (void)table->close();
  return id;
}

// Adds a layer with the default properties; the null id when it cannot.
AcDbObjectId addLayer(const std::string& name) {
  if (!isValidLayerName(name)) {
    acutPrintf("\nInvalid layer name.");
    return AcDbObjectId::kNull;
  }
  AcDbLayerTable* table = nullptr;
  if (drawing().getLayerTable(table, AcDb::kForWrite) != Acad::eOk)
    return AcDbObjectId::kNull;
  auto record = std::make_unique<AcDbLayerTableRecord>();
  AcDbObjectId id;
  if (record->setName(name.c_str()) == Acad::eOk && table->add(id, record.get()) == Acad::eOk) {
    record->setLinetypeObjectId(drawing().continuousLinetype());
    (void)record.release()->close();
  } else {
    id = AcDbObjectId::kNull;
  }
  (void)table->close();
  return id;
}

// Applies a change to every layer the name list names; answers how many.
int forEachNamed(const std::string& list,
                 const std::function<void(AcDbLayerTableRecord&, bool isCurrent)>& change) {
  const AcDbObjectId current = drawing().clayer();
  int changed = 0;
  for (const AcDbObjectId& id : layerIds()) {
    AcDbLayerTableRecord* layer = nullptr;
    if (acdbOpenObject(layer, id, AcDb::kForWrite) != Acad::eOk)
      continue;
    if (layerInNameList(layer->name(), list)) {
      change(*layer, id == current);
      ++changed;
    }
    (void)layer->close();
  }
  if (changed == 0)
    acutPrintf("\nNo matching layer names found.");
  return changed;
}

void listLayers() {
  auto pattern = askText("\nEnter layer name(s) to list <*>: ");
  if (!pattern)
    return;
  const std::string list = pattern->empty() ? "*" : *pattern;
  acutPrintf("\n%-24s %-4s %-7s %-7s %-6s %s", "Layer name", "On", "Frozen", "Locked", "Color",
             "Linetype");
  for (const AcDbObjectId& id : layerIds()) {
    AcDbLayerTableRecord* layer = nullptr;
    if (acdbOpenObject(layer, id, AcDb::kForRead) != Acad::eOk)
      continue;
    if (layerInNameList(layer->name(), list)) {
      std::string linetype = "Continuous";  // a layer that names none draws continuous
      AcDbSymbolTableRecord* record = nullptr;
      if (acdbOpenObject(record, layer->linetypeObjectId(), AcDb::kForRead) == Acad::eOk) {
        linetype = record->name();
        (void)record->close();
      }
      acutPrintf("\n%-24s %-4s %-7s %-7s %-6d %s", layer->name().c_str(),
                 layer->isOff() ? "Off" : "On", layer->isFrozen() ? "Yes" : "No",
                 layer->isLocked() ? "Yes" : "No", layer->color().colorIndex(), linetype.c_str());
    }
    (void)layer->close();
  }
}

bool makeCurrent(const std::string& name) {
  AcDbObjectId id = layerNamed(name);
  if (id.isNull()) {
    acutPrintf("\nCannot find layer \"%s\".", name.c_str());
    return false;
  }
  AcDbLayerTableRecord* layer = nullptr;
  if (acdbOpenObject(layer, id, AcDb::kForRead) != Acad::eOk)
    return false;
  const bool frozen = layer->isFrozen();
  (void)layer->close();
  if (frozen) {
    acutPrintf("\nCannot set frozen layer \"%s\" current.", name.c_str());
    return false;
  }
  return drawing().setClayer(id) == Acad::eOk;
}

void makeLayer() {
  const std::string current = currentLayerName();
  auto name = askText("\nEnter name for new layer (becomes the current layer) <" + current + ">: ");
  if (!name)
    return;
  const std::string chosen = name->empty() ? current : *name;
  if (layerNamed(chosen).isNull() && addLayer(chosen).isNull())
    return;
  makeCurrent(chosen);
}

void newLayers() {
  auto names = askText("\nEnter name list for new layer(s): ");
  if (!names)
    return;
  std::size_t start = 0;
  while (start <= names->size()) {
    std::size_t comma = names->find(',', start);
    std::string name(trimmedAnswer(std::string_view(*names).substr(
        start, comma == std::string::npos ? std::string::npos : comma - start)));
    if (!name.empty()) {
      if (!layerNamed(name).isNull())
        acutPrintf("\nLayer \"%s\" already exists.", name.c_str());
      else
        addLayer(name);
    }
    if (comma == std::string::npos)
      break;
    start = comma + 1;
  }
}

void turnOff(const std::string& list) {
  forEachNamed(list, [](AcDbLayerTableRecord& layer, bool isCurrent) {
    if (isCurrent) {
      acedInitGet(0, "Yes No");
      char answer[8] = "";
      const std::string prompt =
          "\nReally want layer " + layer.name() + " (the CURRENT layer) off? <N>: ";
      const int code = acedGetKword(prompt.c_str(), answer, sizeof answer);
      cancelled = cancelled || code == RTCAN;
      if (code != RTNORM || std::string(answer) != "Yes")
        return;
    }
    layer.setIsOff(true);
  });
}

void freeze(const std::string& list) {
  forEachNamed(list, [](AcDbLayerTableRecord& layer, bool isCurrent) {
    if (isCurrent) {
      acutPrintf("\nCannot freeze layer \"%s\".  It is the CURRENT layer.", layer.name().c_str());
      return;
    }
    (void)layer.setIsFrozen(true);
  });
}

// Asks for a value, then the layers it goes to (the current layer by default).
void colourOption() {
  std::optional<int> colour;
  while (!colour) {
    auto answer = askText("\nEnter color name or number (1-255): ");
    if (!answer || answer->empty())
      return;
    colour = colourOfAnswer(*answer);
    if (!colour)
      acutPrintf("\nInvalid color.");
  }
  const std::string current = currentLayerName();
  auto list = askText("\nEnter name list of layer(s) for color " + colourText(*colour) + " <" +
                      current + ">: ");
  if (!list)
    return;
  forEachNamed(list->empty() ? current : *list, [&](AcDbLayerTableRecord& layer, bool) {
    AcCmColor value;
    (void)value.setColorIndex(static_cast<Adesk::UInt16>(*colour));
    layer.setColor(value);
  });
}

void linetypeOption() {
  AcDbObjectId linetype;
  std::string name;
  while (linetype.isNull()) {
    auto answer = askText("\nEnter a loaded linetype name <Continuous>: ");
    if (!answer)
      return;
    name = answer->empty() ? "Continuous" : *answer;
    AcDbLinetypeTable* table = nullptr;
    if (drawing().getLinetypeTable(table, AcDb::kForRead) != Acad::eOk)
      return;
    if (table->getAt(name.c_str(), linetype) != Acad::eOk)
      linetype = AcDbObjectId::kNull;
    (void)table->close();
    if (linetype.isNull())
      acutPrintf("\nLinetype \"%s\" is not loaded.", name.c_str());
  }
  const std::string current = currentLayerName();
  auto list = askText("\nEnter name list of layer(s) for linetype \"" + name + "\" <" + current +
                      ">: ");
  if (!list)
    return;
  forEachNamed(list->empty() ? current : *list,
               [&](AcDbLayerTableRecord& layer, bool) { layer.setLinetypeObjectId(linetype); });
}

void lineweightOption() {
  std::optional<int> weight;
  while (!weight) {
    auto answer = askText("\nEnter lineweight (0.0mm - 2.11mm): ");
    if (!answer || answer->empty())
      return;
    weight = lineweightOfAnswer(*answer);
    if (!weight)
      acutPrintf("\nInvalid lineweight.");
  }
  char millimetres[16];
  std::snprintf(millimetres, sizeof millimetres, "%.2fmm", *weight / 100.0);
  const std::string current = currentLayerName();
  auto list = askText("\nEnter name list of layers(s) for lineweight " + std::string(millimetres) +
                      " <" + current + ">: ");
  if (!list)
    return;
  forEachNamed(list->empty() ? current : *list, [&](AcDbLayerTableRecord& layer, bool) {
    (void)layer.setLineWeight(static_cast<AcDb::LineWeight>(*weight));
  });
}

// The options that take a name list and change a flag of each layer.
void flagOption(const std::string& option) {
  const char* what = option == "ON"       ? "turn On"
                     : option == "OFF"    ? "turn off"
                     : option == "Freeze" ? "freeze"
                     : option == "Thaw"   ? "thaw"
                     : option == "LOck"   ? "lock"
                                          : "unlock";
  auto list = askText(std::string("\nEnter name list of layer(s) to ") + what + ": ");
  if (!list || list->empty())
    return;
  if (option == "OFF")
    turnOff(*list);
  else if (option == "Freeze")
    freeze(*list);
  else
    forEachNamed(*list, [&](AcDbLayerTableRecord& layer, bool) {
      if (option == "ON")
        layer.setIsOff(false);
      else if (option == "Thaw")
        (void)layer.setIsFrozen(false);
      else
        layer.setIsLocked(option == "LOck");
    });
}

}  // namespace

void layerCommand() {
  acutPrintf("\nCurrent layer:  \"%s\"", currentLayerName().c_str());
  cancelled = false;
  while (!cancelled) {
    acedInitGet(0, "? Make Set New ON OFF Color Ltype LWeight Freeze Thaw LOck Unlock");
    char option[32] = "";
    if (acedGetKword("\nEnter an option "
                     "[?/Make/Set/New/ON/OFF/Color/Ltype/LWeight/Freeze/Thaw/LOck/Unlock]: ",
                     option, sizeof option) != RTNORM)
      return;  // Enter ends the command, Esc too
    const std::string chosen = option;
    if (chosen == "?") {
      listLayers();
    } else if (chosen == "Make") {
      makeLayer();
    } else if (chosen == "Set") {
      auto name = askText("\nEnter layer name to make current: ");
      if (name && !name->empty())
        makeCurrent(*name);
    } else if (chosen == "New") {
      newLayers();
    } else if (chosen == "Color") {
      colourOption();
    } else if (chosen == "Ltype") {
      linetypeOption();
    } else if (chosen == "LWeight") {
      lineweightOption();
    } else {
      flagOption(chosen);
    }
  }
}

}  // namespace zek
