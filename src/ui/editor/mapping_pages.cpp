// The Map Drive and Map Printer pages: connecting a share or disconnecting, with the
// connection options; what their controls do, their OK, and Properties filling them.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "core/cp1252_text.h"
#include "platform/text_codec.h"
#include "ui/editor/action_editor.h"
#include "ui/editor/connection_options.h"
#include "ui/editor/editor_texts.h"
#include "ui/editor/editor_widgets.h"

namespace kestrune {

namespace {

namespace texts = editor_texts;
using namespace editor_widgets;

constexpr std::string_view kDoubleBackslash = "\\\\";

// The value of the port field's leading digits; 0 when it has none.
int portNumber(const QString& text) {
    int port = 0;
    for (const QChar c : text) {
        if (!c.isDigit()) {
            break;
        }
        port = port * 10 + c.digitValue();
    }
    return port;
}

}  // namespace

QLayout* ActionEditor::buildActionChoice(QRadioButton*& connect, QRadioButton*& disconnect) {
    connect = new QRadioButton(texts::Tr(texts::kConnect));
    connect->setObjectName(QStringLiteral("optConnect"));
    disconnect = new QRadioButton(texts::Tr(texts::kDisconnect));
    disconnect->setObjectName(QStringLiteral("optDisconnect"));
    choiceOf(this, {connect, disconnect});
    connect->setChecked(true);
    auto* row = new QHBoxLayout;
    row->addWidget(connect);
    row->addWidget(disconnect);
    row->addStretch();
    return row;
}

void ActionEditor::buildMapPage() {
    QLayout* action = buildActionChoice(optMapConnect, optMapDisconnect);
    txtShare = pathBox("txtShare");
    cboDrive = new QComboBox;
    cboDrive->setObjectName(QStringLiteral("cboDrive"));
    cboDrive->addItem(texts::Tr(texts::kNextAvailable));
    for (char letter = texts::kFirstDrive; letter <= texts::kLastDrive; ++letter) {
        cboDrive->addItem(QString(QLatin1Char(letter)) + QStringLiteral(":\\"));
    }
    cboDrive->setCurrentIndex(0);
    // Wide enough for either first entry, so that the page doesn't move when it changes.
    cboDrive->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboDrive->setMinimumContentsLength(static_cast<int>(std::max(
        texts::Tr(texts::kAllConnections).size(), texts::Tr(texts::kNextAvailable).size())));
    chkHome = new QCheckBox(texts::Tr(texts::kHome));
    chkHome->setObjectName(QStringLiteral("chkHome"));
    mapOptions = new ConnectionOptions;

    auto* drive = new QHBoxLayout;
    drive->addWidget(cboDrive);
    drive->addSpacing(fontMetrics().averageCharWidth() * 2);
    drive->addWidget(chkHome);
    drive->addStretch();
    auto* fields = new QGridLayout;
    fields->addWidget(plainLabel(texts::kActionLabel), 0, 0);
    fields->addLayout(action, 0, 1);
    fields->addWidget(plainLabel(texts::kShareLabel, txtShare), 1, 0);
    fields->addWidget(txtShare, 1, 1);
    fields->addWidget(plainLabel(texts::kDriveLabel, cboDrive), 2, 0);
    fields->addLayout(drive, 2, 1);
    fields->addWidget(mapOptions, 3, 0, 1, 2);
    fields->setColumnStretch(1, 1);

    fraMap = buildPage("fraMap", texts::kMapFrame, "drive", texts::kMapExplanation, fields, 0,
                       cmdNextMap, "cmdNextMap");
    makeDefaultOnFocus(txtShare, cmdNextMap);
    connect(optMapDisconnect, &QRadioButton::toggled, this, [this] { optMapAction_Click(); });
    connect(chkHome, &QCheckBox::toggled, this, [this] { chkHome_Click(); });
    connect(cboDrive, &QComboBox::currentIndexChanged, this, [this] { cboDrive_Click(); });
    connect(mapOptions->chkConfirm, &QCheckBox::clicked, this, [this] { confirmPreset_ = false; });
    connect(cmdNextMap, &QPushButton::clicked, this, [this] { cmdNextMap_Click(); });
    connect(cmdBack[0], &QPushButton::clicked, this, [this] { showTypePage(cmdMap); });
}

void ActionEditor::buildPrintPage() {
    QLayout* action = buildActionChoice(optPrintConnect, optPrintDisconnect);
    txtPrint = pathBox("txtPrint");
    txtPort = new QLineEdit;
    txtPort->setObjectName(QStringLiteral("txtPort"));
    txtPort->setMaxLength(1);
    // The key filter turns away typed keys; this turns away pasted text.
    txtPort->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]")), txtPort));
    txtPort->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 3 +
                           fontMetrics().averageCharWidth() * 2);
    txtPort->installEventFilter(this);
    printOptions = new ConnectionOptions;

    auto* port = new QHBoxLayout;
    port->addWidget(txtPort);
    port->addWidget(plainLabel(texts::kPortNote));
    port->addStretch();
    auto* fields = new QGridLayout;
    fields->addWidget(plainLabel(texts::kActionLabel), 0, 0);
    fields->addLayout(action, 0, 1);
    fields->addWidget(plainLabel(texts::kPrintLabel, txtPrint), 1, 0);
    fields->addWidget(txtPrint, 1, 1);
    fields->addWidget(plainLabel(texts::kPortLabel, txtPort), 2, 0);
    fields->addLayout(port, 2, 1);
    fields->addWidget(printOptions, 3, 0, 1, 2);
    fields->setColumnStretch(1, 1);
    fraPrint = buildPage("fraPrint", texts::kPrintFrame, "printer", texts::kPrintExplanation,
                         fields, 5, cmdOkPrint, "cmdOkPrint");
    makeDefaultOnFocus(txtPrint, cmdOkPrint);
    makeDefaultOnFocus(txtPort, cmdOkPrint);
    connect(optPrintDisconnect, &QRadioButton::toggled, this, [this] { optPrintAction_Click(); });
    connect(cmdOkPrint, &QPushButton::clicked, this, [this] { cmdOkPrint_Click(); });
    connect(cmdBack[5], &QPushButton::clicked, this, [this] { showTypePage(cmdMapPrint); });
}

