#include "ui/about/help_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "ui/services/window_support.h"

namespace vornexa {
namespace {

constexpr int kContentsTab = 0;
constexpr int kIndexTab = 1;
constexpr int kTargetRole = Qt::UserRole;

bool IsLocal(const QUrl& url) {
    return url.isRelative() || url.isLocalFile();
}

}  // namespace

HelpWindow::HelpWindow(HelpBook book, QString helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), book_(std::move(book)), folder_(std::move(helpFolder)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Vornexa Help"));
    // Help left open must not keep the program running after the main window closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabHelp"));
    tabs_->addTab(CreateContentsTab(), tr("&Contents"));
    tabs_->addTab(CreateIndexTab(), tr("I&ndex"));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtHelpPage"));
    browser_->setOpenLinks(false);
    browser_->setSearchPaths({folder_});
    // Formulas and report excerpts wrap in a narrow window instead of scrolling sideways.
    browser_->document()->setDefaultStyleSheet(QStringLiteral("pre { white-space: pre-wrap; }"));
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::OpenUrl);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkContents);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("splitHelp"));
    splitter_->addWidget(tabs_);
    splitter_->addWidget(browser_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(CreateButtons());
    layout->addWidget(splitter_, 1);
    FitScreen();
}

QWidget* HelpWindow::CreateContentsTab() {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("treeContents"));
    tree_->setHeaderHidden(true);
    std::vector<QTreeWidgetItem*> parents;
    for (const HelpContentsEntry& entry : book_.contents) {
        const auto depth = static_cast<size_t>(entry.depth);
        parents.resize(std::min(parents.size(), depth));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parents.back());
        item->setText(0, Q(entry.title));
        item->setData(0, kTargetRole, Q(entry.target));
        parents.push_back(item);
    }
    tree_->expandToDepth(0);
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        OpenTarget(item->data(0, kTargetRole).toString().toStdString());
    });
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        OpenTarget(item->data(0, kTargetRole).toString().toStdString());
    });
    return tree_;
}

QWidget* HelpWindow::CreateIndexTab() {
    auto* tab = new QWidget(this);
    filter_ = new QLineEdit(tab);
    filter_->setObjectName(QStringLiteral("txtIndexFilter"));
    filter_->installEventFilter(this);
    auto* label = new QLabel(tr("&Type the keyword to find:"), tab);
    label->setObjectName(QStringLiteral("lblIndexFilter"));
    // The tab is as narrow as the contents list; the prompt wraps rather than being cut.
    label->setWordWrap(true);
    label->setBuddy(filter_);
    list_ = new QListWidget(tab);
    list_->setObjectName(QStringLiteral("lstIndex"));
    std::vector<HelpIndexEntry> entries = book_.index;
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return Q(a.keyword).compare(Q(b.keyword), Qt::CaseInsensitive) < 0;
    });
    for (const HelpIndexEntry& entry : entries) {
        auto* item = new QListWidgetItem(Q(entry.keyword), list_);
        item->setData(kTargetRole, Q(entry.target));
    }
    connect(filter_, &QLineEdit::textEdited, this, &HelpWindow::FilterIndex);
    connect(filter_, &QLineEdit::returnPressed, this, &HelpWindow::OpenIndexSelection);
    connect(list_, &QListWidget::itemActivated, this, &HelpWindow::OpenIndexSelection);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(label);
    layout->addWidget(filter_);
    layout->addWidget(list_, 1);
    return tab;
}

