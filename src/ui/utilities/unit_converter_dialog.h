#pragma once

#include <QDialog>

#include <array>
#include <vector>

#include "ui/context.h"
#include "util/unit_conversion.h"

class QButtonGroup;
class QGroupBox;
class QLayout;
class QLineEdit;
class QTabWidget;

namespace vornexa {

class Messenger;

// frmUnits: a value typed in one unit of a quantity, shown at once in every unit
// of that quantity. Modal; it stores nothing, so each opening starts afresh.
class UnitConverterDialog : public QDialog {
    Q_OBJECT

  public:
    explicit UnitConverterDialog(UiContext& context, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The controls of one tab: its input box, its unit options (id = unit index)
    // and one output box per unit, in unit order.
    struct Page {
        QLineEdit* input = nullptr;
        QButtonGroup* units = nullptr;
        std::vector<QLineEdit*> outputs;
    };

    QGroupBox* CreateFrame(Quantity quantity, QWidget* parent);
    QLayout* CreateButtons();

    void Form_Load();
    void Form_Activate();
    void SSTab1_Click();
    // The Change handler of every input box, re-run by its unit options.
    void Input_Change(Quantity quantity);

    Messenger& messages_;
    bool Loading_ = false;
    QTabWidget* SSTab1_ = nullptr;
    std::array<Page, kQuantityCount> pages_{};
};

}  // namespace vornexa
