#include "platform/qt_prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "platform/shown_text.h"

namespace kestrune {

QString CompareButtonText() {
    return Translated("Prompts", QT_TRANSLATE_NOOP("Prompts", "Compare…"));
}

QString QtFileFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // Windows separates a filter's patterns with ";", Qt with blanks.
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
        }
        const QString bracketed =
            QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        // Qt takes the patterns from the description's brackets (the native Windows dialog
        // from its first ones): a description that names fewer patterns names them all.
        const qsizetype open = description.indexOf(QLatin1Char('('));
        const qsizetype close = description.indexOf(QLatin1Char(')'), open + 1);
        if (open >= 0 && close > open) {
            description.replace(open, close - open + 1, bracketed);
        } else {
            description += QLatin1Char(' ') + bracketed;
        }
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

QString DisplayedMessage(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton boxButton(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return QMessageBox::Ok;
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Save:
            return QMessageBox::Save;
        case Answer::Compare:
            break;  // no standard button: set apart
    }
    return QMessageBox::NoButton;
}

}  // namespace

Answer QtPrompts::message(const MessageRequest& request) {
    QMessageBox box(boxIcon(request.icon), request.title, DisplayedMessage(request.text),
                    QMessageBox::NoButton, parent_);
    QPushButton* compare = nullptr;
    switch (request.buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case MessageButtons::SaveCompareCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Cancel);
            compare = box.addButton(CompareButtonText(), QMessageBox::ActionRole);
            break;
    }
    if (request.defaultAnswer == Answer::Compare && compare != nullptr) {
        box.setDefaultButton(compare);
    } else if (request.defaultAnswer) {
        box.setDefaultButton(boxButton(*request.defaultAnswer));
    }
    const int clicked = box.exec();
    if (compare != nullptr && box.clickedButton() == compare) {
        return Answer::Compare;
    }
    switch (clicked) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Save:
            return Answer::Save;
        default:
            break;
    }
    return request.buttons == MessageButtons::Ok ? Answer::Ok : Answer::Cancel;
}

QString QtPrompts::chooseFile(const FileDialogRequest& request) {
    if (request.folder) {
        lastFolder_ = *request.folder;
    }
    QString start = lastFolder_;
    if (!request.fileName.isEmpty()) {
        start = QFileInfo(request.fileName).isAbsolute() || start.isEmpty()
                    ? request.fileName
                    : start + QLatin1Char('/') + request.fileName;
    }
    const QString filter = QtFileFilter(request.filter);
    const QString chosen =
        request.kind == FileDialogKind::Open
            ? QFileDialog::getOpenFileName(parent_, request.title, start, filter)
            : QFileDialog::getSaveFileName(parent_, request.title, start, filter);
    if (!chosen.isEmpty()) {
        lastFolder_ = QFileInfo(chosen).absolutePath();
    }
    return chosen;
}

}  // namespace kestrune