QLayout* HelpWindow::CreateButtons() {
    auto* back = new QPushButton(tr("&Back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setEnabled(false);
    auto* forward = new QPushButton(tr("&Forward"), this);
    forward->setObjectName(QStringLiteral("cmdForward"));
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    auto* backKey = new QShortcut(QKeySequence::Back, this);
    connect(backKey, &QShortcut::activated, browser_, &QTextBrowser::backward);
    auto* forwardKey = new QShortcut(QKeySequence::Forward, this);
    connect(forwardKey, &QShortcut::activated, browser_, &QTextBrowser::forward);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    return buttons;
}

void HelpWindow::FitScreen() {
    const QSize area = screen()->availableGeometry().size();
    const int width = fontMetrics().averageCharWidth();
    const int line = fontMetrics().lineSpacing();
    resize(std::min(width * 120, area.width() * 9 / 10),
           std::min(line * 40, area.height() * 9 / 10));
    tabs_->setMinimumWidth(std::min(width * 28, area.width() / 4));
    // The page gets all the width the contents do not need.
    splitter_->setSizes({tabs_->minimumWidth(), this->width() - tabs_->minimumWidth()});
    // Not CentreOnScreen: its adjustSize would shrink the window to its smallest.
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - rect().center());
}

void HelpWindow::Present(int tab) {
    tabs_->setCurrentIndex(tab);
    if (browser_->source().isEmpty()) {
        OpenTarget(book_.StartPage());
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowContents() {
    Present(kContentsTab);
    tree_->setFocus();
}

void HelpWindow::ShowIndex() {
    Present(kIndexTab);
    filter_->setFocus();
    filter_->selectAll();
}

void HelpWindow::ShowContext(int number) {
    const HelpContextEntry* entry = book_.FindContext(number);
    if (entry == nullptr) {
        ShowContents();
        return;
    }
    OpenTarget(entry->target);
    Present(kContentsTab);
}

bool HelpWindow::ShowForWindow(const QString& objectName) {
    const HelpContextEntry* entry = book_.FindWindow(objectName.toStdString());
    if (entry == nullptr) {
        ShowContents();
        OpenTarget(book_.StartPage());
        return false;
    }
    ShowContext(entry->number);
    return true;
}

QUrl HelpWindow::currentPage() const {
    return browser_->source();
}

void HelpWindow::OpenTarget(const std::string& target) {
    const HelpTarget t = SplitHelpTarget(target);
    QUrl url = QUrl::fromLocalFile(folder_ + Q(t.page));
    if (!t.anchor.empty()) {
        url.setFragment(Q(t.anchor));
    }
    OpenUrl(url);
}

void HelpWindow::OpenUrl(const QUrl& link) {
    if (!IsLocal(link)) {
        emit externalLink(link);
        return;
    }
    const QUrl url = link.isRelative() ? browser_->source().resolved(link) : link;
    if (!QFileInfo(url.toLocalFile()).isFile()) {
        browser_->setHtml(
            tr("<p>This help page is not available: %1</p>").arg(url.fileName().toHtmlEscaped()));
        return;
    }
    browser_->setSource(url);
}

void HelpWindow::FilterIndex(const QString& text) {
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        return;
    }
    for (Qt::MatchFlags match : {Qt::MatchStartsWith, Qt::MatchContains}) {
        const QList<QListWidgetItem*> found = list_->findItems(typed, match);
        if (!found.isEmpty()) {
            list_->setCurrentItem(found.front());
            list_->scrollToItem(found.front());
            return;
        }
    }
}

void HelpWindow::OpenIndexSelection() {
    if (QListWidgetItem* item = list_->currentItem()) {
        OpenTarget(item->data(kTargetRole).toString().toStdString());
    }
}

void HelpWindow::MarkContents(const QUrl& page) {
    QString file = page.toLocalFile();
    if (file.startsWith(folder_)) {
        file = file.mid(folder_.size());
    }
    const QString exact = page.hasFragment() ? file + QLatin1Char('#') + page.fragment() : file;
    QTreeWidgetItem* best = nullptr;
    for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
        const QString target = (*it)->data(0, kTargetRole).toString();
        if (target == exact) {
            best = *it;
            break;
        }
        if (best == nullptr && target.section(QLatin1Char('#'), 0, 0) == file) {
            best = *it;
        }
    }
    if (best != nullptr) {
        tree_->setCurrentItem(best);
    }
}

// Up and down in the filter move through the keywords without leaving it.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(list_, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vornexa
