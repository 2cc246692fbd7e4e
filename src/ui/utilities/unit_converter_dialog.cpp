#include "ui/utilities/unit_converter_dialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "ui/services/window_support.h"
#include "util/messages.h"

namespace vornexa {
namespace {

constexpr int kMessageSlot = 12;

// Control names of each tab, indexed by Quantity. The output boxes are numbered
// on from firstOutput in unit order.
struct PageNames {
    const char* frame;
    const char* input;
    const char* options;
    int firstOutput;
    int mnemonicAt;  // position of the tab caption's access key
};

constexpr std::array<PageNames, kQuantityCount> kPageNames = {{
    {"frameLength", "txtLength", "Option2", 7, 0},
    {"frameLoad", "txtLoad", "Option5", 21, 1},
    {"frameLoadGrad", "txtLoadGrad", "Option4", 17, 5},
    {"frameStress", "txtStress", "Option1", 2, 0},
    {"frameStressGrad", "txtStressGrad", "Option3", 12, 1},
}};

// Wide enough for the longest text a double can give.
constexpr const char* kWidestValue = "-8.88888888888888E-308";

QString TabCaption(Quantity quantity) {
    QString caption = Q(Info(quantity).tabCaption);
    return caption.insert(kPageNames[static_cast<size_t>(quantity)].mnemonicAt, QLatin1Char('&'));
}

}  // namespace

UnitConverterDialog::UnitConverterDialog(UiContext& context, QWidget* parent)
    : QDialog(parent), messages_(context.state.messages) {
    setObjectName(QStringLiteral("frmUnits"));
    setWindowTitle(tr("Unit Conversions"));
    setModal(true);
    Loading_ = true;

    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    // All five captions in view: the dialog widens to them rather than scroll.
    SSTab1_->setUsesScrollButtons(false);
    for (int q = 0; q < kQuantityCount; ++q) {
        const auto quantity = static_cast<Quantity>(q);
        auto* page = new QWidget(SSTab1_);
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(CreateFrame(quantity, page));
        pageLayout->addStretch(1);
        SSTab1_->addTab(page, TabCaption(quantity));
    }
    // Pages off the visible tab are hidden, which already takes their controls
    // out of the focus order.
    connect(SSTab1_, &QTabWidget::currentChanged, this, &UnitConverterDialog::SSTab1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1_);
    layout->addLayout(CreateButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

QGroupBox* UnitConverterDialog::CreateFrame(Quantity quantity, QWidget* parent) {
    const QuantityInfo& info = Info(quantity);
    const PageNames& names = kPageNames[static_cast<size_t>(quantity)];
    Page& page = pages_[static_cast<size_t>(quantity)];
    auto* frame = new QGroupBox(Q(info.frameCaption), parent);
    frame->setObjectName(QString::fromLatin1(names.frame));
    auto* grid = new QGridLayout(frame);
    const int boxWidth = fontMetrics().horizontalAdvance(QString::fromLatin1(kWidestValue)) + 16;

    page.input = new QLineEdit(QStringLiteral("0"), frame);
    page.input->setObjectName(QString::fromLatin1(names.input));
    page.input->setAccessibleName(Q(info.frameCaption));
    page.input->setMinimumWidth(boxWidth);
    SelectAllOnFocus(*page.input);
    page.input->installEventFilter(this);
    grid->addWidget(page.input, 0, 1);
    connect(page.input, &QLineEdit::textChanged, this,
            [this, quantity] { Input_Change(quantity); });

    page.units = new QButtonGroup(frame);
    for (int unit = 0; unit < static_cast<int>(info.units.size()); ++unit) {
        auto* option = new QRadioButton(Q(info.units[static_cast<size_t>(unit)]), frame);
        option->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(names.options)).arg(unit));
        page.units->addButton(option, unit);
        auto* output = new QLineEdit(QStringLiteral("0"), frame);
        output->setObjectName(QStringLiteral("Text%1").arg(names.firstOutput + unit));
        output->setReadOnly(true);
        output->setMinimumWidth(boxWidth);
        output->setAccessibleName(option->text());
        page.outputs.push_back(output);
        grid->addWidget(option, unit + 1, 0);
        grid->addWidget(output, unit + 1, 1);
    }
    connect(page.units, &QButtonGroup::idToggled, this, [this, quantity](int, bool checked) {
        if (checked) {
            Input_Change(quantity);
        }
    });
    return frame;
}

QLayout* UnitConverterDialog::CreateButtons() {
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* help = new QPushButton(tr("Help"), this);
    help->setObjectName(QStringLiteral("Command3"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(messages_); });
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(help);
    return row;
}

void UnitConverterDialog::Form_Load() {
    messages_.SetMessageTitles(kMessageSlot);
    messages_.LogMessage("Loading Unit Conversion Form");
    for (Page& page : pages_) {
        page.units->button(0)->setChecked(true);
    }
    CentreOnScreen(*this);
    Loading_ = false;
}

void UnitConverterDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Form_Activate();
    }
}

void UnitConverterDialog::Form_Activate() {
    SSTab1_->setCurrentIndex(0);
    // Also when tab 0 was already showing: the user starts typing in its box.
    SSTab1_Click();
}

void UnitConverterDialog::SSTab1_Click() {
    if (Loading_) {
        return;
    }
    QLineEdit* input = pages_[static_cast<size_t>(SSTab1_->currentIndex())].input;
    input->setFocus(Qt::OtherFocusReason);
    input->selectAll();
}

bool UnitConverterDialog::eventFilter(QObject* watched, QEvent* event) {
    // A click into an input box selects its text even when the box has the focus.
    if (event->type() == QEvent::MouseButtonRelease) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            box->selectAll();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void UnitConverterDialog::Input_Change(Quantity quantity) {
    const Page& page = pages_[static_cast<size_t>(quantity)];
    const std::vector<std::string> boxes =
        ConvertAll(quantity, page.units->checkedId(), page.input->text().toStdString());
    for (size_t unit = 0; unit < boxes.size(); ++unit) {
        page.outputs[unit]->setText(Q(boxes[unit]));
        // A long number in a narrow box should show its leading digits.
        page.outputs[unit]->setCursorPosition(0);
    }
}

}  // namespace vornexa
