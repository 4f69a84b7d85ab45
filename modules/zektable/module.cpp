// zektable.arx: group ZEKTABLE with the hole tables, the notes list and the
// placement dialog (with the module's dialog resources). The tables of
// zeklayer0.dat, zektable.dat and zekamn.dat are read at every load.
#include "commands/table_commands.h"
#include "commands/table_placement.h"
#include "commands/table_placement_resource.h"
#include "frame/module_frame.h"
#include "tables/hole_tables.h"

namespace {

using namespace zek::table;

constexpr zek::CommandRow kCommands[] = {
    zek::command<tableOfIsland>("ZEKTABLE1"),
    zek::command<tableOfSelection>("ZEKTABLE2"),
    zek::command<shortTableOfSelection>("ZEKTABLE3"),
    zek::command<notesOfIsland>("ZEKTABLE4"),
    zek::command<editTablePlacement>("ZEKTABLE1S").withModuleResources(),
};

constexpr zek::ModuleTable kModule{.group = "ZEKTABLE", .commands = kCommands};

}  // namespace

ZEK_MODULE_RESOURCES(zek::table::kPlacementDialogs)

extern "C" ZEK_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
  const AcRx::AppRetCode answer = zek::handleEntryMessage(kModule, message, appId);
  if (message == AcRx::kInitAppMsg && answer == AcRx::kRetOK) {
    tablePlacement() = TablePlacement{};
    loadHoleTables();
  }
  return answer;
}
