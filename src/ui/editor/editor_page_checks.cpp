// What the pages' controls do: the client/server options, Browse, and each page's OK with its
// checks in order, ending in the fields the entry is built from (the mapping pages have a
// file of their own), and the Run if row every page has. Properties filling the pages.

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <algorithm>
#include <array>
#include <utility>

#include "core/condition.h"
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

// The condition forms of the Run if choices after "Always", in their order.
constexpr std::array<std::pair<ConditionSubject, bool>, 6> kRunIfForms = {{
    {ConditionSubject::Group, false},
    {ConditionSubject::Group, true},
    {ConditionSubject::User, false},
    {ConditionSubject::User, true},
    {ConditionSubject::Computer, false},
    {ConditionSubject::Computer, true},
}};

// The fields of a page whose main field holds text.
EditorFields typed(const std::string& text) {
    EditorFields fields;
    fields.text = text;
    return fields;
}

}  // namespace

void ActionEditor::optRun_Click() {
    const bool server = optServer->isChecked();
    showLabel(txtLocalApp, server ? lblRemoteApp : lblLocalApp,
              server ? lblLocalApp : lblRemoteApp);
    cmdBrowse->setVisible(!server);
    txtLocalApp->lineEdit()->selectAll();
    if (server) {
        appendShares(txtLocalApp, context_.shares.shares());
    } else {
        txtLocalApp->clear();
        txtLocalApp->clearEditText();
    }
}

void ActionEditor::optReg_Click() {
    const bool server = optRegServer->isChecked();
    showLabel(txtReg, server ? lblRemoteReg : lblLocalReg, server ? lblLocalReg : lblRemoteReg);
    // The remembered shares are offered for a file on a server only; what was typed stays.
    const QString text = txtReg->currentText();
    txtReg->clear();
    if (server) {
        appendShares(txtReg, context_.shares.shares());
    }
    txtReg->setEditText(text);
}

void ActionEditor::cmdBrowse_Click() {
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = texts::Tr(texts::kBrowseTitle);
    request.filter = texts::Tr(texts::kBrowseFilter);
    const QString path = context_.prompts.chooseFile(request);
    if (!path.isEmpty()) {
        txtLocalApp->setEditText(QDir::toNativeSeparators(path));
    }
}

void ActionEditor::cmdNextApp_Click() {
    const std::string path = textOf(txtLocalApp);
    if (trimmed(path).empty()) {
        txtLocalApp->clearEditText();
        warn(texts::kEmptyApp, MessageIcon::Critical);
        return;
    }
    const std::string arguments(trimmed(textOf(txtArguments)));
    if (refusedForQuote(path, txtLocalApp->lineEdit()) ||
        refused(!arguments.empty() && !AreArguments(arguments), texts::kBadArguments,
                txtArguments)) {
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
    fields.options.wait = optWait->isChecked();
    fields.options.arguments = arguments;
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
    const bool server = optRegServer->isChecked();
    if (server && !contains(path, kDoubleBackslash) &&
        !useAnyway(texts::kDoubtfulServer, MessageIcon::None)) {
        txtReg->setFocus();
        txtReg->lineEdit()->selectAll();
        return;
    }
    EditorFields fields = typed(path);
    fields.server = server;
    for (std::size_t method = 0; method < optMerge.size(); ++method) {
        if (optMerge[method]->isChecked()) {
            fields.options.method = static_cast<MergeMethod>(method);
        }
    }
    finish(fields);
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

void ActionEditor::cmdOkOther_Click() {
    const std::string command = textOf(txtOther);
    if (trimmed(command).empty()) {
        warn(texts::kEmptyOther, MessageIcon::Exclamation);
        txtOther->clear();
        return;
    }
    finish(typed(command));
}

bool ActionEditor::refused(bool bad, std::string_view why, QLineEdit* field) {
    if (!bad) {
        return false;
    }
    warn(why, MessageIcon::Exclamation);
    field->setFocus();
    field->selectAll();
    return true;
}

bool ActionEditor::refusedForQuote(std::string_view text, QLineEdit* field) {
    return refused(holdsQuote(text), texts::kQuoteInPath, field);
}

void ActionEditor::fillRunPage(const EditorFields& fields) {
    (fields.server ? optServer : optClient)->setChecked(true);
    (fields.options.wait ? optWait : optStart)->setChecked(true);
    txtLocalApp->setEditText(FromCp1252(*fields.text));
    txtArguments->setText(FromCp1252(fields.options.arguments));
}

void ActionEditor::fillRegPage(const EditorFields& fields) {
    (fields.server ? optRegServer : optRegClient)->setChecked(true);
    optMerge[static_cast<std::size_t>(fields.options.method)]->setChecked(true);
    txtReg->setEditText(FromCp1252(*fields.text));
}

std::size_t ActionEditor::currentPage() const {
    const std::array<const QWidget*, 6> pages = {fraMap, fraRun,   fraMessage,
                                                 fraReg, fraOther, fraPrint};
    const auto found = std::find(pages.begin(), pages.end(), pages_->currentWidget());
    return found == pages.end() ? 0 : static_cast<std::size_t>(found - pages.begin());
}

std::optional<std::string> ActionEditor::runIfCondition(std::size_t page) {
    const int choice = cboRunIf[page]->currentIndex();
    if (choice <= 0) {
        return std::string();
    }
    QLineEdit* field = txtRunIf[page];
    // Blanks around a name mean nothing.
    const QString typed = field->text().trimmed();
    if (typed.isEmpty()) {
        warn(texts::kEmptyConditionName, MessageIcon::Exclamation);
        field->setFocus();
        return std::nullopt;
    }
    // Checked before the name is made 8-bit text, which would turn a letter it lacks into "?".
    const bool ascii = std::all_of(typed.begin(), typed.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
    });
    const auto [subject, negated] = kRunIfForms[static_cast<std::size_t>(choice - 1)];
    const std::string name = typed.toStdString();
    if (refused(!ascii || CheckConditionName(subject, name) != NameFault::None,
                texts::kBadConditionName, field)) {
        return std::nullopt;
    }
    return ConditionText({subject, negated, name});
}

void ActionEditor::fillRunIf(std::size_t page, std::string_view condition) {
    const auto parsed = ParseCondition(condition);
    if (!parsed) {
        return;
    }
    const auto form = std::find(kRunIfForms.begin(), kRunIfForms.end(),
                                std::pair(parsed->subject, parsed->negated));
    cboRunIf[page]->setCurrentIndex(1 + static_cast<int>(form - kRunIfForms.begin()));
    txtRunIf[page]->setText(FromCp1252(parsed->name));
}

void ActionEditor::warn(std::string_view text, MessageIcon icon) {
    context_.prompts.message(MessageRequest{texts::Tr(text), Utf8Text(kAppTitle),
                                            MessageButtons::Ok, icon, std::nullopt});
}

bool ActionEditor::useAnyway(std::string_view question, MessageIcon icon) {
    return context_.prompts.message(MessageRequest{texts::Tr(question), Utf8Text(kAppTitle),
                                                   MessageButtons::YesNo, icon, std::nullopt}) ==
           Answer::Yes;
}

}  // namespace kestrune
