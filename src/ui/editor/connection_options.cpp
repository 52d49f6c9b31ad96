#include "ui/editor/connection_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/cp1252_text.h"
#include "platform/text_codec.h"
#include "ui/editor/editor_texts.h"
#include "ui/editor/editor_widgets.h"

namespace kestrune {

namespace texts = editor_texts;
using namespace editor_widgets;

namespace {

// A note beside a control: it wraps to the room it has.
QLabel* note(std::string_view text, const char* name) {
    QLabel* label = plainLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return label;
}

}  // namespace

ConnectionOptions::ConnectionOptions(QWidget* parent)
    : QGroupBox(texts::Tr(texts::kOptionsFrame), parent) {
    setObjectName(QStringLiteral("fraOptions"));
    cboReconnect = new QComboBox;
    cboReconnect->setObjectName(QStringLiteral("cboReconnect"));
    for (const std::string_view choice : texts::kReconnectChoices) {
        cboReconnect->addItem(texts::Tr(choice));
    }
    txtUser = new QLineEdit;
    txtUser->setObjectName(QStringLiteral("txtUser"));
    chkSaveCred = new QCheckBox(texts::Tr(texts::kSaveCredentials));
    chkSaveCred->setObjectName(QStringLiteral("chkSaveCred"));
    chkConfirm = new QCheckBox(texts::Tr(texts::kConfirm));
    chkConfirm->setObjectName(QStringLiteral("chkConfirm"));
    chkQuiet = new QCheckBox(texts::Tr(texts::kQuiet));
    chkQuiet->setObjectName(QStringLiteral("chkQuiet"));

    auto* answers = new QHBoxLayout;
    answers->addWidget(chkConfirm);
    answers->addSpacing(fontMetrics().averageCharWidth() * 2);
    answers->addWidget(chkQuiet);
    answers->addStretch();

    // Made in tab order: Reconnect, the user and its credentials, then the answers.
    auto* grid = new QGridLayout(this);
    grid->addWidget(plainLabel(texts::kReconnectLabel, cboReconnect), 0, 0);
    grid->addWidget(cboReconnect, 0, 1);
    grid->addWidget(note(texts::kReconnectNote, "lblReconnectNote"), 0, 2);
    grid->addWidget(plainLabel(texts::kUserLabel, txtUser), 1, 0);
    grid->addWidget(txtUser, 1, 1);
    grid->addWidget(note(texts::kUserNote, "lblUserNote"), 1, 2, 2, 1);
    grid->addWidget(chkSaveCred, 2, 1);
    grid->addLayout(answers, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 2);
}

void ConnectionOptions::takeOptionsOf(OptionSet set) {
    set_ = set;
    const bool share = set == OptionSet::Connection;
    cboReconnect->setEnabled(share || set == OptionSet::Home);
    txtUser->setEnabled(share);
    chkSaveCred->setEnabled(share);
}

OwnedOptions ConnectionOptions::options() const {
    OwnedOptions options;
    options.user = trimmed(ToCp1252(txtUser->text()));
    options.saveCredentials = chkSaveCred->isChecked();
    options.persistent = static_cast<Persistence>(cboReconnect->currentIndex());
    options.confirm = chkConfirm->isChecked();
    options.quiet = chkQuiet->isChecked();
    return ownedOptions(OptionsFor(set_, optionsView(options)));
}

void ConnectionOptions::setOptions(const OwnedOptions& options) {
    txtUser->setText(FromCp1252(options.user));
    chkSaveCred->setChecked(options.saveCredentials);
    cboReconnect->setCurrentIndex(static_cast<int>(options.persistent));
    chkConfirm->setChecked(options.confirm);
    chkQuiet->setChecked(options.quiet);
}

std::string ConnectionOptions::userToWrite() const {
    return options().user;
}

}  // namespace kestrune
