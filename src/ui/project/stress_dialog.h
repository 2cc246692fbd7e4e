#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "ui/context.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;

namespace vornexa {

// frmStressParm: the project's stress region, depth of cover and rock modulus,
// with the horizontal stress they give, estimated on every valid change.
// Modeless; it deletes itself when it closes and then calls `closed`.
class StressDialog : public QDialog {
    Q_OBJECT

  public:
    StressDialog(UiContext& context, std::function<void()> closed, QWidget* parent = nullptr);

    void Open();

    // Depth first, then modulus; the first failure is shown and takes the focus.
    bool ValidateStressInputs();
    // The estimate into txtStress; blank while the region text names no region.
    void ComputeStress();

    // Every way of closing (OK, Cancel, Escape, the close box) ends here.
    void done(int result) override;

  private:
    QGroupBox* CreateInputFrame();
    QGroupBox* CreateStressFrame();
    QLayout* CreateButtons();
    QLineEdit* CreateNumberBox(QGroupBox* frame, QLabel* label, const char* name);

    void Form_Load();
    void Form_Unload(bool accepted);
    void FillStressRegionList();
    void StoreStressParms();
    // The table index the region text names, or -1.
    int RegionIndex() const;
    // True also while no region is chosen: there is no estimate then.
    bool EstimateIsFinite(const std::string& modulusText) const;

    void cmbRegion_Change();
    void Input_Change();
    void cmdOK_Click();

    AppState& state_;
    std::function<void()> closed_;
    bool Loading_ = false;
    bool Accepted_ = false;
    bool unloaded_ = false;

    QComboBox* cmbRegion_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLineEdit* txtDepthCover_ = nullptr;
    QLineEdit* txtModulus_ = nullptr;
    QLineEdit* txtStress_ = nullptr;
};

}  // namespace vornexa
