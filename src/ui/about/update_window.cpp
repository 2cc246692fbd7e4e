#include "ui/about/update_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "core/app_state.h"
#include "core/program_release.h"
#include "ui/services/window_support.h"

namespace vornexa {
namespace {

constexpr int kTextColumns = 60;

QLabel* WrappedLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

UpdateWindow::UpdateWindow(UiContext& context, std::function<bool(const QUrl&)> openUrl,
                           QDate today, QWidget* parent)
    : QDialog(parent), state_(context.state), openUrl_(std::move(openUrl)) {
    setObjectName(QStringLiteral("frmUpdate"));

    QLabel* update = WrappedLabel(this, "lblUpdate");
    const int width = fontMetrics().averageCharWidth() * kTextColumns;
    update->setMinimumWidth(std::min(width, screen()->availableGeometry().width() * 3 / 4));
    auto* label2 = new QLabel(tr("&URL to program web page:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    QFrame* link = CreateLinkFrame();
    label2->setBuddy(lblURL_);
    QLabel* info = WrappedLabel(this, "lblInfo");
    const NoticeChoiceRow row =
        CreateNoticeChoiceRow(*this, tr("&Disable reminder for annual program updates"));
    chkShow_ = row.choice;
    Command1_ = row.ok;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(update);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(label2);
    layout->addWidget(link);
    layout->addWidget(info);
    layout->addLayout(row.layout);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    Form_Load(today);
    Command1_->setFocus();
}

QFrame* UpdateWindow::CreateLinkFrame() {
    Picture1_ = new QFrame(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    Picture1_->installEventFilter(this);
    lblURL_ = new QLabel(Picture1_);
    lblURL_->setObjectName(QStringLiteral("lblURL"));
    lblURL_->setCursor(Qt::PointingHandCursor);
    lblURL_->setFocusPolicy(Qt::StrongFocus);
    lblURL_->setMouseTracking(true);
    lblURL_->installEventFilter(this);
    auto* layout = new QHBoxLayout(Picture1_);
    layout->addWidget(lblURL_);
    layout->addStretch(1);
    return Picture1_;
}

void UpdateWindow::Form_Load(QDate today) {
    SetLinkLook(LinkLook::Normal);
    const int age = ReleaseAgeDays(today.year(), today.month(), today.day());
    findChild<QLabel*>(QStringLiteral("lblUpdate"))->setText(OutputToField(UpdateText(age)));
    setWindowTitle(tr("Program Update") + QStringLiteral(" for ") +
                   QString::fromStdString(state_.exeName));
    lblURL_->setText(Q(kProgramWebPage));
    findChild<QLabel*>(QStringLiteral("lblInfo"))->setText(OutputToField(ReleaseInfoText()));
    CentreOnScreen(*this);
}

bool UpdateWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblURL_) {
        return lblURL_Event(event);
    }
    // The link keeps its hover look over the whole frame, as it did when a
    // timer polled the pointer; the frame's leave event replaces that poll.
    if (watched == Picture1_ && event->type() == QEvent::Leave) {
        SetLinkLook(LinkLook::Normal);
    }
    return QDialog::eventFilter(watched, event);
}

bool UpdateWindow::lblURL_Event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            if (look_ == LinkLook::Normal) {
                SetLinkLook(LinkLook::Hover);
            }
            return false;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                look_ == LinkLook::Hover) {
                SetLinkLook(LinkLook::Pressed);
            }
            return false;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) {
                return false;
            }
            if (look_ == LinkLook::Pressed) {
                SetLinkLook(LinkLook::Hover);
            }
            if (lblURL_->rect().contains(mouse->position().toPoint())) {
                lblURL_Click();
            }
            return false;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // A label draws no focus: the frame shows it.
            Picture1_->setLineWidth(lblURL_->hasFocus() ? 2 : 1);
            return false;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                lblURL_Click();
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

void UpdateWindow::SetLinkLook(LinkLook look) {
    look_ = look;
    // Text and link colours come from the desktop so the link stays readable on a dark one.
    const QPalette inherited = Picture1_->palette();
    const QColor colours[] = {inherited.color(QPalette::WindowText),
                              inherited.color(QPalette::Link), QColor(255, 0, 0)};
    QPalette palette = lblURL_->palette();
    palette.setColor(QPalette::WindowText, colours[static_cast<int>(look)]);
    lblURL_->setPalette(palette);
    QFont font = lblURL_->font();
    font.setUnderline(look != LinkLook::Normal);
    lblURL_->setFont(font);
}

void UpdateWindow::lblURL_Click() {
    // Return is to press OK afterwards, not to open the page a second time.
    Command1_->setFocus();
    if (!openUrl_(QUrl(lblURL_->text()))) {
        state_.messages.ShowMessage("Operation Failed");
    }
}

void UpdateWindow::done(int result) {
    SaveStartupChoice(state_, &SettingsRecord::RemindAnnualUpdates, chkShow_->isChecked());
    QDialog::done(result);
}

}  // namespace vornexa
