#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QApplication;
class QWidget;

namespace vornexa {

struct AppState;
class DesktopService;
class HelpWindow;

// The help book in its one help window, the PDF help, and F1 anywhere in the
// program. The book is read the first time help is asked for.
class HelpService : public QObject {
  public:
    HelpService(AppState& state, DesktopService& desktop);
    ~HelpService() override;

    void ShowContents();
    void ShowIndex();
    // The context page of the nearest of the widget and its parents that the
    // book names, else the contents.
    void ShowForWidget(QWidget* widget);
    void OpenPdfHelp();
    void CloseHelp();
    // From now on F1 pressed in any window of the application shows its help,
    // unless the window has an F1 command of its own.
    void InstallF1(QApplication& app);

    HelpWindow* window() const { return window_.get(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    HelpWindow* Window();

    AppState& state_;
    DesktopService& desktop_;
    std::unique_ptr<HelpWindow> window_;
    QPointer<QApplication> app_;
};

}  // namespace vornexa
