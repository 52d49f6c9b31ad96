// The editor's pages: the type page with its six buttons, and one page per kind with its
// fields, OK, Cancel and Back, wired to the handlers (the mapping pages have a file of their
// own).

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/text_codec.h"
#include "ui/editor/action_editor.h"
#include "ui/editor/editor_texts.h"
#include "ui/editor/editor_widgets.h"

namespace kestrune {

namespace texts = editor_texts;
using namespace editor_widgets;

void ActionEditor::buildTypePage() {
    fraAction = new QGroupBox(texts::Tr(texts::kTypeFrame));
    fraAction->setObjectName(QStringLiteral("fraAction"));

    struct TypeButton {
        QToolButton*& button;
        const char* name;
        std::string_view caption;
        std::string_view picture;
    };
    const TypeButton buttons[] = {
        {cmdMap, "cmdMap", texts::kMapButton, "drive"},
        {cmdApp, "cmdApp", texts::kAppButton, "application"},
        {cmdReg, "cmdReg", texts::kRegButton, "registry"},
        {cmdMotd, "cmdMotd", texts::kMotdButton, "message"},
        {cmdOther, "cmdOther", texts::kOtherButton, "command"},
        {cmdMapPrint, "cmdMapPrint", texts::kPrintButton, "printer"},
    };
    auto* grid = new QGridLayout;
    const int iconSize = qMax(48, fontMetrics().height() * 3);
    int index = 0;
    for (const TypeButton& b : buttons) {
        b.button = new QToolButton;
        b.button->setObjectName(QLatin1String(b.name));
        b.button->setText(texts::Tr(b.caption));
        b.button->setIcon(picture(b.picture));
        b.button->setIconSize(QSize(iconSize, iconSize));
        b.button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b.button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b.button->setFocusPolicy(Qt::StrongFocus);
        b.button->installEventFilter(this);
        grid->addWidget(b.button, index / 3, index % 3);
        ++index;
    }

    cmdCancel[0] = new QPushButton(texts::Tr(texts::kCancel));
    cmdCancel[0]->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel[0], &QPushButton::clicked, this, &QDialog::reject);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdCancel[0]);

    auto* layout = new QVBoxLayout(fraAction);
    layout->addLayout(grid, 1);
    layout->addLayout(buttonRow);
    pages_->addWidget(fraAction);

    connect(cmdMap, &QToolButton::clicked, this,
            [this] { showKindPage(kind::kMapDrive, fraMap, cmdNextMap, txtShare); });
    connect(cmdApp, &QToolButton::clicked, this,
            [this] { showKindPage(kind::kRunApplication, fraRun, cmdNextApp, txtLocalApp); });
    connect(cmdReg, &QToolButton::clicked, this,
            [this] { showKindPage(kind::kMergeRegistry, fraReg, cmdNextReg, txtReg); });
    connect(cmdMotd, &QToolButton::clicked, this, [this] {
        showKindPage(kind::kDisplayMessage, fraMessage, cmdNextMotd, txtRemoteMotd);
    });
    connect(cmdOther, &QToolButton::clicked, this,
            [this] { showKindPage(kind::kOther, fraOther, cmdOkOther, txtOther); });
    connect(cmdMapPrint, &QToolButton::clicked, this,
            [this] { showKindPage(kind::kMapPrinter, fraPrint, cmdOkPrint, txtPrint); });
}

