#pragma once

#include <string>

namespace vornexa {

// The windows, the drawing commands and the stress graph are modules in the
// program's folder, loaded only when wanted so that nothing else pays for them.
// The address of `entry` in module `name` of `folder` (ending in the separator;
// empty is the current folder); nullptr with `error` set to what to tell the
// user when the module or its entry cannot be found.
void* ModuleEntry(const std::string& folder, const char* name, const char* entry,
                  std::string& error);

}  // namespace vornexa
