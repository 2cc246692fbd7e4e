#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <vector>

#include "ui/context.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QTabWidget;

namespace vornexa {

struct AnalysisOptions;
struct AppState;

// frmVORNOpts: the program options and the defaults of new projects. Modal;
// the options change only when it is accepted, and are then saved.
class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    // The five default azimuths, in the order they are validated.
    enum Field { Entries, LeftCross, RightCross, SigmaH, HeadGate, kFieldCount };
    // The tabs of SSTab1.
    enum Tab { EditPrintTab, DefaultsTab };

    explicit OptionsDialog(UiContext& context, QWidget* parent = nullptr);

    bool ValidateDefaults();

    // Every way of closing (OK, Cancel, Escape, the close box) ends here.
    void done(int result) override;

  private:
    QWidget* CreateEditPrintTab();
    QWidget* CreateDefaultsTab();
    QGroupBox* CreateEditFrame();
    QGroupBox* CreatePrintFrame();
    QGroupBox* CreateAssociationFrame();
    QGroupBox* CreateDevelFrame();
    QGroupBox* CreateLongwallFrame();
    QLayout* CreateButtons();
    void AddCheck(QGroupBox* frame, int16_t AnalysisOptions::*option, const QString& caption,
                  const char* name);
    void AddAzimuthRow(QGroupBox* frame, int row, Field field, const QString& caption,
                       const char* name);
    QLineEdit* AddNumberRow(QGroupBox* frame, int row, const QString& caption, const char* name);

    void Form_Load();
    void Form_Unload();
    void AcceptOptions();
    void FillRegionList();
    int16_t RegionIndex() const;
    bool ValidateRegion();
    void ShowFailure(QWidget& box);

    void cmbRegion_Click(int index);
    void Command2_Click();

    struct OptionCheck {
        int16_t AnalysisOptions::*option;
        QCheckBox* box;
    };

    AppState& state_;
    DesktopService& desktop_;
    bool Accepted_ = false;
    bool unloaded_ = false;
    bool regionTyped_ = false;

    QTabWidget* SSTab1_ = nullptr;
    QComboBox* cmbRegion_ = nullptr;
    std::array<QLineEdit*, kFieldCount> text_{};
    QLineEdit* txtSigmaHTol_ = nullptr;
    std::vector<OptionCheck> checks_;
};

}  // namespace vornexa
