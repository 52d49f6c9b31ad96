#include "ui/editor/editor_widgets.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/text_codec.h"
#include "ui/editor/editor_texts.h"

namespace kestrune::editor_widgets {

std::string textOf(const QComboBox* box) {
    return ToCp1252(box->currentText());
}
std::string textOf(const QLineEdit* box) {
    return ToCp1252(box->text());
}

namespace {

// Qt names a field after the label beside it; a drop-down list's line and list, which a
// screen reader meets as the user types or opens it, have no label of their own.
void nameParts(const QLabel* label) {
    auto* box = qobject_cast<QComboBox*>(label->buddy());
    if (box == nullptr) {
        return;
    }
    QString name;
    const QString text = label->text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        // The access key's mark goes; "&&" is one "&".
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        name += text[i];
    }
    if (box->lineEdit() != nullptr) {
        box->lineEdit()->setAccessibleName(name);
    }
    box->view()->setAccessibleName(name);
}

}  // namespace

QLabel* plainLabel(std::string_view text, QWidget* buddy) {
    auto* label = new QLabel(editor_texts::Tr(text));
    label->setTextFormat(Qt::PlainText);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
        nameParts(label);
    }
    return label;
}

void showLabel(QWidget* field, QLabel* shown, QLabel* hidden) {
    // The hidden one is no label: neither its access key nor a screen reader may find it.
    hidden->setVisible(false);
    hidden->setBuddy(nullptr);
    shown->setBuddy(field);
    shown->setVisible(true);
    nameParts(shown);
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

void choiceOf(QObject* owner, std::initializer_list<QRadioButton*> buttons) {
    auto* group = new QButtonGroup(owner);
    for (QRadioButton* button : buttons) {
        group->addButton(button);
    }
}

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

}  // namespace kestrune::editor_widgets
