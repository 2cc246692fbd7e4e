// The entry of the stress graph module, loaded by the parameters dialog with
// the first graph, so that Qt Charts is not loaded at start-up.
#include "ui/project/stress_graph_window.h"

extern "C" __attribute__((visibility("default"))) vornexa::StressPlot* vornexa_graph_window(
    vornexa::UiContext* context, QWidget* parent) {
    return new vornexa::StressGraphWindow(*context, parent);
}