QGroupBox* ActionEditor::buildPage(const char* frameName, std::string_view caption,
                                   std::string_view pictureName, std::string_view explanation,
                                   QLayout* fields, int backIndex, QPushButton*& okButton,
                                   const char* okName) {
    auto* frame = new QGroupBox(texts::Tr(caption));
    frame->setObjectName(QLatin1String(frameName));

    auto* icon = new QLabel;
    const int iconSize = qMax(32, fontMetrics().height() * 2);
    icon->setPixmap(picture(pictureName).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* text = plainLabel(explanation);
    text->setObjectName(QStringLiteral("lblExplanation"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);

    // Made in tab order: the fields first, the Run if row, then OK, Cancel and Back.
    const auto page = static_cast<std::size_t>(backIndex);
    QLayout* runIf = buildRunIf(page);
    okButton = new QPushButton(texts::Tr(texts::kOk));
    okButton->setObjectName(QLatin1String(okName));
    const auto cancelIndex = static_cast<std::size_t>(backIndex) + 1;
    cmdCancel[cancelIndex] = new QPushButton(texts::Tr(texts::kCancel));
    cmdCancel[cancelIndex]->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel[cancelIndex], &QPushButton::clicked, this, &QDialog::reject);
    auto* back = new QPushButton(texts::Tr(texts::kBack));
    back->setObjectName(QStringLiteral("cmdBack"));
    cmdBack[static_cast<std::size_t>(backIndex)] = back;

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(back);
    buttonRow->addStretch();
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(cmdCancel[cancelIndex]);

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(top);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(fields);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(runIf);
    layout->addStretch(1);
    layout->addLayout(buttonRow);
    pages_->addWidget(frame);
    makeDefaultOnFocus(txtRunIf[page], okButton);
    return frame;
}

QLayout* ActionEditor::buildRunIf(std::size_t page) {
    QComboBox* choice = cboRunIf[page] = new QComboBox;
    choice->setObjectName(QStringLiteral("cboRunIf"));
    for (const std::string_view text : texts::kRunIfChoices) {
        choice->addItem(texts::Tr(text));
    }
    QLineEdit* name = txtRunIf[page] = new QLineEdit;
    name->setObjectName(QStringLiteral("txtRunIf"));
    // A name only means something under a condition.
    name->setEnabled(false);
    connect(choice, &QComboBox::currentIndexChanged, name,
            [name](int index) { name->setEnabled(index > 0); });
    auto* row = new QHBoxLayout;
    row->addWidget(plainLabel(texts::kRunIfLabel, choice));
    row->addWidget(choice);
    row->addWidget(name, 1);
    return row;
}

void ActionEditor::buildRunPage() {
    optClient = new QRadioButton(texts::Tr(texts::kClientOption));
    optClient->setObjectName(QStringLiteral("optClient"));
    optServer = new QRadioButton(texts::Tr(texts::kServerOption));
    optServer->setObjectName(QStringLiteral("optServer"));
    txtLocalApp = pathBox("txtLocalApp");
    cmdBrowse = new QPushButton(texts::Tr(texts::kBrowse));
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    lblLocalApp = plainLabel(texts::kLocalAppLabel, txtLocalApp);
    lblLocalApp->setObjectName(QStringLiteral("lblLocalApp"));
    lblRemoteApp = plainLabel(texts::kRemoteAppLabel, txtLocalApp);
    lblRemoteApp->setObjectName(QStringLiteral("lblRemoteApp"));
    // The two labels take turns in one place of one line; they stand beside the field in
    // the page, so that the one shown labels it for a screen reader too.
    auto* labels = new QHBoxLayout;
    labels->addWidget(lblLocalApp);
    labels->addWidget(lblRemoteApp);

    txtArguments = new QLineEdit;
    txtArguments->setObjectName(QStringLiteral("txtArguments"));
    optStart = new QRadioButton(texts::Tr(texts::kStartOption));
    optStart->setObjectName(QStringLiteral("optStart"));
    optWait = new QRadioButton(texts::Tr(texts::kWaitOption));
    optWait->setObjectName(QStringLiteral("optWait"));
    choiceOf(this, {optClient, optServer});
    choiceOf(this, {optStart, optWait});

    auto* path = new QHBoxLayout;
    path->addWidget(txtLocalApp, 1);
    path->addWidget(cmdBrowse);
    auto* arguments = new QHBoxLayout;
    arguments->addWidget(plainLabel(texts::kArgumentsLabel, txtArguments));
    arguments->addWidget(txtArguments, 1);
    auto* waiting = new QHBoxLayout;
    waiting->addWidget(optStart);
    waiting->addWidget(optWait);
    waiting->addStretch();
    auto* fields = new QVBoxLayout;
    fields->addWidget(optClient);
    fields->addWidget(optServer);
    fields->addLayout(labels);
    fields->addLayout(path);
    fields->addLayout(arguments);
    fields->addLayout(waiting);

    fraRun = buildPage("fraRun", texts::kRunFrame, "application", texts::kRunExplanation, fields, 1,
                       cmdNextApp, "cmdNextApp");
    optClient->setChecked(true);
    optStart->setChecked(true);
    showLabel(txtLocalApp, lblLocalApp, lblRemoteApp);
    makeDefaultOnFocus(txtLocalApp, cmdNextApp);
    // Runs once per change of the option, after the selection has changed.
    connect(optClient, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            optRun_Click();
        }
    });
    connect(optServer, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            optRun_Click();
        }
    });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdNextApp, &QPushButton::clicked, this, [this] { cmdNextApp_Click(); });
    connect(cmdBack[1], &QPushButton::clicked, this, [this] { showTypePage(cmdApp); });
}

