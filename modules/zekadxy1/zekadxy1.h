// zekadxy1.arx: the commands of the module-level glue.
#pragma once

namespace zek::adxy1 {

void editOrdinateSettings();  // ZEKXYS: the dialog, then what its button asks for

}  // namespace zek::adxy1
