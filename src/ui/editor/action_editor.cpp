#include "ui/editor/action_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/action_list.h"
#include "platform/text_codec.h"
#include "ui/editor/editor_texts.h"
#include "ui/editor/editor_widgets.h"
#include "ui/editor/share_suggestions.h"

// The pictures live in a static library, so nothing would pull them in on its own.
static void initEditorPictures() {
    Q_INIT_RESOURCE(editor);
}

namespace kestrune {

namespace texts = editor_texts;
using namespace editor_widgets;

ActionEditor::ActionEditor(EditorContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    initEditorPictures();
    setObjectName(QStringLiteral("frmAdd"));
    setWindowTitle(texts::Tr(texts::kCaption));
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
    return QIcon(QStringLiteral(":/editor/") + Utf8Text(name) + QStringLiteral(".svg"));
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
    } else if (page == fraPrint) {
        txtPort->setFocus();
    } else {
        okButton->setFocus();
    }
}

void ActionEditor::showTypePage(QToolButton* from) {
    // What was typed on the page stays in its fields.
    pages_->setCurrentWidget(fraAction);
    from->setFocus();
}

void ActionEditor::setDrive(const QString& drive) {
    int index = cboDrive->findText(drive, Qt::MatchFixedString);
    // A drive the list doesn't offer (A: to C:, from a script written by hand) joins it, so
    // that OK keeps the entry's drive instead of turning it into the next available one.
    if (index < 0 && drive.size() == 3 && drive.front().isLetter() &&
        drive.endsWith(QStringLiteral(":\\"))) {
        index = 1;
        while (index < cboDrive->count() &&
               QString::compare(cboDrive->itemText(index), drive, Qt::CaseInsensitive) < 0) {
            ++index;
        }
        cboDrive->insertItem(index, drive.toUpper());
    }
    cboDrive->setCurrentIndex(index < 0 ? 0 : index);
}

bool ActionEditor::editEntry(std::size_t row) {
    if (row >= context_.list.size()) {
        return false;
    }
    const Action entry = context_.list.at(row);
    const std::optional<EditorFields> fields = EditorFieldsOf(entry);
    if (!fields) {
        return false;
    }
    if (entry.kind == kind::kMapDrive) {
        fillMapPage(*fields);
        fillRunIf(0, entry.condition);
    } else if (entry.kind == kind::kRunApplication) {
        fillRunPage(*fields);
        fillRunIf(1, entry.condition);
    } else if (entry.kind == kind::kMergeRegistry) {
        fillRegPage(*fields);
        fillRunIf(3, entry.condition);
    } else if (entry.kind == kind::kDisplayMessage) {
        txtRemoteMotd->setEditText(FromCp1252(*fields->text));
        fillRunIf(2, entry.condition);
    } else if (entry.kind == kind::kOther) {
        txtOther->setText(FromCp1252(*fields->text));
        fillRunIf(4, entry.condition);
    } else {
        fillPrintPage(*fields);
        fillRunIf(5, entry.condition);
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

Action ActionEditor::CommitAction(Action built) const {
    // The list gives the entry its key when it takes it.
    return built;
}

Action ActionEditor::rewriteEntry(const Action& built) const {
    Action entry = context_.list.at(editedRow_);
    entry.details = built.details;
    entry.condition = built.condition;
    // Only a drive mapping can change its picture: it may have become a home mapping.
    if (PendingKind == kind::kMapDrive) {
        entry.iconKey = built.iconKey;
    }
    return entry;
}

void ActionEditor::finish(const EditorFields& fields) {
    auto condition = runIfCondition(currentPage());
    if (!condition) {
        return;
    }
    Action built = EditorAction(PendingKind, fields);
    built.condition = std::move(*condition);
    result_ = mode_ == Mode::Adding ? CommitAction(built) : rewriteEntry(built);
    accept();
}

std::optional<Action> AddAction(const EditorContext& context, QWidget* parent) {
    ActionEditor frmAdd(context, parent);
    frmAdd.exec();
    return frmAdd.result();
}

std::optional<Action> EditAction(const EditorContext& context,
                                 std::optional<std::size_t> selectedRow, QWidget* parent) {
    if (!selectedRow || *selectedRow >= context.list.size()) {
        return std::nullopt;
    }
    ActionEditor frmAdd(context, parent);
    if (!frmAdd.editEntry(*selectedRow)) {
        return std::nullopt;
    }
    frmAdd.exec();
    return frmAdd.result();
}

}  // namespace kestrune