void ActionEditor::buildMessagePage() {
    txtRemoteMotd = pathBox("txtRemoteMotd");
    auto* fields = new QVBoxLayout;
    fields->addWidget(plainLabel(texts::kMotdLabel, txtRemoteMotd));
    fields->addWidget(txtRemoteMotd);
    fraMessage = buildPage("fraMessage", texts::kMessageFrame, "message",
                           texts::kMessageExplanation, fields, 2, cmdNextMotd, "cmdNextMotd");
    makeDefaultOnFocus(txtRemoteMotd, cmdNextMotd);
    connect(cmdNextMotd, &QPushButton::clicked, this, [this] { cmdNextMotd_Click(); });
    connect(cmdBack[2], &QPushButton::clicked, this, [this] { showTypePage(cmdMotd); });
}

void ActionEditor::buildRegPage() {
    optRegClient = new QRadioButton(texts::Tr(texts::kRegClientOption));
    optRegClient->setObjectName(QStringLiteral("optRegClient"));
    optRegServer = new QRadioButton(texts::Tr(texts::kRegServerOption));
    optRegServer->setObjectName(QStringLiteral("optRegServer"));
    txtReg = pathBox("txtReg");
    lblLocalReg = plainLabel(texts::kLocalRegLabel, txtReg);
    lblLocalReg->setObjectName(QStringLiteral("lblLocalReg"));
    lblRemoteReg = plainLabel(texts::kRegLabel, txtReg);
    lblRemoteReg->setObjectName(QStringLiteral("lblRemoteReg"));
    auto* labels = new QHBoxLayout;
    labels->addWidget(lblLocalReg);
    labels->addWidget(lblRemoteReg);
    const std::string_view methods[] = {texts::kMergeOpen, texts::kMergeRegImport,
                                        texts::kMergeRegedit};
    const char* methodNames[] = {"optMergeOpen", "optRegImport", "optRegedit"};
    for (std::size_t i = 0; i < optMerge.size(); ++i) {
        optMerge[i] = new QRadioButton(texts::Tr(methods[i]));
        optMerge[i]->setObjectName(QLatin1String(methodNames[i]));
    }
    choiceOf(this, {optRegClient, optRegServer});
    choiceOf(this, {optMerge[0], optMerge[1], optMerge[2]});

    auto* fields = new QVBoxLayout;
    fields->addWidget(optRegClient);
    fields->addWidget(optRegServer);
    fields->addLayout(labels);
    fields->addWidget(txtReg);
    fields->addWidget(plainLabel(texts::kMergeWithLabel));
    for (QRadioButton* method : optMerge) {
        fields->addWidget(method);
    }
    fraReg = buildPage("fraReg", texts::kRegFrame, "registry", texts::kRegExplanation, fields, 3,
                       cmdNextReg, "cmdNextReg");
    // The page took files on a server only, and still starts so.
    optRegServer->setChecked(true);
    optMerge[0]->setChecked(true);
    showLabel(txtReg, lblRemoteReg, lblLocalReg);
    makeDefaultOnFocus(txtReg, cmdNextReg);
    connect(optRegServer, &QRadioButton::toggled, this, [this] { optReg_Click(); });
    connect(cmdNextReg, &QPushButton::clicked, this, [this] { cmdNextReg_Click(); });
    connect(cmdBack[3], &QPushButton::clicked, this, [this] { showTypePage(cmdReg); });
}

void ActionEditor::buildOtherPage() {
    txtOther = new QLineEdit;
    txtOther->setObjectName(QStringLiteral("txtOther"));
    auto* fields = new QVBoxLayout;
    fields->addWidget(plainLabel(texts::kOtherLabel, txtOther));
    fields->addWidget(txtOther);
    fraOther = buildPage("fraOther", texts::kOtherFrame, "command", texts::kOtherExplanation,
                         fields, 4, cmdOkOther, "cmdOkOther");
    makeDefaultOnFocus(txtOther, cmdOkOther);
    connect(cmdOkOther, &QPushButton::clicked, this, [this] { cmdOkOther_Click(); });
    connect(cmdBack[4], &QPushButton::clicked, this, [this] { showTypePage(cmdOther); });
}

}  // namespace kestrune
