#include "ui/utilities/folder_chooser.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "ui/services/window_support.h"
#include "util/files.h"

namespace vornexa {
namespace {

constexpr int kListColumns = 36;
constexpr int kListRows = 14;
constexpr int kIndent = 2;
const QString kRoot = QStringLiteral("/");

QStringList MountedRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Single files mounted into a container are no drives.
        if (volume.isValid() && QFileInfo(root).isDir() && !roots.contains(root)) {
            roots.append(root);
        }
    }
    roots.removeAll(kRoot);
    roots.sort();
    roots.prepend(kRoot);
    return roots;
}

bool IsWithin(const QString& folder, const QString& root) {
    return folder == root || root == kRoot || folder.startsWith(root + QLatin1Char('/'));
}

}  // namespace

FolderChooser::FolderChooser(AppState& state, std::string& chosenPath, QWidget* parent)
    : QDialog(parent), state_(state), chosenPath_(chosenPath), openedOn_(chosenPath) {
    setObjectName(QStringLiteral("frmPath"));
    setWindowTitle(tr("Select Path"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateLists(), 1);
    auto* side = new QVBoxLayout;
    side->addWidget(CreateChoices());
    side->addStretch(1);
    side->addLayout(CreateButtons());
    layout->addLayout(side);
    Form_Load();
}

QWidget* FolderChooser::CreateLists() {
    auto* lists = new QWidget(this);
    auto* layout = new QVBoxLayout(lists);
    layout->setContentsMargins(0, 0, 0, 0);
    Drive1_ = new QComboBox(lists);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    Dir1_ = new QListWidget(lists);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    const QFontMetrics metrics = fontMetrics();
    Dir1_->setMinimumSize(metrics.averageCharWidth() * kListColumns,
                          metrics.lineSpacing() * kListRows);
    Dir1_->installEventFilter(this);
    layout->addWidget(Drive1_);
    layout->addWidget(Dir1_, 1);
    FillDrives();
    connect(Drive1_, &QComboBox::activated, this, &FolderChooser::Drive1_Change);
    connect(Dir1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { MoveTo(item->data(Qt::UserRole).toString()); });
    return lists;
}

QWidget* FolderChooser::CreateChoices() {
    auto* frame = new QGroupBox(tr("Set Path"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QVBoxLayout(frame);
    Option1_ = new QButtonGroup(frame);
    const QString captions[kChoiceCount] = {tr("User &home"), tr("&Application "), tr("C&urrent"),
                                            tr("User &temporary")};
    for (int i = 0; i < kChoiceCount; ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1_->addButton(option, i);
        layout->addWidget(option);
    }
    connect(Option1_, &QButtonGroup::idClicked, this, &FolderChooser::Option1_Click);
    return frame;
}

QLayout* FolderChooser::CreateButtons() {
    const CommandEntry buttons[] = {
        {tr("OK"), "Command2",
         [this] {
             ok_ = true;
             accept();
         }},
        {tr("Cancel"), "Command1", [this] { reject(); }},
        {tr("Help"), "Command3", [this] { ShowHelpHint(state_.messages); }},
    };
    auto* layout = new QVBoxLayout;
    for (const auto& b : buttons) {
        layout->addWidget(CreateCommandButton(this, b.caption, b.name, b.click));
    }
    findChild<QPushButton*>(QStringLiteral("Command2"))->setDefault(true);
    return layout;
}

void FolderChooser::FillDrives() {
    for (const QString& root : MountedRoots()) {
        Drive1_->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root);
    }
}

void FolderChooser::Form_Load() {
    // Where the lists stand when the current path cannot be shown.
    MoveTo(QDir::currentPath());
    Option1_->button(Current)->setChecked(true);
    Option1_Click(Current);
    CentreOnScreen(*this);
}

void FolderChooser::Option1_Click(int index) {
    const Folders& folders = state_.folders;
    const std::string* paths[kChoiceCount] = {&folders.data, &folders.program, &openedOn_,
                                              &folders.temp};
    if (index >= 0 && index < kChoiceCount) {
        MoveTo(Q(*paths[index]));
    }
}

void FolderChooser::Drive1_Change(int index) {
    if (MoveTo(Drive1_->itemText(index))) {
        return;
    }
    state_.messages.ShowMessage(
        "Windows is unable to read selected drive. Make sure the door is closed and the disk is "
        "formatted and free of errors",
        msg::kOkOnly, state_.messages.titles.error);
    SelectDriveOf(folder_);
}

bool FolderChooser::MoveTo(const QString& path) {
    const QDir dir(path);
    if (path.isEmpty() || !dir.exists() || !dir.isReadable()) {
        return false;
    }
    folder_ = QDir::cleanPath(dir.absolutePath());
    SelectDriveOf(folder_);
    FillFolders();
    return true;
}

void FolderChooser::SelectDriveOf(const QString& path) {
    int best = -1;
    for (int i = 0; i < Drive1_->count(); ++i) {
        const QString root = QDir::cleanPath(Drive1_->itemText(i));
        if (IsWithin(path, root) && (best < 0 || root.size() > Drive1_->itemText(best).size())) {
            best = i;
        }
    }
    if (best >= 0) {
        Drive1_->setCurrentIndex(best);
    }
}

// The folder's ancestors from the root down, then its sub-folders, one level deeper.
void FolderChooser::FillFolders() {
    Dir1_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    const auto add = [this, &depth](const QIcon& icon, const QString& name, const QString& path) {
        auto* item = new QListWidgetItem(icon, QString(depth * kIndent, QLatin1Char(' ')) + name);
        item->setData(Qt::UserRole, path);
        Dir1_->addItem(item);
    };
    add(open, kRoot, kRoot);
    QString path;
    for (const QString& part : folder_.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        ++depth;
        add(open, part, path);
    }
    const int current = Dir1_->count() - 1;
    ++depth;
    const QDir dir(folder_);
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        add(closed, name, dir.filePath(name));
    }
    Dir1_->setCurrentRow(current);
}

bool FolderChooser::eventFilter(QObject* watched, QEvent* event) {
    // Enter opens the folder under the cursor; it must not also press OK.
    if (watched == Dir1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && Dir1_->currentItem() != nullptr) {
            MoveTo(Dir1_->currentItem()->data(Qt::UserRole).toString());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FolderChooser::done(int result) {
    if (ok_ && !folder_.isEmpty()) {
        chosenPath_ = WithSeparator(folder_.toStdString());
    }
    QDialog::done(result);
}

}  // namespace vornexa
