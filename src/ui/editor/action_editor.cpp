#include "ui/editor/action_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/action_list.h"
#include "core/details.h"
#include "core/document.h"
#include "core/text8.h"
#include "platform/text_codec.h"
#include "ui/editor/editor_texts.h"
#include "ui/editor/share_suggestions.h"

// The pictures live in a static library, so nothing would pull them in on its own.
static void initEditorPictures() {
    Q_INIT_RESOURCE(editor);
}

namespace kestrune {

namespace {

namespace texts = editor_texts;

constexpr std::string_view kDoubleBackslash = "\\\\";

// A Windows share or path never holds a double quote, and one would end the quotes the
// script puts around it.
bool holdsQuote(std::string_view text) {
    return contains(text, "\"");
}

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What a field holds, as the 8-bit text the document keeps.
std::string textOf(const QComboBox* box) {
    return ToCp1252(box->currentText());
}
std::string textOf(const QLineEdit* box) {
    return ToCp1252(box->text());
}

QLabel* plainLabel(std::string_view text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(qText(text));
    label->setTextFormat(Qt::PlainText);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
    }
    return label;
}

QComboBox* pathBox(const char* name) {
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    // The list offers shares; what the user types is not added to it, nor completed.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setCompleter(nullptr);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(28);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return box;
}

// Adds the remembered shares to a drop-down list without changing the text it shows.
void appendShares(QComboBox* box, const ShareSuggestions::Slots& names) {
    const QString text = box->currentText();
    for (const std::string& share : names) {
        if (!share.empty()) {
            box->addItem(FromCp1252(share));
        }
    }
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

// The share of a Map Drive entry for its field. The share rule needs "\\"; a share the user
// kept without it still stands between "Map " and " as ".
std::optional<std::string> shareForEditing(std::string_view details) {
    if (auto share = MappedShare(details)) {
        return share;
    }
    const std::string_view d = trimmed(details);
    const auto as = d.rfind(details::kAs);
    if (!d.starts_with(details::kMapPrefix) || as == std::string_view::npos ||
        as < details::kMapPrefix.size()) {
        return std::nullopt;
    }
    const auto start = details::kMapPrefix.size();
    return std::string(trimmed(d.substr(start, as - start)));
}

// The printer of a Map Printer entry for its field, inner blanks kept; a printer kept
// without "\\" is the text after the prefix, less its port.
std::string printerForEditing(std::string_view details) {
    if (auto share = PrinterShare(details)) {
        return *share;
    }
    std::string_view d = trimmed(details);
    if (d.starts_with(details::kPrinterPrefix)) {
        d.remove_prefix(details::kPrinterPrefix.size());
    } else if (d.starts_with(details::kMapPrefix)) {
        d.remove_prefix(details::kMapPrefix.size());
    }
    const auto on = d.rfind(details::kOn);
    if (PrinterPort(details) && on != std::string_view::npos) {
        d = d.substr(0, on);
    }
    return std::string(trimmed(d));
}

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

ActionEditor::ActionEditor(EditorContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    initEditorPictures();
    setObjectName(QStringLiteral("frmAdd"));
    setWindowTitle(qText(texts::kCaption));
    setModal(true);

    pages_ = new QStackedWidget;
    buildTypePage();
    buildMapPage();
    buildRunPage();
    buildMessagePage();
    buildRegPage();
    buildOtherPage();
    buildPrintPage();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    setMinimumWidth(fontMetrics().averageCharWidth() * 64);

    context_.shares.LoadShareSuggestions(context_.prompts);
    fillShareLists();
    pages_->setCurrentWidget(fraAction);
    cmdMap->setFocus();
}

QIcon ActionEditor::picture(std::string_view name) {
    initEditorPictures();
    return QIcon(QStringLiteral(":/editor/") + qText(name) + QStringLiteral(".svg"));
}

void ActionEditor::buildTypePage() {
    fraAction = new QGroupBox(qText(texts::kTypeFrame));
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
        b.button->setText(qText(b.caption));
        b.button->setIcon(picture(b.picture));
        b.button->setIconSize(QSize(iconSize, iconSize));
        b.button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b.button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b.button->setFocusPolicy(Qt::StrongFocus);
        b.button->installEventFilter(this);
        grid->addWidget(b.button, index / 3, index % 3);
        ++index;
    }

    cmdCancel[0] = new QPushButton(qText(texts::kCancel));
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
    auto* frame = new QGroupBox(qText(caption));
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

    // Made in tab order: the fields first, then OK, Cancel and Back.
    okButton = new QPushButton(qText(texts::kOk));
    okButton->setObjectName(QLatin1String(okName));
    const auto cancelIndex = static_cast<std::size_t>(backIndex) + 1;
    cmdCancel[cancelIndex] = new QPushButton(qText(texts::kCancel));
    cmdCancel[cancelIndex]->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel[cancelIndex], &QPushButton::clicked, this, &QDialog::reject);
    auto* back = new QPushButton(qText(texts::kBack));
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
    layout->addStretch(1);
    layout->addLayout(buttonRow);
    pages_->addWidget(frame);
    return frame;
}

