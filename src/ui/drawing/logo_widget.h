#pragma once

#include <QWidget>

namespace vornexa {

// Picture1: the product logo, a stress rose under the product name, drawn to any size.
class LogoWidget : public QWidget {
    Q_OBJECT

  public:
    explicit LogoWidget(QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vornexa
