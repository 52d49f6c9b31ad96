// The window tests run headless and never touch the user's own settings or home: Qt is
// pointed at the offscreen platform and at a temporary home before it starts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/translations.h"

namespace {

// The offscreen platform says so for every window it can't raise or size-hint; that is
// no news to these tests.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg && text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    qt_message_output(type, context, text);
}

}  // namespace

// Read by LeakSanitizer in the sanitizer build. libsmbclient keeps a little memory for each
// thread that has asked it something (its talloc stack frames) and never gives it back once
// the thread has ended: each Check Script's worker thread leaves that much behind.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libtalloc.so\n";
}

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    if (!home.isValid()) {
        return 2;
    }
    const QByteArray path = home.path().toLocal8Bit();
    for (const char* name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        qputenv(name, path);
    }
    qputenv("XDG_RUNTIME_DIR", path);
    QStandardPaths::setTestModeEnabled(true);

    QApplication app(argc, argv);
    // The texts the tests read are the program's own English ones, whatever the system's
    // language; a test of another language chooses it here too, and comes back to English.
    kestrune::UseLanguage(QLocale(QLocale::English));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
