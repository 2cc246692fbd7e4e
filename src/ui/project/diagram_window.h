#pragma once

#include <QMainWindow>

#include <array>

#include "diagrams/display_list.h"
#include "ui/context.h"

class QAction;
class QImage;

namespace vornexa {

class DiagramCanvas;

// frmVORNView: the stress design diagram of the working parameters, redrawn by
// the parameters dialog while it is open; prints and copies the picture.
class DiagramWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Form_Load: draws the diagram of the working parameters' plan type.
    explicit DiagramWindow(UiContext& context, QWidget* parent = nullptr);

    // Refresh the snapshot from the working parameters and replace the picture.
    void Dev_Paint();
    void Long_Paint();

    void mnuFileItem_Click(int index);
    void mnuEditItem_Click(int index);

    QAction* fileItem(int index) const { return fileItems_[static_cast<size_t>(index)]; }
    QAction* editItem(int index) const { return editItems_[static_cast<size_t>(index)]; }
    const DisplayList& displayList() const;
    const QImage& canvasImage() const;

    static constexpr int kClientWidth = 476;
    static constexpr int kClientHeight = 486;
    static constexpr int kCanvasMargin = 8;

  private:
    void CreateMenus();
    void PrintDiagram();
    void CopyClientArea();

    UiContext& context_;
    DiagramCanvas* picMain_ = nullptr;
    std::array<QAction*, 5> fileItems_{};
    std::array<QAction*, 1> editItems_{};
};

}  // namespace vornexa
