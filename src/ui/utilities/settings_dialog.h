#pragma once

#include <QDialog>

#include <functional>

#include "ui/context.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vornexa {

// "Invalid font selection:" and the name when the history font is not installed.
void CheckHistoryFont(AppState& state);

// frmSet: the [Settings] keys of the settings file. Modal; OK validates, copies
// the fields into the settings record, applies them through
// `applyDisplaySettings` and writes [Settings]. A history font chosen here is
// applied at once through `applyHistoryFont` and kept even on Cancel.
class SettingsDialog : public QDialog {
    Q_OBJECT

  public:
    SettingsDialog(UiContext& context, std::function<void()> applyHistoryFont,
                   std::function<void()> applyDisplaySettings, QWidget* parent = nullptr);

    // Every way of closing (OK, Cancel, Escape, the close box) ends here.
    void done(int result) override;

  private:
    // The check boxes bound one to one to a settings key, in load order.
    enum Box {
        DispHist,
        KeepRecentFL,
        ShortNames,
        ShowDiscl,
        MaxMenu,
        EnableTB,
        LoadLastInputFile,
        Update,
        CopyExamples,
        kBoxCount
    };

    QGroupBox* CreateUnitsFrame();
    QGroupBox* CreateDataFrame();
    QGroupBox* CreateViewerFrame();
    QGroupBox* CreateMiscFrame();
    QLayout* CreateButtons();
    QCheckBox* CreateBox(Box box, const char* name, const QString& caption, QGroupBox* frame);

    void Form_Load();
    void Form_Unload();
    void CopyToSettings();
    bool ValidateFields();
    bool ValidateExtension();

    void chkDispHist_Click();
    void chkKeepRecentFL_Click();
    void chkShortNames_Click();
    void chkCopyExamples_Click();
    void Text1_Change();
    void cmdSetPath_Click();
    void cmdSelect_Click();
    void Command5_Click();
    void cmdOK_Click();

    UiContext& context_;
    AppState& state_;
    std::function<void()> applyHistoryFont_;
    std::function<void()> applyDisplaySettings_;
    bool Loading_ = false;
    bool Modified_ = false;
    bool unloaded_ = false;

    QButtonGroup* optUnits_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QLineEdit* Text3_ = nullptr;
    QLineEdit* Text4_ = nullptr;
    QPushButton* Command5_ = nullptr;
    QCheckBox* box_[kBoxCount] = {};
};

}  // namespace vornexa