void ActionEditor::optMapAction_Click() {
    // A disconnection names a drive or all connections, nothing else.
    const bool disconnect = optMapDisconnect->isChecked();
    const bool home = chkHome->isChecked();
    chkHome->setEnabled(!disconnect);
    txtShare->setEnabled(!disconnect && !home);
    cboDrive->setItemText(0,
                          texts::Tr(disconnect ? texts::kAllConnections : texts::kNextAvailable));
    mapOptions->takeOptionsOf(disconnect ? OptionSet::Disconnection
                              : home     ? OptionSet::Home
                                         : OptionSet::Connection);
    cboDrive_Click();
}

void ActionEditor::cboDrive_Click() {
    // Without /YES, NET asks before it ends connections with files open, and nobody answers
    // a logon script.
    QCheckBox* confirm = mapOptions->chkConfirm;
    const bool all = optMapDisconnect->isChecked() && cboDrive->currentIndex() == 0;
    if (all && !confirmPreset_) {
        confirmBefore_ = confirm->isChecked();
        confirm->setChecked(true);
        confirmPreset_ = true;
    } else if (!all && confirmPreset_) {
        confirm->setChecked(confirmBefore_);
        confirmPreset_ = false;
    }
}

void ActionEditor::chkHome_Click() {
    if (chkHome->isChecked()) {
        txtShare->setEditText(texts::Tr(texts::kHomeShare));
        txtShare->setEnabled(false);
    } else {
        txtShare->clearEditText();
        txtShare->setEnabled(true);
        txtShare->setFocus();
    }
    // NET USE /HOME takes no user.
    mapOptions->takeOptionsOf(chkHome->isChecked() ? OptionSet::Home : OptionSet::Connection);
}

