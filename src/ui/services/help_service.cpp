#include "ui/services/help_service.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QUrl>

#include <algorithm>

#include "core/app_state.h"
#include "core/help_book.h"
#include "ui/services/desktop_services.h"
#include "ui/about/help_window.h"
#include "util/app_error.h"
#include "util/files.h"

namespace vornexa {
namespace {

constexpr std::string_view kPdfHelpFileName = "VORN.pdf";
constexpr std::string_view kHelpFolder = "help/";

bool IsF1(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

// A window with an F1 command of its own (the main window's Help Contents).
bool HasF1Command(const QWidget* window) {
    const QList<QAction*> actions = window->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [](const QAction* action) {
        return action->isEnabled() && action->shortcut() == QKeySequence(Qt::Key_F1);
    });
}

}  // namespace

HelpService::HelpService(AppState& state, DesktopService& desktop)
    : state_(state), desktop_(desktop) {}

HelpService::~HelpService() {
    if (app_ != nullptr) {
        app_->removeEventFilter(this);
    }
}

HelpWindow* HelpService::Window() {
    if (window_ != nullptr) {
        return window_.get();
    }
    const std::string folder = DocumentFolder(state_.folders.program) + std::string(kHelpFolder);
    HelpBook book;
    try {
        book = LoadHelpBook(folder);
    } catch (const AppError&) {
        state_.messages.ShowMessage("Help file (" + std::string(kHelpFolder) +
                                    std::string(kHelpContentsFile) + ") not available");
        return nullptr;
    }
    for (const std::string& problem : book.problems) {
        state_.messages.LogMessage("Help: " + problem);
    }
    window_ = std::make_unique<HelpWindow>(std::move(book), QString::fromStdString(folder));
    QObject::connect(window_.get(), &HelpWindow::externalLink, window_.get(),
                     [this](const QUrl& url) {
                         if (!desktop_.OpenUrl(url)) {
                             state_.messages.ShowMessage("Operation Failed");
                         }
                     });
    return window_.get();
}

void HelpService::ShowContents() {
    if (HelpWindow* help = Window()) {
        help->ShowContents();
    }
}

void HelpService::ShowIndex() {
    if (HelpWindow* help = Window()) {
        help->ShowIndex();
    }
}

void HelpService::ShowForWidget(QWidget* widget) {
    HelpWindow* help = Window();
    if (help == nullptr) {
        return;
    }
    for (QWidget* w = widget; w != nullptr && w != help; w = w->parentWidget()) {
        if (help->book().FindWindow(w->objectName().toStdString()) != nullptr) {
            help->ShowForWindow(w->objectName());
            return;
        }
    }
    help->ShowForWindow(QString());
}

void HelpService::OpenPdfHelp() {
    const std::string path = DocumentFolder(state_.folders.program) + std::string(kPdfHelpFileName);
    if (!FileExists(path)) {
        state_.messages.ShowMessage("Help file (" + std::string(kPdfHelpFileName) +
                                    ") not available");
        return;
    }
    if (!desktop_.OpenUrl(QUrl::fromLocalFile(QString::fromStdString(path)))) {
        state_.messages.ShowMessage("Operation Failed");
    }
}

void HelpService::CloseHelp() {
    window_.reset();
}

void HelpService::InstallF1(QApplication& app) {
    app_ = &app;
    app.installEventFilter(this);
}

// F1 wins over the shortcuts of widgets: the key must reach the help of the
// focused window, unless that window has made F1 a command of its own.
bool HelpService::eventFilter(QObject* watched, QEvent* event) {
    if (!IsF1(event) || static_cast<const QKeyEvent*>(event)->isAutoRepeat()) {
        return QObject::eventFilter(watched, event);
    }
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    if (target != nullptr && HasF1Command(target->window())) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    ShowForWidget(target);
    return true;
}

}  // namespace vornexa
