#include "ui/check/check_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <new>

#include "accessible_names.h"
#include "check/fake_share_backend.h"
#include "memory_settings_store.h"
#include "modal_script.h"
#include "ui/check/check_texts.h"

namespace {

using namespace kestrune;
using check::Outcome;

ActionList script() {
    ActionList list;
    list.append(kind::kMapDrive, icon::kDrive, "Map \\\\FILES\\APPS as G:\\");
    list.append(kind::kMapDrive, icon::kDrive, "Map \\\\FILES\\APSS as H:\\");
    list.append(kind::kMapPrinter, icon::kPrint, "Map printer \\\\FILES\\APPS on LPT2");
    list.append(kind::kMapDrive, icon::kHome, "Map home directory on the logon server as G:\\");
    list.append(kind::kMapDrive, icon::kDrive, "Map \\\\FILES\\NETLOGON as K:\\");
    list.append(kind::kOther, icon::kOther, "echo Welcome");
    return list;
}

// The check dialog on the script above, over the backends the test gives it.
struct Harness {
    kestrune::test::MemorySettingsStore settings;
    QStringList askedUsers;
    std::optional<QString> password = QStringLiteral("pw");
    std::unique_ptr<CheckDialog> dialog;
    ActionList list = script();

    void open(CheckDialog::BackendFactory backends) {
        dialog = std::make_unique<CheckDialog>(list, settings, nullptr, backends,
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

// A bad mapping or a refused password starts nothing; then a check runs on a worker and
// reports each action with a picture.
TEST(CheckDialog, ChecksOnAWorkerThenReportsEachActionWithAPicture) {
    Harness h;
    std::vector<check::Connection> made;  // written on the worker, read once it is done
    h.settings.write(check_texts::kSection, check_texts::kServersKey, "FILES=10.0.0.5");
    h.open([&made](const check::Connection& c) {
        made.push_back(c);
        return std::make_unique<test::FakeShareBackend>();
    });
    auto* servers = h.child<QLineEdit>("txtServers");
    EXPECT_EQ(servers->text(), "FILES=10.0.0.5");  // remembered
    EXPECT_EQ(test::unnamedControls(h.dialog.get()), QStringList());
    // Tab goes down the dialog as it reads.
    h.dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.dialog.get()));
    servers->setFocus();
    EXPECT_EQ(test::tabOrder(),
              (QStringList{"txtServers", "txtUser", "lstReport", "cmdCheck", "cmdClose"}));
    servers->clear();
    QTest::keyClicks(servers, "FILES=a:1 FILES");
    h.clickCheck();
    EXPECT_EQ(h.child<QLabel>("lblStatus")->text(), "Not NAME=ADDRESS[:PORT]: FILES");
    servers->setText("FILES=10.0.0.5");
    QTest::keyClicks(h.child<QLineEdit>("txtUser"), "admin");
    h.password = std::nullopt;
    h.clickCheck();
    EXPECT_EQ(h.askedUsers, QStringList{"admin"});
    EXPECT_EQ(h.child<QProgressDialog>("progress"), nullptr);  // no check started

    h.password = QStringLiteral("pw");
    QTest::keyClicks(servers, " print=[::1]:1445");
    QSignalSpy finished(h.dialog.get(), &CheckDialog::checkFinished);
    h.clickCheck();
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0].servers, (std::map<std::string, check::ServerAddress>{
                                   {"FILES", {"10.0.0.5", 0}}, {"PRINT", {"::1", 1445}}}));
    EXPECT_EQ(made[0].user, "admin");
    EXPECT_EQ(made[0].password, "pw");
    EXPECT_EQ(h.askedUsers, (QStringList{"admin", "admin"}));
    EXPECT_EQ(h.settings.value(check_texts::kSection, check_texts::kServersKey),
              "FILES=10.0.0.5 print=[::1]:1445");

