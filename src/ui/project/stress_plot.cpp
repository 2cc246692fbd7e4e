#include "ui/project/stress_plot.h"

#include "core/app_state.h"
#include "platform/module_loader.h"

namespace vornexa {

StressPlot* OpenStressPlot(UiContext& context, QWidget* parent) {
    using Entry = StressPlot* (*)(UiContext*, QWidget*);
    std::string error;
    auto entry = reinterpret_cast<Entry>(ModuleEntry(
        context.state.folders.program, "libvornexa_graph.so", "vornexa_graph_window", error));
    if (entry == nullptr) {
        context.state.messages.ShowMessage(error, msg::kExclamation);
        return nullptr;
    }
    return entry(&context, parent);
}

}  // namespace vornexa
