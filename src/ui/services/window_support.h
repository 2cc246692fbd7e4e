#pragma once

#include <QString>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vornexa {

class Messenger;

// The engine's UTF-8 text as a QString.
QString Q(std::string_view text);

// Runs one step of a command under the shared error handling: a retry runs it
// again, a skip goes on, a cancelled dialog sets `cancelled` and goes on.
// False when the command must end.
bool RunStep(Messenger& messages, bool& cancelled, const std::function<void()>& step);

// A dialog the user cancelled, reported as an error of the cancel kind.
void ReportCancelledDialog(Messenger& messages, bool& cancelled);

// The Help buttons' hint about context help.
void ShowHelpHint(Messenger& messages);

// The hourglass for the lifetime of the object, restored on every way out.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Entering the box selects its whole text.
void SelectAllOnFocus(QLineEdit& box);
// As SelectAllOnFocus, and every printable key typed into the box passes the
// numeric key filter; shortcuts such as Ctrl+A pass untouched.
void MakeNumericField(QLineEdit& box);

// The number an azimuth box starts with, as the validation reads it.
float BoxAzimuth(const QLineEdit& box);

// Row 0 of the grid: the label "lblRegion" and the editable region box
// "cmbRegion" spanning `columns`; typed text stays as typed.
QComboBox* AddRegionRow(QGridLayout& grid, const QString& caption, int columns = 1);

// A button that Enter presses only when it is made the default.
QPushButton* CreateCommandButton(QWidget* parent, const QString& caption, const char* name,
                                 const std::function<void()>& click);

struct CommandEntry {
    QString caption;
    const char* name;
    std::function<void()> click;
};
// Command buttons in a row after a stretch; the first is the default.
QHBoxLayout* CreateCommandRow(QWidget* parent, std::initializer_list<CommandEntry> buttons);

// The bottom row of a notice shown at start-up: the tick box "chkShow" that stops
// the notice, and "Command1", the default OK button that accepts the dialog.
struct NoticeChoiceRow {
    QHBoxLayout* layout;
    QCheckBox* choice;
    QPushButton* ok;
};
NoticeChoiceRow CreateNoticeChoiceRow(QDialog& dialog, const QString& choiceCaption);

// Places the window in the middle of its screen.
void CentreOnScreen(QWidget& window);

// The read-only text field of the output windows, in a fixed-pitch font.
QPlainTextEdit* CreateOutputField(QWidget* parent);
// Output text with its CR LF line ends as the field's line breaks.
QString OutputToField(const std::string& text);

// Replaces the clipboard's content with the text, byte for byte.
void CopyToClipboard(const std::string& text);

// Whether the font family is installed; a metric-compatible stand-in
// (Liberation) counts as the font it replaces. Looked up in the list of
// families: resolving a family through the font configuration loads font files.
bool FontFamilyInstalled(const QString& family);

// The window's picture onto the clipboard, then tells the user so.
void CopyDialogSnapshot(QWidget& window, Messenger& messages);

}  // namespace vornexa