    // A picture per outcome; the window's own test double-clicks a row.
    auto* report = h.child<QTreeWidget>("lstReport");
    const Outcome outcomes[] = {Outcome::Warning, Outcome::Problem, Outcome::Problem,
                                Outcome::Warning, Outcome::Ok,      Outcome::Skipped};
    // The picture says in words what it shows, to a screen reader.
    const char* const pictures[] = {"Checked, with a warning",      "Checked, a problem found",
                                    "Checked, a problem found",     "Checked, with a warning",
                                    "Checked, nothing wrong found", "Not checked"};
    ASSERT_EQ(report->topLevelItemCount(), 6);
    QAccessibleTableInterface* read =
        QAccessible::queryAccessibleInterface(report)->tableInterface();
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(report)->text(QAccessible::Name), "Report");
    for (int i = 0; i < 6; ++i) {
        const auto* item = report->topLevelItem(i);
        const std::string kind(h.list.at(static_cast<std::size_t>(i)).kind);
        EXPECT_EQ(item->text(0) + item->text(1), QString::number(i + 1) + kind.c_str());
        EXPECT_EQ(item->text(2), QString::fromLatin1(check::outcomeName(outcomes[i])));
        EXPECT_EQ(item->icon(2).cacheKey(), CheckDialog::outcomeIcon(outcomes[i]).cacheKey()) << i;
        QAccessibleInterface* result = read->cellAt(i, 2);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->text(QAccessible::Name), item->text(2));
        EXPECT_EQ(result->text(QAccessible::Description), pictures[i]);
    }
    EXPECT_EQ(report->topLevelItem(2)->text(3), "\\\\FILES\\APPS is not a printer share");
    EXPECT_EQ(h.child<QLabel>("lblStatus")->text(), "2 problem(s), 2 warning(s).");
}

// Memory runs out at the second question: the check ends there with its message, the report
// keeps what it had, and the program goes on.
struct GreedyBackend : test::FakeShareBackend {
    check::ShareAnswer share(const std::string& server, const std::string& name) override {
        if (!asked.empty()) {
            throw std::bad_alloc();
        }
        return FakeShareBackend::share(server, name);
    }
};

TEST(CheckDialog, RunningOutOfMemoryEndsTheCheckWithItsMessage) {
    Harness h;
    h.open([](const check::Connection&) { return std::make_unique<GreedyBackend>(); });
    QSignalSpy finished(h.dialog.get(), &CheckDialog::checkFinished);
    h.clickCheck();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(h.child<QTreeWidget>("lstReport")->topLevelItemCount(), 1);
    EXPECT_EQ(h.child<QLabel>("lblStatus")->text(),
              "The check ran out of memory: the actions after these were not checked.");
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
    auto entered = std::make_shared<std::promise<void>>();
    auto release = std::make_shared<std::promise<void>>();
    auto gone = std::make_shared<std::promise<void>>();
    const auto enteredFuture = entered->get_future();
    const auto goneFuture = gone->get_future();
    std::shared_future<void> go = release->get_future().share();
    QPointer<QThread> worker;  // the backend is made on the worker thread
    Harness h;
    h.open([=, &worker](const check::Connection&) {
        worker = QThread::currentThread();
        auto backend = std::make_unique<SlowBackend>();
        backend->entered = entered;
        backend->go = go;
        backend->gone = gone;
        return backend;
    });
    QSignalSpy finished(h.dialog.get(), &CheckDialog::checkFinished);
    h.clickCheck();
    enteredFuture.wait();  // the worker is stuck on the server; this thread is not

    auto* progress = h.child<QProgressDialog>("progress");
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    // Modal to nothing: modal to the dialog, it would hold the window the dialog belongs to.
    EXPECT_EQ(progress->windowModality(), Qt::NonModal);
    EXPECT_EQ(progress->labelText(), "Checking the shares, printers and files...");
    QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(h.child<QLabel>("lblStatus")->text(),
              "Cancelled: the actions after these were not checked.");
    EXPECT_EQ(h.child<QTreeWidget>("lstReport")->topLevelItemCount(), 0);

    // Closed while the worker still waits: it finishes on its own and nothing reaches the
    // dialog that is gone.
    h.dialog.reset();
    release->set_value();
    goneFuture.wait();
    EXPECT_TRUE(QTest::qWaitFor([&worker] { return worker.isNull(); }, 30000));
}

}  // namespace
