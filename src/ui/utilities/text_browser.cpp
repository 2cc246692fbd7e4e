#include "ui/utilities/text_browser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "core/app_state.h"
#include "ui/services/desktop_services.h"
#include "ui/services/window_support.h"
#include "util/app_error.h"
#include "util/encoding.h"
#include "util/files.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDesignPointSize = 10;

// Enter in a list acts on its current item instead of pressing the OK button.
class EnterKeyFilter : public QObject {
  public:
    EnterKeyFilter(QListWidget& list, std::function<void(QListWidgetItem*)> action)
        : QObject(&list), list_(list), action_(std::move(action)) {
        list.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) {
            return false;
        }
        if (QListWidgetItem* item = list_.currentItem()) {
            action_(item);
        }
        return true;
    }

  private:
    QListWidget& list_;
    std::function<void(QListWidgetItem*)> action_;
};

// The list's name filters for a pattern as a Windows user types it: several
// patterns separated by ";", "*.*" for every file. Empty when it is rejected.
QStringList NameFilters(const QString& pattern) {
    if (pattern.contains(QLatin1Char('/'))) {
        return {};
    }
    QStringList filters;
    for (const QString& part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty()) {
            filters.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
    }
    return filters;
}

// Throws the error the listing of the folder meets, so it goes through the
// shared error handling before anything in the window changes.
void CheckFolder(const QString& path) {
    std::error_code ec;
    std::filesystem::directory_iterator listing(QFile::encodeName(path).toStdString(), ec);
    if (!ec) {
        return;
    }
    if (ec.value() == ENOENT || ec.value() == ENOTDIR) {
        throw AppError(err::kPathNotFound, ErrorDescription(err::kPathNotFound));
    }
    throw FileError(ec.value(), FileOp::Read);
}

// Metric-compatible stand-ins (Liberation) count as the font itself.
bool FontInstalled(const QString& family) {
    if (family.trimmed().isEmpty()) {
        return false;
    }
    if (QFontDatabase::hasFamily(family)) {
        return true;
    }
    const char* aliased[] = {"Arial", "Courier New", "Times New Roman"};
    const bool isAliased = std::any_of(std::begin(aliased), std::end(aliased), [&](const char* n) {
        return family.compare(QLatin1String(n), Qt::CaseInsensitive) == 0;
    });
    return isAliased && QFontInfo(QFont(family)).family().startsWith(QLatin1String("Liberation"));
}

