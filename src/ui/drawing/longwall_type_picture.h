#pragma once

#include <QWidget>

#include <cstdint>

namespace vornexa {

// A small plan of a longwall panel for the type buttons: the mined panels in
// red on the side the sequence starts from, the current panel in blue and an
// arrow in the mining direction.
class LongwallTypePicture : public QWidget {
    Q_OBJECT

  public:
    LongwallTypePicture(int16_t longType, QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int16_t longType_;
};

}  // namespace vornexa
