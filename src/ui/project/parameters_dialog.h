#pragma once

#include <QDialog>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

#include "core/project.h"
#include "ui/context.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vornexa {

class DiagramWindow;
class StressPlot;

// frmVORNParm: the layout of the project, edited beside the stress design
// diagram and the stress graph, which follow every valid change. Modeless; it
// deletes itself when it closes and then calls `closed`.
class ParametersDialog : public QDialog {
    Q_OBJECT

  public:
    // The five azimuth fields, in the order they are validated.
    enum Field { Entries, LeftCross, RightCross, SigmaH, HeadGate, kFieldCount };

    ParametersDialog(UiContext& context, std::function<void()> closed, QWidget* parent = nullptr);

    // Shows the dialog, then the diagram when the options ask for it.
    void Open();

    // The five azimuths, then the SigmaH tolerance.
    bool ValidateAzimuths();
    void RefreshViews();
    void ArrangeGraphWindows();
    void cmdView_Click();
    void cmdResults_Click();

    // Every way of closing (OK, Cancel, Escape, the close box) ends here.
    void done(int result) override;

    // For a window that proposes azimuths (the layout finder, opened by a button
    // beside Copy): the value goes into its box as if typed, keeping its decimals,
    // the crosscuts follow the entries when they are kept, and the views follow.
    void SetEntriesAzimuth(float degrees) { SetAzimuth(Entries, degrees); }
    void SetHeadgateAzimuth(float degrees) { SetAzimuth(HeadGate, degrees); }

    QLineEdit* azimuthText(Field field) const { return text_[field]; }
    QScrollBar* azimuthBar(Field field) const { return bar_[field]; }
    QLineEdit* toleranceText() const { return txtSigmaHTol_; }
    DiagramWindow* view() const;
    StressPlot* plot() const;

  signals:
    // After every valid change, once WorkParms holds it; windows that follow the
    // dialog beside the diagram and the graph listen here.
    void workParmsChanged();
    // The layout finder button; whoever owns the finder opens it.
    void finderRequested();

  private:
    QGroupBox* CreatePlanFrame();
    QGroupBox* CreateSigmaHFrame();
    QGroupBox* CreateDevelFrame();
    QGroupBox* CreateLongwallFrame();
    QPushButton* CreateCopyButton();
    QLayout* CreateButtons();
    void AddToleranceRow(QGridLayout& grid, int row);
    void AddAzimuthRow(QGroupBox* frame, int row, Field field, const QString& caption,
                       const char* name);

    void Form_Load();
    void Form_Unload(bool accepted);
    void FillRegionList();
    void SaveWorkParms();
    void AcceptParms();
    void CopyControls(Parms& parms) const;
    int16_t RegionIndex() const;

    void AzimuthText_Change(Field field);
    void AzimuthBar_Change(Field field);
    void SetAzimuth(Field field, float degrees);
    void FollowEntries(float entries);
    void txtSigmaHTol_Change();
    void cmbQuality_Click(int index);
    void chkKeepCrossCuts_Click();
    void cmbRegion_Click(int index);
    void optPlanType_Click(int index);
    void chkShowStress_Click();
    void Command2_Click();
    void UnloadView();
    void UnloadPlot();
    void FitGraphOnScreen();

    UiContext& context_;
    AppState& state_;
    std::function<void()> closed_;
    bool Loading_ = false;
    // Values the program sets: kept exact, and the views redraw once afterwards.
    bool quiet_ = false;
    std::optional<float> entriesAzimuth_;  // the last valid one, which the crosscuts follow
    bool Accepted_ = false;
    bool Modified_ = false;
    bool unloaded_ = false;
    bool regionTyped_ = false;
    QPointer<DiagramWindow> view_;
    QPointer<StressPlot> plot_;
    bool plotMissing_ = false;

    QButtonGroup* optPlanType_ = nullptr;
    QButtonGroup* optLongType_ = nullptr;
    QComboBox* cmbRegion_ = nullptr;
    QGroupBox* frameDevel_ = nullptr;
    QGroupBox* frameLongwall_ = nullptr;
    QCheckBox* chkShowStress_ = nullptr;
    QCheckBox* chkKeepCrossCuts_ = nullptr;
    QLineEdit* txtSigmaHTol_ = nullptr;
    QComboBox* cmbQuality_ = nullptr;
    std::array<QLineEdit*, kFieldCount> text_{};
    std::array<QScrollBar*, kFieldCount> bar_{};
    std::array<QLabel*, kFieldCount> label_{};
};

}  // namespace vornexa
