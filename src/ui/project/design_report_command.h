#pragma once

class QWidget;

namespace vornexa {

struct UiContext;

// File > Export Design Report (PDF): asks where, then writes the project's design
// report there through the export module, on the printer's page when the user has
// set one up (`pageChosen`), else on Letter. `cancelled` as for every command.
void ExportDesignReport(UiContext& context, QWidget* parent, bool pageChosen, bool& cancelled);

}  // namespace vornexa
