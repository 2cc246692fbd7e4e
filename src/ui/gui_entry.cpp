// The entry of the window program, loaded by the executable only when a window
// is wanted, so the headless commands never load the GUI libraries.
#include "core/startup.h"
#include "ui/app_startup.h"

extern "C" __attribute__((visibility("default"))) int vornexa_gui_main(
    int argc, char** argv, const vornexa::PlatformInfo* platform) {
    return vornexa::RunApplication(argc, argv, *platform);
}
