#pragma once

#include <QDialog>
#include <QString>

#include <string>

class QButtonGroup;
class QComboBox;
class QListWidget;

namespace vornexa {

struct AppState;

// frmPath: picks a folder from a drive list and a folder list, or one of four
// quick choices. Modal; opens on `chosenPath`, and only OK writes the folder
// shown back into it, ending in one separator.
class FolderChooser : public QDialog {
    Q_OBJECT

  public:
    // The quick choices, in the order of their options.
    enum Choice { UserHome, Application, Current, UserTemporary, kChoiceCount };

    FolderChooser(AppState& state, std::string& chosenPath, QWidget* parent = nullptr);

    // The folder the folder list is in; what OK returns.
    QString folder() const { return folder_; }

    // Every way of closing (OK, Cancel, Escape, the close box) ends here.
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* CreateLists();
    QWidget* CreateChoices();
    QLayout* CreateButtons();
    void FillDrives();

    void Form_Load();
    void Option1_Click(int index);
    void Drive1_Change(int index);
    bool MoveTo(const QString& path);
    void FillFolders();
    void SelectDriveOf(const QString& path);

    AppState& state_;
    std::string& chosenPath_;
    const std::string openedOn_;
    QString folder_;
    bool ok_ = false;

    QButtonGroup* Option1_ = nullptr;
    QComboBox* Drive1_ = nullptr;
    QListWidget* Dir1_ = nullptr;
};

}  // namespace vornexa
