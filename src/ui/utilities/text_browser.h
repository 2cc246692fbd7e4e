#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <string>

#include "ui/context.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace vornexa {

class DesktopService;

// What the text browser remembers between its openings within one run.
struct TextBrowserMemory {
    std::string lastFolder;
};

// frmTextBrow: picks a text file from a drive, folder and file list and shows
// it read-only, or hands a copy of it to the external viewer. Modal; open with
// exec(). Closing stores the pattern, the folder and the viewer choice.
class TextBrowser : public QDialog {
    Q_OBJECT

  public:
    TextBrowser(UiContext& context, DesktopService& desktop, TextBrowserMemory& memory,
                QWidget* parent = nullptr);

    // The folder the file list shows, without a final separator except for the root.
    QString folder() const { return folder_; }

    // OK, Escape and the close box all end here.
    void done(int result) override;

  private:
    QLayout* CreateSelector();
    QLayout* CreateViewer();
    QLayout* CreateButtons();
    void FitOnScreen();

    void Form_Load();
    void FillDrives();
    void SelectDriveOf(const QString& path);
    void Step(const std::function<void()>& step);
    void ChangeFolder(const QString& path);
    void FillFolders(const QString& path);
    void FillFiles();

    void Drive1_Change(int index);
    void Dir1_Change(QListWidgetItem* item);
    void Text2_Change();
    void File1_Click(QListWidgetItem* item);
    void Check1_Click();
    void cmdSetFont_Click();
    void ApplyViewerFont();

    UiContext& context_;
    AppState& state_;
    DesktopService& desktop_;
    TextBrowserMemory& memory_;
    QString folder_;
    QString pattern_;
    bool cancelled_ = false;

    QComboBox* Drive1_ = nullptr;
    QListWidget* Dir1_ = nullptr;
    QListWidget* File1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QLabel* Label1_ = nullptr;
    QPlainTextEdit* RichTextBox1_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QPushButton* cmdSetFont_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

}  // namespace vornexa
