#include "platform/module_loader.h"

#include <dlfcn.h>

namespace vornexa {

void* ModuleEntry(const std::string& folder, const char* name, const char* entry,
                  std::string& error) {
    // Never the library search path: only our own folder holds our modules.
    const std::string module = (folder.empty() ? "./" : folder) + name;
    // Never closed: the windows it makes keep pointing into it.
    void* handle = ::dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (handle == nullptr) {
        error = "Cannot load " + module + ": " + ::dlerror();
        return nullptr;
    }
    void* address = ::dlsym(handle, entry);
    if (address == nullptr) {
        error = "Cannot start " + module + ": " + ::dlerror();
    }
    return address;
}

}  // namespace vornexa