void ActionEditor::buildMapPage() {
    txtShare = pathBox("txtShare");
    cboDrive = new QComboBox;
    cboDrive->setObjectName(QStringLiteral("cboDrive"));
    cboDrive->addItem(qText(texts::kNextAvailable));
    for (char letter = texts::kFirstDrive; letter <= texts::kLastDrive; ++letter) {
        cboDrive->addItem(QString(QLatin1Char(letter)) + QStringLiteral(":\\"));
    }
    cboDrive->setCurrentIndex(0);
    chkHome = new QCheckBox(qText(texts::kHome));
    chkHome->setObjectName(QStringLiteral("chkHome"));

    auto* drive = new QHBoxLayout;
    drive->addWidget(cboDrive);
    drive->addSpacing(fontMetrics().averageCharWidth() * 2);
    drive->addWidget(chkHome);
    drive->addStretch();
    auto* fields = new QGridLayout;
    fields->addWidget(plainLabel(texts::kShareLabel, txtShare), 0, 0);
    fields->addWidget(txtShare, 0, 1);
    fields->addWidget(plainLabel(texts::kDriveLabel, cboDrive), 1, 0);
    fields->addLayout(drive, 1, 1);
    fields->setColumnStretch(1, 1);

    fraMap = buildPage("fraMap", texts::kMapFrame, "drive", texts::kMapExplanation, fields, 0,
                       cmdNextMap, "cmdNextMap");
    makeDefaultOnFocus(txtShare, cmdNextMap);
    connect(chkHome, &QCheckBox::toggled, this, [this] { chkHome_Click(); });
    connect(cmdNextMap, &QPushButton::clicked, this, [this] { cmdNextMap_Click(); });
    connect(cmdBack[0], &QPushButton::clicked, this, [this] { showTypePage(cmdMap); });
}

