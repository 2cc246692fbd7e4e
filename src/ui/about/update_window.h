#pragma once

#include <QDate>
#include <QDialog>

#include <functional>

#include "ui/context.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QUrl;

namespace vornexa {

// frmUpdate: how old the program is, a link to its web page, and the choice to
// stop the yearly reminder. The link is opened through `openUrl`
// (QDesktopServices::openUrl in the program), which answers false on failure.
class UpdateWindow : public QDialog {
    Q_OBJECT

  public:
    UpdateWindow(UiContext& context, std::function<bool(const QUrl&)> openUrl, QDate today,
                 QWidget* parent = nullptr);

    // OK, Escape and the close box all end here.
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class LinkLook { Normal, Hover, Pressed };

    QFrame* CreateLinkFrame();
    void Form_Load(QDate today);
    bool lblURL_Event(QEvent* event);
    void SetLinkLook(LinkLook look);
    void lblURL_Click();

    AppState& state_;
    std::function<bool(const QUrl&)> openUrl_;
    LinkLook look_ = LinkLook::Normal;
    QFrame* Picture1_ = nullptr;
    QLabel* lblURL_ = nullptr;
    QCheckBox* chkShow_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

}  // namespace vornexa
