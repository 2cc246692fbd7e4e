#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include <string>

#include "core/help_book.h"

class QLineEdit;
class QListWidget;
class QSplitter;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace vornexa {

// frmHelp: the help book beside its contents tree and keyword index. Pages link
// to each other; links out of the book are handed to `externalLink`.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    // helpFolder holds the book's pages and ends in the separator.
    HelpWindow(HelpBook book, QString helpFolder, QWidget* parent = nullptr);

    void ShowContents();
    void ShowIndex();
    void ShowContext(int number);
    // The context page of the window of that object name; false, showing the
    // contents, when the book has none.
    bool ShowForWindow(const QString& objectName);

    QUrl currentPage() const;
    const HelpBook& book() const { return book_; }

  signals:
    void externalLink(const QUrl& url);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* CreateContentsTab();
    QWidget* CreateIndexTab();
    QLayout* CreateButtons();
    void FitScreen();
    void Present(int tab);
    void OpenTarget(const std::string& target);
    void OpenUrl(const QUrl& url);
    void FilterIndex(const QString& text);
    void OpenIndexSelection();
    void MarkContents(const QUrl& page);

    HelpBook book_;
    QString folder_;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QListWidget* list_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QSplitter* splitter_ = nullptr;
};

}  // namespace vornexa
