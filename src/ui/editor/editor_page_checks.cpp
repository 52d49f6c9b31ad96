// What the pages' controls do: the Home box, the client/server option, Browse, and each
// page's OK with its checks in order, ending in the fields the entry is built from.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/cp1252_text.h"
#include "core/document.h"
#include "platform/text_codec.h"
#include "ui/editor/action_editor.h"
#include "ui/editor/editor_texts.h"
#include "ui/editor/editor_widgets.h"

namespace kestrune {

namespace {

namespace texts = editor_texts;
using namespace editor_widgets;

constexpr std::string_view kDoubleBackslash = "\\\\";

// A Windows share or path never holds a double quote, and one would end the quotes the
// script puts around it.
bool holdsQuote(std::string_view text) {
    return contains(text, "\"");
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

// The fields of a page whose main field holds text.
EditorFields typed(const std::string& text) {
    EditorFields fields;
    fields.text = text;
    return fields;
}

}  // namespace

void ActionEditor::chkHome_Click() {
    if (chkHome->isChecked()) {
        txtShare->setEditText(Utf8Text(texts::kHomeShare));
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
    request.title = Utf8Text(texts::kBrowseTitle);
    request.filter = Utf8Text(texts::kBrowseFilter);
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
    EditorFields fields = typed(share);
    fields.home = home;
    // Any entry of the list that names the next available drive says "Ava".
    if (const QString drive = cboDrive->currentText(); !drive.contains(QStringLiteral("Ava"))) {
        fields.drive = ToCp1252(drive);
    }
    finish(fields);
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
    EditorFields fields = typed(path);
    fields.server = server;
    finish(fields);
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
    finish(typed(path));
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
    finish(typed(path));
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
    EditorFields fields = typed(printer);
    fields.port = portNumber(txtPort->text());
    finish(fields);
}

void ActionEditor::cmdOkOther_Click() {
    const std::string command = textOf(txtOther);
    if (trimmed(command).empty()) {
        warn(texts::kEmptyOther, MessageIcon::Exclamation);
        txtOther->clear();
        return;
    }
    finish(typed(command));
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
    context_.prompts.message(MessageRequest{Utf8Text(text), Utf8Text(kAppTitle), MessageButtons::Ok,
                                            icon, std::nullopt});
}

bool ActionEditor::useAnyway(std::string_view question, MessageIcon icon) {
    return context_.prompts.message(MessageRequest{Utf8Text(question), Utf8Text(kAppTitle),
                                                   MessageButtons::YesNo, icon, std::nullopt}) ==
           Answer::Yes;
}

}  // namespace kestrune
