#include "ui/utilities/settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "core/app_state.h"
#include "core/options.h"
#include "core/tables.h"
#include "ui/services/window_support.h"
#include "util/command_line.h"
#include "util/files.h"
#include "util/numbers.h"
#include "util/settings.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kMessageSlot = 10;
constexpr int kSettingsSection = 2;
constexpr int kMinHistorySize = 4096;
constexpr int kMaxHistorySize = 16384;
constexpr int kExtensionLength = 3;
constexpr int kPathColumns = 40;

std::string Trimmed(const QLineEdit& box) {
    return std::string(TrimBlanks(box.text().toStdString()));
}

int16_t Flag(bool on) {
    return on ? int16_t{-1} : int16_t{0};
}

QLineEdit* CreateField(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    SelectAllOnFocus(*box);
    return box;
}

QLabel* BuddyLabel(const char* name, const QString& caption, QLineEdit* buddy) {
    auto* label = new QLabel(caption, buddy->parentWidget());
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

// Typing stops at the length limit; a longer extension from the file is shown whole.
class ExtensionValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return input.size() <= kExtensionLength ? Acceptable : Invalid;
    }
};

// The keys of the check boxes, in the order of SettingsDialog's boxes.
constexpr std::array<int16_t SettingsRecord::*, 9> kBoxKeys = {
    &SettingsRecord::DisplayHistoryWin, &SettingsRecord::KeepFileNames,
    &SettingsRecord::ShortRecentFiles,  &SettingsRecord::ShowDisclaim,
    &SettingsRecord::MaxMainMenu,       &SettingsRecord::EnableMainMenuToolbar,
    &SettingsRecord::LoadLastInputFile, &SettingsRecord::RemindAnnualUpdates,
    &SettingsRecord::CopyExampleFiles};

bool IsExtensionCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

// Start-up shows it with this dialog's title too: it is the same message.
void CheckHistoryFont(AppState& state) {
    const std::string& name = state.settings.DisplayFontName;
    if (!FontFamilyInstalled(Q(name))) {
        state.messages.ShowMessage("Invalid font selection:" + name, msg::kOkOnly,
                                   std::string(DialogLabel(kMessageSlot)) + "Error");
    }
}

