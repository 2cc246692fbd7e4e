#include "ui/services/qt_services.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>

#include <filesystem>

#include "ui/utilities/folder_chooser.h"

namespace vornexa {
namespace {

QMessageBox::StandardButtons Buttons(int style) {
    switch (style & 7) {
        case 1:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case 2:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case msg::kYesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case msg::kYesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case msg::kRetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case msg::kCritical:
            return QMessageBox::Critical;
        case msg::kQuestion:
            return QMessageBox::Question;
        case msg::kExclamation:
            return QMessageBox::Warning;
        case msg::kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int Answer(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Cancel:
            return msg::kCancel;
        case QMessageBox::Abort:
            return 3;
        case QMessageBox::Retry:
            return msg::kRetry;
        case QMessageBox::Ignore:
            return 5;
        case QMessageBox::Yes:
            return msg::kYes;
        case QMessageBox::No:
            return msg::kNo;
        default:
            return msg::kOk;
    }
}

// Folders to walk through and the files that can be run; the dialog's own filter
// cannot ask for executable files without hiding every readable one.
class ProgramFilter : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr) {
            return true;
        }
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }
};

}  // namespace

int QtMessagePresenter::Show(const std::string& text, int style, const std::string& title) {
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    QString body = QString::fromStdString(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(IconOf(style), QString::fromStdString(title), body, Buttons(style), parent);
    const QList<QAbstractButton*> buttons = box.buttons();
    if ((style & msg::kDefaultButton2) != 0 && buttons.size() > 1) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons[1]));
    }
    box.exec();
    return Answer(box.standardButton(box.clickedButton()));
}

QString ProjectFileFilter(const FileDialogRequest& request) {
    const QString ext = QString::fromStdString(request.extension);
    return QStringLiteral("All Files (*.*)") + QStringLiteral(";;") +
           QString::fromStdString(request.exeName) +
           QStringLiteral(" Files (*.%1 *.%2)").arg(ext.toUpper(), ext.toLower());
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    if (extension.empty() || std::filesystem::path(path).has_extension()) {
        return path;
    }
    return path + "." + extension;
}

std::optional<std::string> QtDialogService::ChooseFile(QWidget* parent,
                                                       const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    const bool open = request.mode == FileDialogRequest::Mode::Open;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = ProjectFileFilter(request).split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.last());
    dialog.setDefaultSuffix(QString::fromStdString(request.extension));
    dialog.setDirectory(QString::fromStdString(request.startFolder));
    if (!request.presetName.empty()) {
        dialog.selectFile(QString::fromStdString(request.presetName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return WithDefaultExtension(dialog.selectedFiles().first().toStdString(), request.extension);
}

bool QtDialogService::ChoosePrinter(QWidget* parent, QPrinter& printer, bool setupOnly) {
    return printer_.ChoosePrinter(parent, printer, setupOnly);
}

std::optional<std::string> QtDialogService::ChooseProgram(QWidget* parent) {
    QFileDialog dialog(parent, QObject::tr("Select External Editor"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
#ifdef _WIN32
    const QStringList filters = {QStringLiteral("All Files (*.*)"),
                                 QStringLiteral("Editor Programs (*.EXE)")};
#else
    // Programs carry no extension here; the executable bit makes them.
    const QStringList filters = {QStringLiteral("All Files (*)")};
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new ProgramFilter(&dialog));
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
#endif
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.last());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

FontChoice QtDialogService::ChooseFont(QWidget* parent, const FontChoice& preset) {
    QFont font(QString::fromStdString(preset.name));
    font.setPointSizeF(preset.size);
    font.setBold(preset.bold);
    font.setItalic(preset.italic);
    // The dialog lists installed faces only: a name drawn by a stand-in ("Arial" by
    // Liberation Sans) is preset as that face, and kept when the face is kept.
    const QString face = QFontInfo(font).family();
    font.setFamily(face);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (!ok) {
        return preset;
    }
    const std::string name = chosen.family() == face ? preset.name : chosen.family().toStdString();
    return {name, static_cast<float>(chosen.pointSizeF()), chosen.bold(), chosen.italic()};
}

bool QtDialogService::ChooseFolder(QWidget* parent, AppState& state, std::string& chosenPath) {
    FolderChooser chooser(state, chosenPath, parent);
    return chooser.exec() == QDialog::Accepted;
}

}  // namespace vornexa
