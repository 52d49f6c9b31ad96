#include "ui/run/warning_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/settings_store.h"
#include "platform/text_codec.h"
#include "ui/run/run_texts.h"

namespace kestrune {

WarningDialog::WarningDialog(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("frmWarn"));
    setWindowTitle(run_texts::Tr(run_texts::kWarnCaption));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Image1->setAccessibleName(run_texts::Tr(run_texts::kWarnPicture));

    Label1 = new QLabel(run_texts::Tr(run_texts::kWarnText), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    // Wide enough that the warning reads in a few lines, as in a message box.
    Label1->setMinimumWidth(Label1->fontMetrics().averageCharWidth() * 48);

    chkAgain = new QCheckBox(run_texts::Tr(run_texts::kDontShowAgain), this);
    chkAgain->setObjectName(QStringLiteral("chkAgain"));
    chkAgain->setChecked(false);

    cmdOk = new QPushButton(run_texts::Tr(run_texts::kOk), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);
    cmdCancel = new QPushButton(run_texts::Tr(run_texts::kCancel), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* text = new QHBoxLayout;
    text->addWidget(Image1, 0, Qt::AlignTop);
    text->addSpacing(12);
    text->addWidget(Label1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkAgain);
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(text);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Along the bottom row as it stands, the box first.
    setTabOrder(chkAgain, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    cmdOk->setFocus();
}

void WarningDialog::cmdOk_Click() {
    if (chkAgain->isChecked()) {
        // A store that refuses the value costs the user one more warning next time; the
        // run goes on regardless.
        settings_.write(Utf8Text(run_texts::kWarningSection), Utf8Text(run_texts::kWarnKey),
                        Utf8Text(run_texts::kWarnOff));
    }
    accept();
}

void WarningDialog::cmdCancel_Click() {
    answer_ = WarningAnswer::Cancel;
    reject();
}

void WarningDialog::keyPressEvent(QKeyEvent* event) {
    // Escape is the Cancel button, not merely a close: it stops the run.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

WarningAnswer AskNetworkWarning(SettingsStore& settings, QWidget* parent) {
    WarningDialog frmWarn(settings, parent);
    frmWarn.exec();
    return frmWarn.answer();
}

}  // namespace kestrune