SettingsDialog::SettingsDialog(UiContext& context, std::function<void()> applyHistoryFont,
                               std::function<void()> applyDisplaySettings, QWidget* parent)
    : QDialog(parent),
      context_(context),
      state_(context.state),
      applyHistoryFont_(std::move(applyHistoryFont)),
      applyDisplaySettings_(std::move(applyDisplaySettings)) {
    setObjectName(QStringLiteral("frmSet"));
    setWindowTitle(tr("Settings"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateUnitsFrame());
    layout->addWidget(CreateDataFrame());
    layout->addWidget(CreateViewerFrame());
    layout->addWidget(CreateMiscFrame());
    layout->addLayout(CreateButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

QGroupBox* SettingsDialog::CreateUnitsFrame() {
    auto* frame = new QGroupBox(tr("Default units"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QHBoxLayout(frame);
    optUnits_ = new QButtonGroup(frame);
    for (int i = 0; i < static_cast<int>(kUnitSystemNames.size()); ++i) {
        auto* option = new QRadioButton(frame);
        option->setObjectName(QStringLiteral("optUnits_%1").arg(i));
        optUnits_->addButton(option, i);
        layout->addWidget(option);
    }
    layout->addStretch(1);
    return frame;
}

QGroupBox* SettingsDialog::CreateDataFrame() {
    auto* frame = new QGroupBox(tr("Data file options"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(frame);
    Text2_ = CreateField("Text2", frame);
    Text2_->setMinimumWidth(fontMetrics().averageCharWidth() * kPathColumns);
    grid->addWidget(BuddyLabel("Label2", tr("&Path:"), Text2_), 0, 0);
    grid->addWidget(Text2_, 0, 1, 1, 2);
    grid->addWidget(CreateCommandButton(frame, tr("Set / &Change Path"), "cmdSetPath",
                                        [this] { cmdSetPath_Click(); }),
                    0, 3);
    Text1_ = CreateField("Text1", frame);
    Text1_->setValidator(new ExtensionValidator(Text1_));
    Text1_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 12);
    grid->addWidget(BuddyLabel("Label1", tr("Default e&xtension for data files:"), Text1_), 1, 0, 1,
                    2);
    grid->addWidget(Text1_, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    connect(Text1_, &QLineEdit::textChanged, this, &SettingsDialog::Text1_Change);
    return frame;
}

QGroupBox* SettingsDialog::CreateViewerFrame() {
    auto* frame = new QGroupBox(tr("External text (ASCII) viewer"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* layout = new QHBoxLayout(frame);
    Text4_ = CreateField("Text4", frame);
    layout->addWidget(BuddyLabel("Label5", tr("&Viewer spec:"), Text4_));
    layout->addWidget(Text4_, 1);
    layout->addWidget(
        CreateCommandButton(frame, tr("&Select"), "cmdSelect", [this] { cmdSelect_Click(); }));
    layout->addWidget(CreateCommandButton(frame, tr("Set &Default"), "cmdSetDefault",
                                          [this] { Text4_->setText(Q(kDefaultExternalEditor)); }));
    return frame;
}

QCheckBox* SettingsDialog::CreateBox(Box box, const char* name, const QString& caption,
                                     QGroupBox* frame) {
    auto* check = new QCheckBox(caption, frame);
    check->setObjectName(QString::fromLatin1(name));
    box_[box] = check;
    return check;
}

QGroupBox* SettingsDialog::CreateMiscFrame() {
    auto* frame = new QGroupBox(tr("Miscellaneous options"), this);
    frame->setObjectName(QStringLiteral("Frame4"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(
        CreateBox(DispHist, "chkDispHist", tr("Display command history &window"), frame), 0, 0, 1,
        3);
    Text3_ = new QLineEdit(frame);
    Text3_->setObjectName(QStringLiteral("Text3"));
    Text3_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    MakeNumericField(*Text3_);
    grid->addWidget(BuddyLabel("Label3", tr("Si&ze of command history window (chars)"), Text3_), 1,
                    0);
    grid->addWidget(Text3_, 1, 1);
    Command5_ =
        CreateCommandButton(frame, tr("&History Font"), "Command5", [this] { Command5_Click(); });
    grid->addWidget(Command5_, 1, 2);
    const struct {
        Box box;
        const char* name;
        QString caption;
    } boxes[] = {
        {KeepRecentFL, "chkKeepRecentFL", tr("&Keep recent filelist")},
        {ShortNames, "chkShortNames", tr("Short &names in  file list")},
        {ShowDiscl, "chkShowDiscl", tr("Show disc&laimer at start-up")},
        {MaxMenu, "chkMaxMenu", tr("&Maximize main menu at start-up")},
        {EnableTB, "chkEnableTB", tr("Enable &toolbar")},
        {LoadLastInputFile, "chkLoadLastInputFile", tr("Load last &input file")},
        {Update, "chkUpdate", tr("&Reminder of annual updates")},
        {CopyExamples, "chkCopyExamples", tr("Copy &example files")},
    };
    int row = 2;
    int column = 0;
    for (const auto& b : boxes) {
        grid->addWidget(CreateBox(b.box, b.name, b.caption, frame), row, column, 1,
                        column == 0 ? 1 : 2);
        column = column == 0 ? 1 : 0;
        row += column == 0 ? 1 : 0;
    }
    connect(box_[DispHist], &QCheckBox::toggled, this, &SettingsDialog::chkDispHist_Click);
    connect(box_[KeepRecentFL], &QCheckBox::toggled, this, &SettingsDialog::chkKeepRecentFL_Click);
    connect(box_[ShortNames], &QCheckBox::toggled, this, &SettingsDialog::chkShortNames_Click);
    connect(box_[CopyExamples], &QCheckBox::toggled, this, &SettingsDialog::chkCopyExamples_Click);
    return frame;
}

QLayout* SettingsDialog::CreateButtons() {
    return CreateCommandRow(this,
                            {{tr("OK"), "cmdOK", [this] { cmdOK_Click(); }},
                             {tr("Cancel"), "cmdCancel", [this] { reject(); }},
                             {tr("Help"), "cmdHelp", [this] { ShowHelpHint(state_.messages); }}});
}

void SettingsDialog::Form_Load() {
    static_assert(kBoxKeys.size() == kBoxCount);
    state_.messages.SetMessageTitles(kMessageSlot);
    state_.messages.LogMessage("Editing Settings");
    for (int i = 0; i < static_cast<int>(kUnitSystemNames.size()); ++i) {
        optUnits_->button(i)->setText(Q(kUnitSystemNames[static_cast<size_t>(i)]));
    }
    Loading_ = true;
    Modified_ = false;
    const SettingsRecord& s = state_.settings;
    OptionGroup units{0, std::vector<bool>(kUnitSystemNames.size(), false)};
    SelectOption(state_.messages, units, s.DefaultUnits);
    for (int i = 0; i < static_cast<int>(units.members.size()); ++i) {
        optUnits_->button(i)->setChecked(units.members[static_cast<size_t>(i)]);
    }
    box_[DispHist]->setChecked(s.DisplayHistoryWin == 1);
    chkDispHist_Click();
    Text3_->setText(QString::number(s.MaxDisplaySize));
    for (int b = KeepRecentFL; b < kBoxCount; ++b) {
        box_[b]->setChecked(s.*kBoxKeys[static_cast<size_t>(b)] == 1);
    }
    chkKeepRecentFL_Click();
    Text2_->setText(Q(s.DataPath));
    Text1_->setText(Q(s.FileExtension));
    Text4_->setText(Q(s.ExternalEditor));
    Loading_ = false;
    CentreOnScreen(*this);
}

void SettingsDialog::chkDispHist_Click() {
    const bool on = box_[DispHist]->isChecked();
    Text3_->setEnabled(on);
    Command5_->setEnabled(on);
}

void SettingsDialog::chkKeepRecentFL_Click() {
    box_[ShortNames]->setEnabled(box_[KeepRecentFL]->isChecked());
}

void SettingsDialog::chkShortNames_Click() {
    if (!Loading_) {
        state_.messages.ShowMessage("Option will take effect upon restarting this program",
                                    msg::kOkOnly, "Message");
    }
}

void SettingsDialog::chkCopyExamples_Click() {
    if (Loading_ || !box_[CopyExamples]->isChecked()) {
        return;
    }
    state_.messages.ShowMessage(
        "When this option is enabled, every time the program runs, it will try to copy the "
        "example files from the install directory to the " +
            state_.folders.data +
            " directory. The modified files will not be overridden, but missing files will be "
            "replaced. ",
        msg::kOkOnly);
}

void SettingsDialog::Text1_Change() {
    const QString upper = Text1_->text().toUpper();
    if (upper != Text1_->text()) {
        const int cursor = Text1_->cursorPosition();
        Text1_->setText(upper);
        Text1_->setCursorPosition(cursor);
    }
}

void SettingsDialog::cmdSetPath_Click() {
    std::string chosenPath = Text2_->text().toStdString();
    if (context_.dialogs.ChooseFolder(this, state_, chosenPath)) {
        Text2_->setText(Q(chosenPath));
    }
}

void SettingsDialog::cmdSelect_Click() {
    if (const std::optional<std::string> program = context_.dialogs.ChooseProgram(this)) {
        // The viewer entry is a command line: a blank in the path must not split it.
        Text4_->setText(Q(QuoteCommandWord(*program)));
    }
}

void SettingsDialog::Command5_Click() {
    SettingsRecord& s = state_.settings;
    const FontChoice preset{s.DisplayFontName, s.DisplayFontSize, s.DisplayFontBold != 0,
                            s.DisplayFontItalic != 0};
    const FontChoice chosen = context_.dialogs.ChooseFont(this, preset);
    s.DisplayFontName = chosen.name;
    s.DisplayFontSize = chosen.size;
    s.DisplayFontBold = Flag(chosen.bold);
    s.DisplayFontItalic = Flag(chosen.italic);
    CheckHistoryFont(state_);
    if (applyHistoryFont_) {
        applyHistoryFont_();
    }
}

void SettingsDialog::cmdOK_Click() {
    if (ValidateFields()) {
        Modified_ = true;
        accept();
    }
}

bool SettingsDialog::ValidateFields() {
    const std::string path = Trimmed(*Text2_);
    // An empty field must not silently become the root folder.
    if (!path.empty()) {
        Text2_->setText(Q(WithSeparator(path)));
    }
    if (path.empty() || !ValidPath(state_.messages, Text2_->text().toStdString(), true)) {
        state_.messages.ShowMessage("Invalid Path for Data Files", msg::kCritical,
                                    state_.messages.titles.error);
        Text2_->setFocus();
        return false;
    }
    if (!CheckRange(state_.messages, Text3_->text().toStdString(), kMinHistorySize, kMaxHistorySize,
                    "Size of Command History Window")) {
        return false;
    }
    return ValidateExtension();
}

bool SettingsDialog::ValidateExtension() {
    // Stored trimmed: a blank in the extension would break every file filter.
    const std::string extension = Trimmed(*Text1_);
    Text1_->setText(Q(extension));
    for (const char c : extension) {
        if (!IsExtensionCharacter(c)) {
            state_.messages.ShowMessage("Invalid character in file extension", msg::kCritical,
                                        state_.messages.titles.invalidCharacter);
            Text1_->setFocus();
            return false;
        }
    }
    return true;
}

void SettingsDialog::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

void SettingsDialog::CopyToSettings() {
    SettingsRecord& s = state_.settings;
    s.DefaultUnits = static_cast<int16_t>(std::max(optUnits_->checkedId(), 0));
    for (int b = 0; b < kBoxCount; ++b) {
        s.*kBoxKeys[static_cast<size_t>(b)] = box_[b]->isChecked() ? 1 : 0;
    }
    const double size = RoundHalfEven(LeadingNumber(Trimmed(*Text3_)));
    s.MaxDisplaySize = static_cast<int16_t>(size);
    s.DataPath = Text2_->text().toStdString();
    s.FileExtension = Text1_->text().toStdString();
    s.ExternalEditor = Text4_->text().toStdString();
}

void SettingsDialog::Form_Unload() {
    if (!Modified_) {
        state_.messages.LogMessage("Settings Not Modified");
        return;
    }
    CopyToSettings();
    const SettingsRecord& s = state_.settings;
    state_.messages.log.enabled = s.DisplayHistoryWin == 1;
    state_.messages.log.maxSize = static_cast<size_t>(s.MaxDisplaySize);
    if (applyDisplaySettings_) {
        applyDisplaySettings_();
    }
    state_.messages.LogMessage("Settings Modified");
    // The settings hold for this run either way; the user must know they are not kept.
    if (!SaveDefaultSettings(state_, kSettingsSection)) {
        state_.messages.ShowMessage("The settings could not be saved to file: " + state_.iniPath,
                                    msg::kExclamation, state_.messages.titles.error);
    }
}

}  // namespace vornexa
