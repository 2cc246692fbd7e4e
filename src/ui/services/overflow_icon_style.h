#pragma once

#include <QProxyStyle>

namespace vornexa {

// The application's style, with the icons of the menu bar's and the toolbar's
// overflow buttons made when first drawn: both bars ask for them at once, the
// buttons show only in a window too narrow for the bar, and reading the first
// icon from its image file loads every image format plugin.
class OverflowIconStyle : public QProxyStyle {
  public:
    explicit OverflowIconStyle(QStyle* base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace vornexa