void ActionEditor::buildRunPage() {
    optClient = new QRadioButton(qText(texts::kClientOption));
    optClient->setObjectName(QStringLiteral("optClient"));
    optServer = new QRadioButton(qText(texts::kServerOption));
    optServer->setObjectName(QStringLiteral("optServer"));
    txtLocalApp = pathBox("txtLocalApp");
    cmdBrowse = new QPushButton(qText(texts::kBrowse));
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    lblLocalApp = plainLabel(texts::kLocalAppLabel, txtLocalApp);
    lblLocalApp->setObjectName(QStringLiteral("lblLocalApp"));
    lblRemoteApp = plainLabel(texts::kRemoteAppLabel, txtLocalApp);
    lblRemoteApp->setObjectName(QStringLiteral("lblRemoteApp"));
    // The two labels share one place; the one that is hidden keeps its room, so the page
    // doesn't jump when the option changes.
    auto* labels = new QStackedWidget;
    labels->addWidget(lblLocalApp);
    labels->addWidget(lblRemoteApp);
    labels->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(optServer, &QRadioButton::toggled, labels,
            [labels](bool server) { labels->setCurrentIndex(server ? 1 : 0); });

    auto* path = new QHBoxLayout;
    path->addWidget(txtLocalApp, 1);
    path->addWidget(cmdBrowse);
    auto* fields = new QVBoxLayout;
    fields->addWidget(optClient);
    fields->addWidget(optServer);
    fields->addWidget(labels);
    fields->addLayout(path);

    fraRun = buildPage("fraRun", texts::kRunFrame, "application", texts::kRunExplanation, fields, 1,
                       cmdNextApp, "cmdNextApp");
    optClient->setChecked(true);
    lblRemoteApp->setVisible(false);
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
    txtReg = pathBox("txtReg");
    auto* fields = new QVBoxLayout;
    fields->addWidget(plainLabel(texts::kRegLabel, txtReg));
    fields->addWidget(txtReg);
    fraReg = buildPage("fraReg", texts::kRegFrame, "registry", texts::kRegExplanation, fields, 3,
                       cmdNextReg, "cmdNextReg");
    makeDefaultOnFocus(txtReg, cmdNextReg);
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

void ActionEditor::buildPrintPage() {
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

    auto* port = new QHBoxLayout;
    port->addWidget(txtPort);
    port->addWidget(plainLabel(texts::kPortNote));
    port->addStretch();
    auto* fields = new QGridLayout;
    fields->addWidget(plainLabel(texts::kPrintLabel, txtPrint), 0, 0);
    fields->addWidget(txtPrint, 0, 1);
    fields->addWidget(plainLabel(texts::kPortLabel, txtPort), 1, 0);
    fields->addLayout(port, 1, 1);
    fields->setColumnStretch(1, 1);
    fraPrint = buildPage("fraPrint", texts::kPrintFrame, "printer", texts::kPrintExplanation,
                         fields, 5, cmdOkPrint, "cmdOkPrint");
    makeDefaultOnFocus(txtPrint, cmdOkPrint);
    makeDefaultOnFocus(txtPort, cmdOkPrint);
    connect(cmdOkPrint, &QPushButton::clicked, this, [this] { cmdOkPrint_Click(); });
    connect(cmdBack[5], &QPushButton::clicked, this, [this] { showTypePage(cmdMapPrint); });
}

void ActionEditor::fillShareLists() {
    for (QComboBox* box : {txtShare, txtRemoteMotd, txtPrint, txtReg}) {
        appendShares(box, context_.shares.shares());
    }
}

void ActionEditor::makeDefaultOnFocus(QWidget* field, QPushButton* okButton) {
    defaultFor_.insert(field, okButton);
    field->installEventFilter(this);
    if (auto* box = qobject_cast<QComboBox*>(field); box != nullptr && box->lineEdit()) {
        defaultFor_.insert(box->lineEdit(), okButton);
        box->lineEdit()->installEventFilter(this);
    }
}

bool ActionEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (QPushButton* ok = defaultFor_.value(watched)) {
            ok->setDefault(true);
            if (watched == txtOther) {
                txtOther->selectAll();
            }
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == txtPort) {
            // Only digits and Backspace reach the port; other typed characters are dropped
            // quietly. Keys that type nothing (Tab, Enter, arrows, shortcuts) pass.
            const QString text = key->text();
            const bool shortcut =
                (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
            if (!shortcut && !text.isEmpty() && text.front().isPrint() &&
                !(text.front() >= QLatin1Char('0') && text.front() <= QLatin1Char('9'))) {
                return true;
            }
        } else if (auto* button = qobject_cast<QToolButton*>(watched);
                   button != nullptr &&
                   (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            // A type button is pressed by Enter as well as by Space, as a push button would be.
            button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ActionEditor::showKindPage(std::string_view kind, QGroupBox* page, QPushButton* okButton,
                                QWidget* field) {
    PendingKind = kind;
    pages_->setCurrentWidget(page);
    okButton->setDefault(true);
    if (field->isEnabled()) {
        field->setFocus();
        // Leaving the type page may have tabbed into the field and selected its text; the
        // cursor goes after the text instead, as it does in any other field that is opened.
        if (auto* box = qobject_cast<QComboBox*>(field)) {
            box->lineEdit()->end(false);
        }
    } else if (page == fraMap) {
        cboDrive->setFocus();
    } else {
        okButton->setFocus();
    }
}

void ActionEditor::showTypePage(QToolButton* from) {
    // What was typed on the page stays in its fields.
    pages_->setCurrentWidget(fraAction);
    from->setFocus();
}

bool ActionEditor::editEntry(std::size_t row) {
    if (row >= context_.list.size()) {
        return false;
    }
    const Action& entry = context_.list.at(row);
    const std::string_view d = entry.details;

    if (entry.kind == kind::kMapDrive) {
        chkHome->setChecked(IsHomeMapping(d));
        if (contains(lastChars(d, 5), ":\\")) {
            const QString drive = FromCp1252(trimmed(lastChars(d, 4)));
            int index = cboDrive->findText(drive, Qt::MatchFixedString);
            // A drive the list doesn't offer (A: to C:, from a script written by hand) joins
            // it, so that OK keeps the entry's drive instead of turning it into the next
            // available one.
            if (index < 0 && drive.size() == 3 && drive.front().isLetter() &&
                drive.endsWith(QStringLiteral(":\\"))) {
                index = 1;
                while (index < cboDrive->count() &&
                       QString::compare(cboDrive->itemText(index), drive, Qt::CaseInsensitive) <
                           0) {
                    ++index;
                }
                cboDrive->insertItem(index, drive.toUpper());
            }
            cboDrive->setCurrentIndex(index < 0 ? 0 : index);
        }
        // A home mapping's field keeps what the check box put there, unless the entry names
        // its server.
        const auto share = chkHome->isChecked() ? MappedShare(d) : shareForEditing(d);
        if (share) {
            txtShare->setEditText(FromCp1252(*share));
        }
    } else if (entry.kind == kind::kRunApplication) {
        if (IsRemoteApplication(d)) {
            optServer->setChecked(true);
        } else {
            optClient->setChecked(true);
        }
        txtLocalApp->setEditText(FromCp1252(PrefixedPath(d)));
    } else if (entry.kind == kind::kMergeRegistry) {
        txtReg->setEditText(FromCp1252(PrefixedPath(d)));
    } else if (entry.kind == kind::kDisplayMessage) {
        txtRemoteMotd->setEditText(FromCp1252(MessagePath(d)));
    } else if (entry.kind == kind::kOther) {
        txtOther->setText(FromCp1252(d));
    } else if (entry.kind == kind::kMapPrinter) {
        txtPrint->setEditText(FromCp1252(printerForEditing(d)));
        if (const auto port = PrinterPort(d)) {
            txtPort->setText(QString::number(*port));
        }
    } else {
        return false;
    }

    mode_ = Mode::Editing;
    editedRow_ = row;
    // Without Back the page can only be left by OK or Cancel, and no other kind be chosen.
    for (QPushButton* back : cmdBack) {
        back->setEnabled(false);
    }
    if (entry.kind == kind::kMapDrive) {
        showKindPage(entry.kind, fraMap, cmdNextMap, txtShare);
    } else if (entry.kind == kind::kRunApplication) {
        showKindPage(entry.kind, fraRun, cmdNextApp, txtLocalApp);
    } else if (entry.kind == kind::kMergeRegistry) {
        showKindPage(entry.kind, fraReg, cmdNextReg, txtReg);
    } else if (entry.kind == kind::kDisplayMessage) {
        showKindPage(entry.kind, fraMessage, cmdNextMotd, txtRemoteMotd);
    } else if (entry.kind == kind::kOther) {
        showKindPage(entry.kind, fraOther, cmdOkOther, txtOther);
    } else {
        showKindPage(entry.kind, fraPrint, cmdOkPrint, txtPrint);
    }
    return true;
}

void ActionEditor::chkHome_Click() {
    if (chkHome->isChecked()) {
        txtShare->setEditText(qText(texts::kHomeShare));
        txtShare->setEnabled(false);
    } else {
        txtShare->clearEditText();
        txtShare->setEnabled(true);
        txtShare->setFocus();
    }
}

void ActionEditor::optRun_Click() {
    const bool server = optServer->isChecked();
    lblRemoteApp->setVisible(server);
    lblLocalApp->setVisible(!server);
    cmdBrowse->setVisible(!server);
    txtLocalApp->lineEdit()->selectAll();
    if (server) {
        appendShares(txtLocalApp, context_.shares.shares());
    } else {
        txtLocalApp->clear();
        txtLocalApp->clearEditText();
    }
}

void ActionEditor::cmdBrowse_Click() {
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = qText(texts::kBrowseTitle);
    request.filter = qText(texts::kBrowseFilter);
    const QString path = context_.prompts.chooseFile(request);
    if (!path.isEmpty()) {
        txtLocalApp->setEditText(QDir::toNativeSeparators(path));
    }
}

void ActionEditor::cmdNextMap_Click() {
    const std::string share = textOf(txtShare);
    if (trimmed(share).empty()) {
        warn(texts::kEmptyShare, MessageIcon::Exclamation);
        txtShare->clearEditText();
        return;
    }
    if (refusedForQuote(share, txtShare->lineEdit())) {
        return;
    }
    const bool home = chkHome->isChecked();
    if (!home && !contains(share, kDoubleBackslash) &&
        !useAnyway(texts::kDoubtfulShare, MessageIcon::None)) {
        txtShare->setFocus();
        txtShare->lineEdit()->selectAll();
        return;
    }
    const QString drive = cboDrive->currentText();
    PendingDrive = drive.contains(QStringLiteral("Ava"))
                       ? std::string(details::kNextAvailableDrive) + " "
                       : ToCp1252(drive);
    PendingDetails = home ? std::string(details::kTheLogonServer) : upperCased(trimmed(share));
    finish();
}

void ActionEditor::cmdNextApp_Click() {
    const std::string path = textOf(txtLocalApp);
    if (trimmed(path).empty()) {
        txtLocalApp->clearEditText();
        warn(texts::kEmptyApp, MessageIcon::Critical);
        return;
    }
    if (refusedForQuote(path, txtLocalApp->lineEdit())) {
        return;
    }
    const bool server = optServer->isChecked();
    if (server && !contains(path, kDoubleBackslash) &&
        !useAnyway(texts::kDoubtfulShare, MessageIcon::None)) {
        txtLocalApp->setFocus();
        txtLocalApp->lineEdit()->selectAll();
        return;
    }
    PendingDetails = std::string(server ? details::kRemotePrefix : details::kLocalPrefix) +
                     upperCased(trimmed(path));
    finish();
}

void ActionEditor::cmdNextReg_Click() {
    const std::string path = textOf(txtReg);
    if (trimmed(path).empty()) {
        warn(texts::kEmptyReg, MessageIcon::Exclamation);
        txtReg->clearEditText();
        return;
    }
    if (refusedForQuote(path, txtReg->lineEdit())) {
        return;
    }
    // The ending is taken as typed: a trailing blank is not a ".reg" ending.
    if (lowerCased(lastChars(path, 4)) != ".reg") {
        warn(texts::kNotReg, MessageIcon::Critical);
        return;
    }
    if (!contains(path, kDoubleBackslash) &&
        !useAnyway(texts::kDoubtfulServer, MessageIcon::None)) {
        txtReg->setFocus();
        txtReg->lineEdit()->selectAll();
        return;
    }
    PendingDetails = std::string(details::kRemotePrefix) + upperCased(trimmed(path));
    finish();
}

void ActionEditor::cmdNextMotd_Click() {
    const std::string path = textOf(txtRemoteMotd);
    if (trimmed(path).empty()) {
        warn(texts::kEmptyMotd, MessageIcon::Exclamation);
        txtRemoteMotd->clearEditText();
        return;
    }
    if (refusedForQuote(path, txtRemoteMotd->lineEdit())) {
        return;
    }
    if (!contains(path, kDoubleBackslash) &&
        !useAnyway(texts::kDoubtfulServer, MessageIcon::None)) {
        txtRemoteMotd->setFocus();
        txtRemoteMotd->lineEdit()->selectAll();
        return;
    }
    PendingDetails = upperCased(trimmed(path));
    finish();
}

void ActionEditor::cmdOkPrint_Click() {
    const std::string printer = textOf(txtPrint);
    if (trimmed(printer).empty()) {
        warn(texts::kEmptyPrinter, MessageIcon::Critical);
        return;
    }
    if (refusedForQuote(printer, txtPrint->lineEdit())) {
        return;
    }
    if (!contains(printer, kDoubleBackslash) &&
        !useAnyway(texts::kDoubtfulServer, MessageIcon::Question)) {
        return;
    }
    // The printer goes in as typed, blanks and all; only its case changes.
    PendingDetails = std::string(details::kPrinterPrefix) + upperCased(printer);
    if (const int port = portNumber(txtPort->text()); port > 0) {
        PendingDetails += std::string(details::kOnLpt) + std::to_string(port);
    }
    finish();
}

void ActionEditor::cmdOkOther_Click() {
    const std::string command = textOf(txtOther);
    if (trimmed(command).empty()) {
        warn(texts::kEmptyOther, MessageIcon::Exclamation);
        txtOther->clear();
        return;
    }
    PendingDetails = std::string(trimmed(command));
    finish();
}

std::string ActionEditor::entryDetails() const {
    if (PendingKind == kind::kMapDrive) {
        return std::string(chkHome->isChecked() ? details::kHomePrefix : details::kMapPrefix) +
               PendingDetails + std::string(details::kAs) + PendingDrive;
    }
    if (PendingKind == kind::kDisplayMessage) {
        return std::string(details::kMessagePrefix) + PendingDetails;
    }
    return PendingDetails;
}

std::string_view ActionEditor::entryIcon() const {
    if (PendingKind == kind::kMapDrive) {
        return chkHome->isChecked() ? icon::kHome : icon::kDrive;
    }
    if (PendingKind == kind::kDisplayMessage) {
        return icon::kMotd;
    }
    if (PendingKind == kind::kMergeRegistry) {
        return icon::kReg;
    }
    if (PendingKind == kind::kRunApplication) {
        return icon::kApp;
    }
    if (PendingKind == kind::kMapPrinter) {
        return icon::kPrint;
    }
    return icon::kOther;
}

void ActionEditor::CommitAction() {
    ActionList& list = context_.list;
    Action entry;
    entry.itemKey = list.uniqueKey(PendingDetails);
    entry.kind = PendingKind;
    entry.iconKey = entryIcon();
    entry.details = entryDetails();
    const std::size_t row = list.size();
    if (context_.appendAction) {
        context_.appendAction(std::move(entry));
    } else {
        list.append(std::move(entry));
    }

    // The share worth offering next time: a file's folder, or the mapped share itself.
    std::optional<std::string> candidate;
    if (PendingKind == kind::kDisplayMessage || PendingKind == kind::kMergeRegistry ||
        PendingKind == kind::kRunApplication) {
        if (const auto slash = PendingDetails.rfind('\\'); slash != std::string::npos) {
            candidate = upperCased(std::string_view(PendingDetails).substr(0, slash));
        }
    } else if (PendingKind == kind::kMapDrive || PendingKind == kind::kMapPrinter) {
        candidate = PendingDetails;
    }
    if (candidate) {
        if (const auto start = candidate->find(kDoubleBackslash); start != std::string::npos) {
            context_.shares.RememberShare(upperCased(std::string_view(*candidate).substr(start)));
        }
    }

    context_.document.modified = true;
    result_ = {EditorOutcome::Appended, row};
}

void ActionEditor::rewriteEntry() {
    Action& entry = context_.list.at(editedRow_);
    entry.details = entryDetails();
    // Only a drive mapping can change its picture: it may have become a home mapping.
    if (PendingKind == kind::kMapDrive) {
        entry.iconKey = entryIcon();
    }
    context_.document.modified = true;
    if (context_.actionChanged) {
        context_.actionChanged(editedRow_);
    }
    result_ = {EditorOutcome::Changed, editedRow_};
}

void ActionEditor::finish() {
    if (mode_ == Mode::Adding) {
        CommitAction();
    } else {
        rewriteEntry();
    }
    accept();
}

bool ActionEditor::refusedForQuote(std::string_view text, QLineEdit* field) {
    if (!holdsQuote(text)) {
        return false;
    }
    warn(texts::kQuoteInPath, MessageIcon::Exclamation);
    field->setFocus();
    field->selectAll();
    return true;
}

void ActionEditor::warn(std::string_view text, MessageIcon icon) {
    context_.prompts.message(
        MessageRequest{qText(text), qText(kAppTitle), MessageButtons::Ok, icon, std::nullopt});
}

bool ActionEditor::useAnyway(std::string_view question, MessageIcon icon) {
    return context_.prompts.message(MessageRequest{qText(question), qText(kAppTitle),
                                                   MessageButtons::YesNo, icon, std::nullopt}) ==
           Answer::Yes;
}

EditorResult AddAction(const EditorContext& context, QWidget* parent) {
    ActionEditor frmAdd(context, parent);
    frmAdd.exec();
    return frmAdd.outcome();
}

EditorResult EditAction(const EditorContext& context, std::optional<std::size_t> selectedRow,
                        QWidget* parent) {
    if (!selectedRow || *selectedRow >= context.list.size()) {
        return {};
    }
    ActionEditor frmAdd(context, parent);
    if (!frmAdd.editEntry(*selectedRow)) {
        return {};
    }
    frmAdd.exec();
    return frmAdd.outcome();
}

}  // namespace kestrune
