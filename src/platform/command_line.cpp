#include "platform/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#include "core/cp1252_text.h"

#ifdef Q_OS_WIN
#include "core/windows_api.h"

#include <QDir>

#include "platform/text_codec.h"
#endif

namespace kestrune {

namespace {

#ifdef Q_OS_WIN
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

bool isAbsolute(const std::string& path) {
#ifdef Q_OS_WIN
    return path[0] == '\\' || path[0] == '/' || (path.size() > 1 && path[1] == ':');
#else
    return path[0] == '/';
#endif
}

std::string currentFolder() {
#ifdef Q_OS_WIN
    return PathBytes(QDir::toNativeSeparators(QDir::currentPath()));
#else
    std::error_code error;
    return std::filesystem::current_path(error).native();
#endif
}

// The words of the command line that are no option: all after "--", and every other that
// doesn't begin with "-" (the options take no values).
std::vector<std::string> positional(const std::vector<std::string>& arguments) {
    std::vector<std::string> words;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (optionsEnded || word.size() < 2 || word[0] != '-') {
            words.push_back(word);
        }
    }
    return words;
}

}  // namespace

QString CommandTail(const QString& commandLine) {
    qsizetype i = 0;
    const qsizetype n = commandLine.size();
    if (n > 0 && commandLine[0] == QLatin1Char('"')) {
        i = commandLine.indexOf(QLatin1Char('"'), 1);
        i = i < 0 ? n : i + 1;
    } else {
        while (i < n && commandLine[i] != QLatin1Char(' ') && commandLine[i] != QLatin1Char('\t')) {
            ++i;
        }
    }
    return commandLine.mid(i);
}

std::string AbsolutePath(const std::string& path, const std::string& currentFolder) {
    if (path.empty() || path[0] == '"' || isAbsolute(path) || currentFolder.empty()) {
        return path;
    }
    if (currentFolder.back() == kSeparator) {
        return currentFolder + path;
    }
    return currentFolder + kSeparator + path;
}

StartRequest ParseStartCommand(const std::vector<std::string>& arguments,
                               const std::string& currentFolder) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds logon scripts for Windows clients. FILE is a template (.lst) "
                       "or a batch script to open."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The template or batch script to open."),
                                 QStringLiteral("[FILE]"));
    QStringList words;
    for (const std::string& argument : arguments) {
        words << QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size()));
    }
    const bool parsed = parser.parse(words);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // The parser names the program by how it was started, or not at all before the
        // application exists: the usage names the command.
        QString text = parser.helpText();
        const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
        if (options >= 0) {
            text = QStringLiteral("Usage: kestrune") + text.mid(options);
        }
        return {StartRequest::Kind::Print, text, {}};
    }
    if (parser.isSet(version)) {
        return {StartRequest::Kind::Print,
                QStringLiteral("kestrune ") + QCoreApplication::applicationVersion() +
                    QLatin1Char('\n'),
                {}};
    }
    if (!parsed) {
        return {StartRequest::Kind::Fail,
                QStringLiteral("kestrune: ") + parser.errorText() +
                    QStringLiteral("\nTry 'kestrune --help' for more information.\n"),
                {}};
    }
    std::string joined;
    for (const std::string& word : positional(arguments)) {
        joined += joined.empty() ? word : ' ' + word;
    }
    return {
        StartRequest::Kind::Open, {}, AbsolutePath(std::string(trimmed(joined)), currentFolder)};
}

StartRequest ProcessStartCommand(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    StartRequest request = ParseStartCommand(arguments, currentFolder());
#ifdef Q_OS_WIN
    // Windows hands the program one text; the path is all of it after the program's name,
    // quotes and all, unless options came with it.
    if (request.kind == StartRequest::Kind::Open &&
        positional(arguments).size() + 1 == arguments.size()) {
        const std::string tail(
            trimmed(PathBytes(CommandTail(QString::fromWCharArray(GetCommandLineW())))));
        request.path = AbsolutePath(tail, currentFolder());
    }
#endif
    return request;
}

}  // namespace kestrune
