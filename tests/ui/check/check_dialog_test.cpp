#include "ui/check/check_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <future>

#include "check/fake_share_backend.h"
#include "memory_settings_store.h"
#include "ui/check/check_texts.h"

namespace {

using namespace kestrune;
using check::Outcome;

ActionList script() {
    ActionList list;
    list.append("a", kind::kMapDrive, icon::kDrive, "Map \\\\FILES\\APPS as G:\\");
    list.append("b", kind::kMapDrive, icon::kDrive, "Map \\\\FILES\\APSS as H:\\");
    list.append("c", kind::kMapPrinter, icon::kPrint, "Map printer \\\\FILES\\APPS on LPT2");
    list.append("d", kind::kMapDrive, icon::kHome,
                "Map home directory on the logon server as G:\\");
    return list;
}

// The check dialog on the script above, with the fake network made on the worker.
struct Harness {
    kestrune::testing::MemorySettingsStore settings;
    std::vector<check::Connection> made;  // written on the worker, read once it is done
    QStringList askedUsers;
    std::optional<QString> password = QStringLiteral("pw");
    std::unique_ptr<CheckDialog> dialog;

    void open() {
        dialog = std::make_unique<CheckDialog>(
            script(), settings, nullptr,
            [this](const check::Connection& c) {
                made.push_back(c);
                return std::make_unique<test::FakeShareBackend>();
            },
            [this](const QString& user) {
                askedUsers << user;
                return password;
            });
        dialog->show();
    }
    template <class T>
    T* child(const char* name) {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    void clickCheck() { QTest::mouseClick(child<QPushButton>("cmdCheck"), Qt::LeftButton); }
};

TEST(CheckDialog, ChecksOnAWorkerThenReportsEachActionWithAPicture) {
    Harness h;
    h.settings.write(check_texts::kSection, check_texts::kServersKey, "FILES=10.0.0.5");
    h.open();
    EXPECT_EQ(h.child<QLineEdit>("txtServers")->text(), "FILES=10.0.0.5");  // remembered
    QTest::keyClicks(h.child<QLineEdit>("txtServers"), " print=[::1]:1445");
    QTest::keyClicks(h.child<QLineEdit>("txtUser"), "admin");
    QSignalSpy finished(h.dialog.get(), &CheckDialog::checkFinished);
    h.clickCheck();
    ASSERT_TRUE(finished.wait(30000));

    ASSERT_EQ(h.made.size(), 1u);
    EXPECT_EQ(h.made[0].servers, (std::map<std::string, check::ServerAddress>{
                                     {"FILES", {"10.0.0.5", 0}}, {"PRINT", {"::1", 1445}}}));
    EXPECT_EQ(h.made[0].user, "admin");
    EXPECT_EQ(h.made[0].password, "pw");
    EXPECT_EQ(h.askedUsers, QStringList{"admin"});
    EXPECT_EQ(h.settings.value(check_texts::kSection, check_texts::kServersKey),
              "FILES=10.0.0.5 print=[::1]:1445");

    auto* report = h.child<QTreeWidget>("lstReport");
    const auto drive = QStringLiteral("drive G: is mapped by actions 1 and 4");
    const std::tuple<QString, Outcome, QString> rows[] = {
        {"Map Drive", Outcome::Warning, drive},
        {"Map Drive", Outcome::Problem, "no share named APSS on FILES"},
        {"Map Printer", Outcome::Problem, "\\\\FILES\\APPS is not a printer share"},
        {"Map Drive", Outcome::Warning, drive},
    };
    ASSERT_EQ(report->topLevelItemCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const auto* item = report->topLevelItem(i);
        const auto& [kindText, outcome, reason] = rows[i];
        EXPECT_EQ(item->text(0), QString::number(i + 1));
        EXPECT_EQ(item->text(1), kindText);
        EXPECT_EQ(item->text(2), QString::fromLatin1(check::outcomeName(outcome)));
        EXPECT_EQ(item->icon(2).cacheKey(), CheckDialog::outcomeIcon(outcome).cacheKey()) << i;
        EXPECT_EQ(item->text(3), reason);
    }
    EXPECT_EQ(h.child<QLabel>("lblStatus")->text(), "2 problem(s), 2 warning(s).");

    // Double-clicking a row names that action's row in the list.
    QSignalSpy activated(h.dialog.get(), &CheckDialog::actionActivated);
    const auto at = report->visualItemRect(report->topLevelItem(2)).center();
    QTest::mouseClick(report->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(report->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(activated.size(), 1);
    EXPECT_EQ(activated[0][0].toInt(), 2);
}

TEST(CheckDialog, ABadMappingOrARefusedPasswordStartsNothing) {
    Harness h;
    h.open();
    QTest::keyClicks(h.child<QLineEdit>("txtServers"), "FILES=a:1 FILES");
    h.clickCheck();
    EXPECT_EQ(h.child<QLabel>("lblStatus")->text(), "Not NAME=ADDRESS[:PORT]: FILES");
    h.child<QLineEdit>("txtServers")->clear();
    QTest::keyClicks(h.child<QLineEdit>("txtUser"), "admin");
    h.password = std::nullopt;
    h.clickCheck();
    EXPECT_EQ(h.askedUsers, QStringList{"admin"});
    EXPECT_EQ(h.child<QProgressDialog>("progress"), nullptr);
    EXPECT_TRUE(h.made.empty());
}

// A server that takes its time: the first question waits until the test lets it go.
struct SlowBackend : test::FakeShareBackend {
    std::shared_ptr<std::promise<void>> entered, gone;
    std::shared_future<void> go;
    check::ShareAnswer share(const std::string& server, const std::string& name) override {
        if (entered) {
            entered->set_value();
            entered.reset();
            go.wait();
        }
        return FakeShareBackend::share(server, name);
    }
    ~SlowBackend() override { gone->set_value(); }
};

TEST(CheckDialog, CancelStopsWaitingWhileTheWindowStaysUsable) {
    kestrune::testing::MemorySettingsStore settings;
    auto entered = std::make_shared<std::promise<void>>();
    auto release = std::make_shared<std::promise<void>>();
    auto gone = std::make_shared<std::promise<void>>();
    const auto enteredFuture = entered->get_future();
    const auto goneFuture = gone->get_future();
    std::shared_future<void> go = release->get_future().share();
    QPointer<QThread> worker;  // the backend is made on the worker thread
    auto dialog = std::make_unique<CheckDialog>(script(), settings, nullptr,
                                                [=, &worker](const check::Connection&) {
                                                    worker = QThread::currentThread();
                                                    auto backend = std::make_unique<SlowBackend>();
                                                    backend->entered = entered;
                                                    backend->go = go;
                                                    backend->gone = gone;
                                                    return backend;
                                                });
    dialog->show();
    QSignalSpy finished(dialog.get(), &CheckDialog::checkFinished);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCheck"), Qt::LeftButton);
    enteredFuture.wait();  // the worker is stuck on the server; this thread is not

    auto* progress = dialog->findChild<QProgressDialog*>("progress");
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->labelText(), "Checking the shares, printers and files...");
    QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(dialog->findChild<QLabel*>("lblStatus")->text(),
              "Cancelled: the actions after these were not checked.");
    EXPECT_EQ(dialog->findChild<QTreeWidget*>("lstReport")->topLevelItemCount(), 0);

    // Closed while the worker still waits: it finishes on its own and nothing reaches the
    // dialog that is gone.
    dialog.reset();
    release->set_value();
    goneFuture.wait();
    EXPECT_TRUE(QTest::qWaitFor([&worker] { return worker.isNull(); }, 30000));
}

}  // namespace
