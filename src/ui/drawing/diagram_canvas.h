#pragma once

#include <QImage>
#include <QWidget>

#include "diagrams/display_list.h"
#include "ui/drawing/diagram_raster.h"

namespace vornexa {

// The persistent picture of the diagram window: the list is rendered once into
// an image at the screen's pixel ratio, and painting only copies that image, so
// covering and uncovering the window never redraws the diagram.
class DiagramCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit DiagramCanvas(QWidget* parent = nullptr);

    // Replaces the whole picture.
    void Show(DisplayList list);

    const DisplayList& displayList() const { return list_; }
    const QImage& image() const { return raster_.image(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Render();

    DisplayList list_;
    DiagramRaster raster_;
};

}  // namespace vornexa
