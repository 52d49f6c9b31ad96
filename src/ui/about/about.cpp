#include "ui/about/about.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "core/document.h"
#include "platform/program_folder.h"
#include "platform/program_start.h"
#include "platform/prompts.h"
#include "platform/shell_open.h"
#include "platform/system_lookup.h"
#include "platform/text_codec.h"
#include "ui/about/about_texts.h"

namespace kestrune {

namespace texts = about_texts;

QString VersionText() {
    return texts::Tr(texts::kVersion)
        .arg(QStringLiteral("%1.%2.%3")
                 .arg(KESTRUNE_VERSION_MAJOR)
                 .arg(KESTRUNE_VERSION_MINOR)
                 .arg(KESTRUNE_VERSION_PATCH));
}

QString FindSysInfo(SystemLookup& lookup, SysInfoSearch search) {
    if (search == SysInfoSearch::SearchPath) {
        for (const std::string_view name : texts::kSysInfoPrograms) {
            const QString found = lookup.findExecutable(Utf8Text(name));
            if (!found.isEmpty()) {
                return found;
            }
        }
        return {};
    }
    QString value;
    if (lookup.GetKeyValue(RegistryRoot::LocalMachine, Utf8Text(texts::kMsinfoKey),
                           Utf8Text(texts::kMsinfoPathValue), value)) {
        return value;
    }
    if (lookup.GetKeyValue(RegistryRoot::LocalMachine, Utf8Text(texts::kSharedToolsKey),
                           Utf8Text(texts::kMsinfoFolderValue), value)) {
        const QString program = value + Utf8Text(texts::kMsinfoProgram);
        if (lookup.fileExists(program)) {
            return program;
        }
    }
    return {};
}

bool StartSysInfo(const AboutContext& context) {
    const QString program = FindSysInfo(context.lookup, context.search);
    // The path alone is the command line; one with blanks in it must stay one word.
    if (!program.isEmpty() && context.programs.start(QuotedProgram(program))) {
        return true;
    }
    context.prompts.message({texts::Tr(texts::kSysInfoUnavailable), Utf8Text(kAppTitle),
                             MessageButtons::Ok, MessageIcon::None, std::nullopt});
    return false;
}

AboutBox::AboutBox(const AboutContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picIcon->setAccessibleName(texts::Tr(texts::kPicture));

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setTextFormat(Qt::PlainText);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setTextFormat(Qt::PlainText);

    lblDescription = new QLabel(
        texts::Tr(texts::kDescription) + QStringLiteral("\n\n") + texts::Tr(texts::kCredit), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setTextFormat(Qt::PlainText);
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(lblDescription->fontMetrics().averageCharWidth() * 50);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    cmdOk = new QPushButton(texts::Tr(texts::kOk), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdSysInfo = new QPushButton(texts::Tr(texts::kSysInfo), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAutoDefault(false);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(lblTitle);
    textColumn->addWidget(lblVersion);
    textColumn->addSpacing(8);
    textColumn->addWidget(lblDescription);

    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(textColumn, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdSysInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(line);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(cmdOk, cmdSysInfo);

    // Escape is the dialog's reject, which closes it as OK does.
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });

    Form_Load();
}

void AboutBox::Form_Load() {
    setWindowTitle(texts::Tr(texts::kCaption).arg(Utf8Text(kAppTitle)));
    lblTitle->setText(Utf8Text(kAppTitle));
    lblVersion->setText(VersionText());
    // The program's own picture, as its windows show it.
    const QIcon icon = windowIcon();
    if (!icon.isNull()) {
        picIcon->setPixmap(icon.pixmap(32, 32));
    }
}

void AboutBox::cmdOk_Click() {
    accept();
}

void AboutBox::cmdSysInfo_Click() {
    // The box stays open either way.
    StartSysInfo(context_);
}

void ShowAbout(const AboutContext& context, QWidget* parent) {
    AboutBox frmAbout(context, parent);
    frmAbout.exec();
}

QString HelpFilePath(const QString& programFolder) {
    const QString beside = FileInFolder(programFolder, texts::kHelpFile);
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    // Installed, the help is in the program's data folder, /usr/share/kestrune.
    const QString installed = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation,
        Utf8Text(texts::kHelpFolder) + QLatin1Char('/') + Utf8Text(texts::kHelpFile));
    return installed.isEmpty() ? beside : QDir::toNativeSeparators(installed);
}

void OpenHelp(ShellOpener& shell, Prompts& prompts, const QString& programFolder) {
    const QString path = HelpFilePath(programFolder);
    shell.openWatched(path, programFolder, [&prompts, path](bool opened) {
        if (!opened) {
            prompts.message({texts::Tr(texts::kHelpFailed).arg(path), Utf8Text(kAppTitle),
                             MessageButtons::Ok, MessageIcon::Critical, std::nullopt});
        }
    });
}

}  // namespace kestrune
