#include "ui/project/diagram_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>

#include <string_view>

#include "analysis/orientation.h"
#include "core/app_state.h"
#include "diagrams/diagrams.h"
#include "ui/drawing/diagram_canvas.h"
#include "ui/drawing/diagram_renderer.h"
#include "ui/services/window_support.h"

namespace vornexa {

DiagramWindow::DiagramWindow(UiContext& context, QWidget* parent)
    : QMainWindow(parent, Qt::Window), context_(context) {
    setObjectName(QStringLiteral("frmVORNView"));
    setWindowTitle(tr("View Stress Orientation"));
    setAttribute(Qt::WA_DeleteOnClose);
    CreateMenus();

    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    picMain_ = new DiagramCanvas(client);
    picMain_->move(kCanvasMargin, kCanvasMargin);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    if (context_.state.workParms.PlanType != 0) {
        Long_Paint();
    } else {
        Dev_Paint();
    }
}

void DiagramWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const struct {
        const char* caption;
        const char* shortcut;
    } items[] = {{"Save", "Ctrl+S"}, {"-", ""}, {"Print", "Ctrl+P"}, {"-", ""}, {"Exit", "Ctrl+X"}};
    for (int i = 0; i < 5; ++i) {
        QAction* action = std::string_view(items[i].caption) == "-"
                              ? file->addSeparator()
                              : file->addAction(tr(items[i].caption));
        action->setShortcut(QKeySequence(QString::fromLatin1(items[i].shortcut)));
        action->setObjectName(QStringLiteral("mnuFileItem_%1").arg(i));
        connect(action, &QAction::triggered, this, [this, i] { mnuFileItem_Click(i); });
        fileItems_[static_cast<size_t>(i)] = action;
    }

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* copy = edit->addAction(tr("Copy"));
    copy->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    copy->setObjectName(QStringLiteral("mnuEditItem_0"));
    connect(copy, &QAction::triggered, this, [this] { mnuEditItem_Click(0); });
    editItems_[0] = copy;
}

void DiagramWindow::Dev_Paint() {
    AppState& state = context_.state;
    UpdateViewParms(state.workParms, state.viewParms);
    picMain_->Show(vornexa::Dev_Paint(state.viewParms));
}

void DiagramWindow::Long_Paint() {
    AppState& state = context_.state;
    UpdateViewParms(state.workParms, state.viewParms);
    picMain_->Show(vornexa::Long_Paint(state.viewParms));
}

void DiagramWindow::mnuFileItem_Click(int index) {
    switch (index) {
        case 0:
            context_.state.messages.ShowMessage("Option not active yet");
            break;
        case 2:
            PrintDiagram();
            break;
        case 4:
            close();
            break;
        default:
            break;
    }
}

void DiagramWindow::mnuEditItem_Click(int index) {
    if (index == 0) {
        CopyClientArea();
    }
}

const DisplayList& DiagramWindow::displayList() const {
    return picMain_->displayList();
}

const QImage& DiagramWindow::canvasImage() const {
    return picMain_->image();
}

void DiagramWindow::PrintDiagram() {
    if (!context_.printer.Available()) {
        return;
    }
    bool cancelled = false;
    RunStep(context_.state.messages, cancelled, [this] {
        context_.printer.PrintDiagram(context_.printer.get(), picMain_->displayList());
    });
}

void DiagramWindow::CopyClientArea() {
    // Pasted elsewhere, the picture keeps its size in pixels on a high-density screen too.
    const QSize size(kClientWidth, kClientHeight);
    QImage image = centralWidget()->grab().toImage();
    if (image.size() != size) {
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(1);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(image);
}

}  // namespace vornexa
