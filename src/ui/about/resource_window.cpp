#include "ui/about/resource_window.h"

#include <QGridLayout>
#include <QPushButton>
#include <QUrl>

#include <cctype>
#include <exception>
#include <set>
#include <string>

#include "core/app_state.h"
#include "core/tables.h"
#include "ui/services/desktop_services.h"
#include "ui/services/window_support.h"
#include "util/files.h"

namespace vornexa {
namespace {

constexpr int kLeftColumnRows = 3;
constexpr int kButtonLines = 3;
constexpr int kButtonColumns = 30;

// The title with "&" before the first word initial not taken yet (else any such
// letter), so every button has its own Alt key.
std::string WithMnemonic(std::string_view title, std::set<char>& taken) {
    std::string caption;
    for (char c : title) {
        caption += c == '&' ? std::string("&&") : std::string(1, c);
    }
    auto free = [&](size_t i) {
        const auto c = static_cast<unsigned char>(caption[i]);
        return std::isalpha(c) != 0 && taken.count(static_cast<char>(std::tolower(c))) == 0;
    };
    size_t pick = std::string::npos;
    for (size_t i = 0; i < caption.size() && pick == std::string::npos; ++i) {
        if ((i == 0 || caption[i - 1] == ' ') && free(i)) {
            pick = i;
        }
    }
    for (size_t i = 0; i < caption.size() && pick == std::string::npos; ++i) {
        if (free(i)) {
            pick = i;
        }
    }
    if (pick != std::string::npos) {
        taken.insert(static_cast<char>(std::tolower(static_cast<unsigned char>(caption[pick]))));
        caption.insert(pick, 1, '&');
    }
    return caption;
}

}  // namespace

ResourceWindow::ResourceWindow(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("frmResource"));
    setWindowTitle(tr("Resource Files"));

    auto* layout = new QGridLayout(this);
    const QFontMetrics metrics = fontMetrics();
    for (int i = 0; i < static_cast<int>(kReferenceDocuments.size()); ++i) {
        auto* view = new QPushButton(tr("Resource %1").arg(i + 1), this);
        view->setObjectName(QStringLiteral("cmdView_%1").arg(i));
        view->setMinimumSize(metrics.averageCharWidth() * kButtonColumns,
                             metrics.lineSpacing() * kButtonLines);
        connect(view, &QPushButton::clicked, this, [this, i] { cmdView_Click(i); });
        layout->addWidget(view, i % kLeftColumnRows, i / kLeftColumnRows);
    }
    auto* exit = new QPushButton(tr("E&xit"), this);
    exit->setObjectName(QStringLiteral("Command1"));
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    layout->setRowStretch(kLeftColumnRows, 1);
    layout->addWidget(exit, kLeftColumnRows + 1, 1, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void ResourceWindow::Form_Load() {
    std::set<char> taken = {'x'};
    for (size_t i = 0; i < kReferenceDocuments.size(); ++i) {
        findChild<QPushButton*>(QStringLiteral("cmdView_%1").arg(i))
            ->setText(Q(WithMnemonic(kReferenceDocuments[i].title, taken)));
    }
    CentreOnScreen(*this);
}

void ResourceWindow::cmdView_Click(int index) {
    const std::string path = DocumentFolder(context_.state.folders.program) +
                             std::string(kReferenceDocuments[static_cast<size_t>(index)].fileName);
    if (!FileExists(path)) {
        context_.state.messages.ShowMessage("Resource file (" + path + ") not available");
        return;
    }
    bool opened = false;
    try {
        opened = context_.desktop.OpenUrl(QUrl::fromLocalFile(Q(path)));
    } catch (const std::exception&) {
        // A viewer service that fails by throwing has failed all the same.
    }
    if (!opened) {
        context_.state.messages.ShowMessage("Operation Failed");
    }
}

}  // namespace vornexa
