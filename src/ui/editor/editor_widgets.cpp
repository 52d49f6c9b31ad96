#include "ui/editor/editor_widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/text_codec.h"

namespace kestrune::editor_widgets {

std::string textOf(const QComboBox* box) {
    return ToCp1252(box->currentText());
}
std::string textOf(const QLineEdit* box) {
    return ToCp1252(box->text());
}

QLabel* plainLabel(std::string_view text, QWidget* buddy) {
    auto* label = new QLabel(Utf8Text(text));
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
