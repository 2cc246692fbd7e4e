#pragma once

#include <QIcon>

namespace vornexa {

enum class ToolbarPicture { Open, Save, Print, Description, Parameters };

// The main toolbar's pictures, drawn at whatever size and scale they are shown:
// reading the first picture from an image file loads every image format plugin,
// which made a good part of the start-up.
QIcon ToolbarIcon(ToolbarPicture picture);

}  // namespace vornexa