void ActionEditor::optPrintAction_Click() {
    const bool disconnect = optPrintDisconnect->isChecked();
    txtPrint->setEnabled(!disconnect);
    printOptions->takeOptionsOf(disconnect ? OptionSet::Disconnection : OptionSet::Connection);
}

void ActionEditor::cmdNextMap_Click() {
    if (optMapDisconnect->isChecked()) {
        EditorFields fields;
        fields.disconnect = true;
        if (cboDrive->currentIndex() > 0) {
            fields.drive = ToCp1252(cboDrive->currentText());
        }
        fields.options = mapOptions->options();
        finish(fields);
        return;
    }
    const std::string share = textOf(txtShare);
    if (trimmed(share).empty()) {
        warn(texts::kEmptyShare, MessageIcon::Exclamation);
        txtShare->clearEditText();
        return;
    }
    if (refusedForQuote(share, txtShare->lineEdit()) || refusedUser(mapOptions)) {
        return;
    }
    const bool home = chkHome->isChecked();
    if (!home && !contains(share, kDoubleBackslash) &&
        !useAnyway(texts::kDoubtfulShare, MessageIcon::None)) {
        txtShare->setFocus();
        txtShare->lineEdit()->selectAll();
        return;
    }
    EditorFields fields;
    fields.text = share;
    fields.home = home;
    // Any entry of the list that names the next available drive says "Ava" in English; the
    // first entry names it in any language.
    if (const QString drive = cboDrive->currentText();
        cboDrive->currentIndex() != 0 && !drive.contains(QStringLiteral("Ava"))) {
        fields.drive = ToCp1252(drive);
    }
    fields.options = mapOptions->options();
    finish(fields);
}

void ActionEditor::cmdOkPrint_Click() {
    EditorFields fields;
    fields.port = portNumber(txtPort->text());
    fields.options = printOptions->options();
    // NET USE takes options, and ends a connection, only on a port it is given.
    const bool needsPort = optPrintDisconnect->isChecked() || !fields.options.empty();
    if (optPrintDisconnect->isChecked()) {
        if (!refused(fields.port == 0, texts::kNeedsPort, txtPort)) {
            fields.disconnect = true;
            finish(fields);
        }
        return;
    }
    const std::string printer = textOf(txtPrint);
    if (trimmed(printer).empty()) {
        warn(texts::kEmptyPrinter, MessageIcon::Critical);
        return;
    }
    if (refusedForQuote(printer, txtPrint->lineEdit()) || refusedUser(printOptions) ||
        refused(needsPort && fields.port == 0, texts::kNeedsPort, txtPort)) {
        return;
    }
    if (!contains(printer, kDoubleBackslash) &&
        !useAnyway(texts::kDoubtfulServer, MessageIcon::Question)) {
        return;
    }
    fields.text = printer;
    finish(fields);
}

bool ActionEditor::refusedUser(const ConnectionOptions* options) {
    const std::string user = options->userToWrite();
    return refused(!user.empty() && !IsUserName(user), texts::kBadUser, options->txtUser);
}

void ActionEditor::fillMapPage(const EditorFields& fields) {
    if (fields.disconnect) {
        optMapDisconnect->setChecked(true);
    } else {
        chkHome->setChecked(fields.home);
    }
    if (fields.drive) {
        setDrive(FromCp1252(*fields.drive));
    }
    if (fields.text) {
        txtShare->setEditText(FromCp1252(*fields.text));
    }
    // The entry's own answer, not the preset.
    mapOptions->setOptions(fields.options);
    confirmPreset_ = false;
}

void ActionEditor::fillPrintPage(const EditorFields& fields) {
    optPrintDisconnect->setChecked(fields.disconnect);
    if (fields.text) {
        txtPrint->setEditText(FromCp1252(*fields.text));
    }
    if (fields.port > 0) {
        txtPort->setText(QString::number(fields.port));
    }
    printOptions->setOptions(fields.options);
}

}  // namespace kestrune