QLabel* BuddyLabel(const QString& caption, const char* name, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TextBrowser::TextBrowser(UiContext& context, DesktopService& desktop, TextBrowserMemory& memory,
                         QWidget* parent)
    : QDialog(parent),
      context_(context),
      state_(context.state),
      desktop_(desktop),
      memory_(memory) {
    setObjectName(QStringLiteral("frmTextBrow"));
    setWindowTitle(tr("View Source Files"));
    setSizeGripEnabled(true);

    auto* columns = new QHBoxLayout;
    columns->addLayout(CreateSelector(), 1);
    columns->addLayout(CreateViewer(), 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(CreateButtons());

    Form_Load();
}

QLayout* TextBrowser::CreateSelector() {
    Drive1_ = new QComboBox(this);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    Dir1_ = new QListWidget(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    File1_ = new QListWidget(this);
    File1_->setObjectName(QStringLiteral("File1"));
    Text2_ = new QLineEdit(this);
    Text2_->setObjectName(QStringLiteral("Text2"));
    SelectAllOnFocus(*Text2_);

    auto* pattern = new QHBoxLayout;
    pattern->addWidget(BuddyLabel(tr("&Pattern:"), "Label3", Text2_, this));
    pattern->addWidget(Text2_, 1);

    auto* layout = new QVBoxLayout;
    layout->addWidget(BuddyLabel(tr("Select &Drive:"), "Label4", Drive1_, this));
    layout->addWidget(Drive1_);
    layout->addWidget(BuddyLabel(tr("Select F&older:"), "Label5", Dir1_, this));
    layout->addWidget(Dir1_, 1);
    layout->addWidget(BuddyLabel(tr("Select F&ile:"), "Label6", File1_, this));
    layout->addWidget(File1_, 1);
    layout->addLayout(pattern);

    connect(Drive1_, &QComboBox::activated, this, &TextBrowser::Drive1_Change);
    connect(Dir1_, &QListWidget::itemDoubleClicked, this, &TextBrowser::Dir1_Change);
    new EnterKeyFilter(*Dir1_, [this](QListWidgetItem* item) { Dir1_Change(item); });
    connect(File1_, &QListWidget::itemClicked, this, &TextBrowser::File1_Click);
    new EnterKeyFilter(*File1_, [this](QListWidgetItem* item) { File1_Click(item); });
    connect(Text2_, &QLineEdit::textChanged, this, &TextBrowser::Text2_Change);
    return layout;
}

QLayout* TextBrowser::CreateViewer() {
    RichTextBox1_ = new QPlainTextEdit(this);
    RichTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1_->setReadOnly(true);
    RichTextBox1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichTextBox1_->setFont(QFont(QStringLiteral("Courier New"), kDesignPointSize));
    Label1_ = new QLabel(this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1_->setWordWrap(true);

    auto* current = new QHBoxLayout;
    auto* label2 = new QLabel(tr("Current file:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    current->addWidget(label2, 0, Qt::AlignTop);
    current->addWidget(Label1_, 1);

    auto* layout = new QVBoxLayout;
    layout->addLayout(current);
    layout->addWidget(BuddyLabel(tr("&View of Selected File"), "Label7", RichTextBox1_, this));
    layout->addWidget(RichTextBox1_, 1);
    return layout;
}

QLayout* TextBrowser::CreateButtons() {
    Check1_ = new QCheckBox(tr("Use e&xternal viewer"), this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    cmdSetFont_ = new QPushButton(tr("Set &Font"), this);
    cmdSetFont_->setObjectName(QStringLiteral("cmdSetFont"));
    cmdSetFont_->setAutoDefault(false);
    Command1_ = new QPushButton(tr("OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setDefault(true);

    auto* layout = new QHBoxLayout;
    layout->addWidget(Check1_);
    layout->addStretch(1);
    layout->addWidget(cmdSetFont_);
    layout->addWidget(Command1_);
    connect(Check1_, &QCheckBox::toggled, this, &TextBrowser::Check1_Click);
    connect(cmdSetFont_, &QPushButton::clicked, this, &TextBrowser::cmdSetFont_Click);
    connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
    return layout;
}

void TextBrowser::Form_Load() {
    SettingsRecord& s = state_.settings;
    if (TrimBlanks(s.BrowseDefaultFilter).empty()) {
        s.BrowseDefaultFilter = "*." + s.FileExtension;
    }
    FillDrives();
    Text2_->setText(Q(s.BrowseDefaultFilter));
    ChangeFolder(Q(memory_.lastFolder.empty() ? s.DataPath : memory_.lastFolder));
    // The failure has been shown; the list still has to show some folder.
    for (const QString& fallback : {Q(state_.folders.data), QDir::rootPath()}) {
        if (folder_.isEmpty() && !fallback.isEmpty()) {
            ChangeFolder(fallback);
        }
    }
    ApplyViewerFont();
    Check1_->setChecked(s.BrowseUseNotepad == 1);
    Check1_Click();
    FitOnScreen();
    Command1_->setFocus();
}

void TextBrowser::FitOnScreen() {
    const QWidget* anchor = parentWidget() != nullptr ? parentWidget() : this;
    const QRect area = anchor->screen()->availableGeometry();
    const QFontMetrics metrics(font());
    const QSize wanted(metrics.averageCharWidth() * 130, metrics.lineSpacing() * 36);
    const QSize fitting = wanted.expandedTo(minimumSizeHint()).boundedTo(area.size() * 9 / 10);
    resize(fitting);
    const WindowPosition pos = CentreWindow(area.width(), area.height(), frameGeometry().width(),
                                            frameGeometry().height());
    move(area.left() + pos.left, area.top() + pos.top);
}

void TextBrowser::FillDrives() {
    QStringList roots{QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) {
            roots.append(volume.rootPath());
        }
    }
    std::sort(roots.begin() + 1, roots.end());
    for (const QString& root : roots) {
        Drive1_->addItem(QDir::toNativeSeparators(root), root);
    }
}

void TextBrowser::SelectDriveOf(const QString& path) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < Drive1_->count(); ++i) {
        const QString root = Drive1_->itemData(i).toString();
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        if ((path == root || path.startsWith(prefix)) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    Drive1_->setCurrentIndex(best);
}

void TextBrowser::Step(const std::function<void()>& step) {
    cancelled_ = false;
    RunStep(state_.messages, cancelled_, step);
}

void TextBrowser::ChangeFolder(const QString& path) {
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    Step([&] {
        BusyCursor busy;
        CheckFolder(clean);
        FillFolders(clean);
        folder_ = clean;
        FillFiles();
    });
    SelectDriveOf(folder_);
}

void TextBrowser::FillFolders(const QString& path) {
    Dir1_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [this](const QIcon& icon, const QString& name, const QString& full, int depth) {
        auto* item = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + name, Dir1_);
        item->setData(kPathRole, full);
    };
    QString ancestor = QDir::rootPath();
    add(open, QDir::toNativeSeparators(ancestor), ancestor, 0);
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        ancestor = QDir::cleanPath(ancestor + QLatin1Char('/') + part);
        add(open, part, ancestor, Dir1_->count());
    }
    Dir1_->setCurrentRow(Dir1_->count() - 1);
    const int depth = Dir1_->count();
    const QDir dir(path);
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        add(closed, name, dir.filePath(name), depth);
    }
}

void TextBrowser::FillFiles() {
    if (folder_.isEmpty()) {
        return;
    }
    CheckFolder(folder_);
    QStringList filters = NameFilters(pattern_);
    if (filters.isEmpty()) {
        filters = NameFilters(QStringLiteral("*.*"));
    }
    File1_->clear();
    File1_->addItems(QDir(folder_).entryList(filters, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void TextBrowser::Drive1_Change(int index) {
    const QString root = Drive1_->itemData(index).toString();
    ChangeFolder(root);
}

void TextBrowser::Dir1_Change(QListWidgetItem* item) {
    const QString path = item->data(kPathRole).toString();
    if (path != folder_) {
        ChangeFolder(path);
    }
}

void TextBrowser::Text2_Change() {
    pattern_ = Text2_->text();
    Step([this] { FillFiles(); });
}

void TextBrowser::File1_Click(QListWidgetItem* item) {
    const QString separator = folder_.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    const QString path = folder_ + separator + item->text();
    Label1_->setText(QDir::toNativeSeparators(path));
    if (Check1_->isChecked()) {
        ViewWithExternalViewer(state_, desktop_, path.toStdString());
        return;
    }
    // An old file's text under the new name would pass for the new file's.
    RichTextBox1_->clear();
    Step([&] {
        BusyCursor busy;
        const std::string bytes = ReadFileBytes(QFile::encodeName(path).toStdString());
        RichTextBox1_->setPlainText(OutputToField(DecodeFileText(bytes)));
    });
}

void TextBrowser::Check1_Click() {
    cmdSetFont_->setEnabled(!Check1_->isChecked());
}

void TextBrowser::cmdSetFont_Click() {
    SettingsRecord& s = state_.settings;
    const FontChoice preset{s.BrowseFontName, s.BrowseFontSize, s.BrowseFontBold != 0,
                            s.BrowseFontItalic != 0};
    const FontChoice chosen = context_.dialogs.ChooseFont(this, preset);
    s.BrowseFontName = chosen.name;
    s.BrowseFontSize = chosen.size;
    s.BrowseFontBold = chosen.bold ? -1 : 0;
    s.BrowseFontItalic = chosen.italic ? -1 : 0;
    ApplyViewerFont();
}

void TextBrowser::ApplyViewerFont() {
    const SettingsRecord& s = state_.settings;
    const QString family = Q(s.BrowseFontName);
    if (!FontInstalled(family) || s.BrowseFontSize <= 0) {
        state_.messages.ShowMessage("Invalid font selection", msg::kOkOnly,
                                    state_.messages.titles.error);
        return;
    }
    QFont font(family);
    font.setPointSizeF(s.BrowseFontSize);
    font.setBold(s.BrowseFontBold != 0);
    font.setItalic(s.BrowseFontItalic != 0);
    RichTextBox1_->setFont(font);
}

void TextBrowser::done(int result) {
    SettingsRecord& s = state_.settings;
    s.BrowseDefaultFilter = Text2_->text().toStdString();
    if (!folder_.isEmpty()) {
        memory_.lastFolder = folder_.toStdString();
    }
    s.BrowseUseNotepad = Check1_->isChecked() ? 1 : 0;
    SaveDefaultSettings(state_, 4);
    QDialog::done(result);
}

}  // namespace vornexa
