#include "ui/check/check_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <new>

#include "check/check_texts.h"
#include "platform/settings_store.h"
#include "platform/text_codec.h"
#include "ui/check/check_texts.h"

namespace kestrune {

// The one worker of a check: makes the backend there, since a backend answers on the thread
// that made it, and hands each result back to the dialog through a queued signal.
class CheckThread : public QThread {
    Q_OBJECT

  public:
    CheckThread(std::shared_ptr<const ActionList> list, check::Connection connection,
                CheckDialog::BackendFactory backends, std::shared_ptr<std::atomic<bool>> stop)
        : list_(std::move(list)),
          connection_(std::move(connection)),
          backends_(std::move(backends)),
          stop_(std::move(stop)) {}

  signals:
    void result(int position, const QString& kind, int outcome, const QString& reason);
    // failure: why the check ended early, empty when it didn't.
    void done(const QString& failure);

  protected:
    void run() override {
        // Out of memory, the check ends with its message; the window and its list go on.
        std::optional<Message> failure;
        try {
            if (auto backend = backends_(connection_)) {
                check::Checker checker(*backend);
                checker.run(*list_, [this](const check::CheckResult& r) {
                    if (*stop_) {
                        return false;
                    }
                    emit result(static_cast<int>(r.position), KindLabel(r.kind),
                                static_cast<int>(r.outcome), ShownMessage(r.reason));
                    return !*stop_;
                });
                failure = checker.failure();
            }
        } catch (const std::bad_alloc&) {
            failure = check::texts::outOfMemory();
        }
        emit done(failure ? ShownMessage(*failure) : QString());
    }

  private:
    const std::shared_ptr<const ActionList> list_;
    const check::Connection connection_;
    const CheckDialog::BackendFactory backends_;
    const std::shared_ptr<std::atomic<bool>> stop_;
};

struct CheckDialog::Run {
    std::shared_ptr<std::atomic<bool>> stop = std::make_shared<std::atomic<bool>>(false);
    CheckThread* thread = nullptr;
};

CheckDialog::CheckDialog(ActionList list, SettingsStore& settings, QWidget* parent,
                         BackendFactory backends, PasswordAsker askPassword)
    : CheckDialog([list = std::make_shared<const ActionList>(std::move(list))] { return *list; },
                  settings, parent, std::move(backends), std::move(askPassword)) {}

CheckDialog::CheckDialog(ListSource source, SettingsStore& settings, QWidget* parent,
                         BackendFactory backends, PasswordAsker askPassword)
    : QDialog(parent),
      source_(std::move(source)),
      settings_(settings),
      backends_(std::move(backends)),
      askPassword_(std::move(askPassword)),
      txtServers_(new QLineEdit(this)),
      txtUser_(new QLineEdit(this)),
      cmdCheck_(new QPushButton(check_texts::Tr(check_texts::kCheck), this)),
      lstReport_(new QTreeWidget(this)),
      lblStatus_(new QLabel(this)) {
    setWindowTitle(check_texts::Tr(check_texts::kTitle));
    txtServers_->setObjectName(QStringLiteral("txtServers"));
    txtServers_->setPlaceholderText(check_texts::Tr(check_texts::kServersHint));
    txtServers_->setText(settings_.read(check_texts::kSection, check_texts::kServersKey).text);
    txtUser_->setObjectName(QStringLiteral("txtUser"));
    txtUser_->setPlaceholderText(check_texts::Tr(check_texts::kUserHint));
    cmdCheck_->setObjectName(QStringLiteral("cmdCheck"));
    cmdCheck_->setDefault(true);
    lstReport_->setObjectName(QStringLiteral("lstReport"));
    lstReport_->setAccessibleName(check_texts::Tr(check_texts::kReport));
    lstReport_->setHeaderLabels(check_texts::columns());
    lstReport_->setRootIsDecorated(false);
    lstReport_->setUniformRowHeights(true);
    lstReport_->header()->setStretchLastSection(true);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(check_texts::Tr(check_texts::kServers), txtServers_);
    form->addRow(check_texts::Tr(check_texts::kUser), txtUser_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdCheck_, QDialogButtonBox::ActionRole);
    QPushButton* close =
        buttons->addButton(check_texts::Tr(check_texts::kClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lstReport_, 1);
    layout->addWidget(lblStatus_);
    layout->addWidget(buttons);
    resize(640, 400);
    // Down the dialog as it reads, the report before the buttons under it.
    setTabOrder(txtServers_, txtUser_);
    setTabOrder(txtUser_, lstReport_);
    setTabOrder(lstReport_, cmdCheck_);
    setTabOrder(cmdCheck_, close);

    connect(cmdCheck_, &QPushButton::clicked, this, &CheckDialog::startCheck);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstReport_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int row = item->data(0, Qt::UserRole).toInt();
        if (checked_ && row >= 0 && static_cast<std::size_t>(row) < checked_->size()) {
            emit actionActivated(row, checked_->keyAt(static_cast<std::size_t>(row)));
        }
    });
}

CheckDialog::~CheckDialog() {
    // A check still running stops after its current question and cleans up after itself.
    if (run_) {
        *run_->stop = true;
        run_->thread->disconnect(this);
    }
}

QIcon CheckDialog::outcomeIcon(check::Outcome outcome) {
    static const QIcon icons[] = {
        QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton),
        QApplication::style()->standardIcon(QStyle::SP_MediaSkipForward),
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning),
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical),
    };
    return icons[static_cast<int>(outcome)];
}

std::optional<QString> CheckDialog::askPasswordDialog(const QString& user) {
    bool ok = false;
    const auto password =
        QInputDialog::getText(this, check_texts::Tr(check_texts::kPasswordTitle),
                              check_texts::passwordPrompt(user), QLineEdit::Password, {}, &ok);
    return ok ? std::optional(password) : std::nullopt;
}

void CheckDialog::startCheck() {
    if (run_) {
        return;
    }
    check::Connection connection;
    const auto text = txtServers_->text().trimmed();
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    for (const auto& part : text.split(separators, Qt::SkipEmptyParts)) {
        const auto mapping = check::parseServerMapping(part.toStdString());
        if (!mapping) {
            lblStatus_->setText(check_texts::badMapping(part));
            return;
        }
        connection.servers[mapping->first] = mapping->second;
    }
    settings_.write(check_texts::kSection, check_texts::kServersKey, text);
    const auto user = txtUser_->text().trimmed();
    if (!user.isEmpty()) {
        const auto password = askPassword_ ? askPassword_(user) : askPasswordDialog(user);
        if (!password) {
            return;
        }
        connection.user = user.toStdString();
        connection.password = password->toStdString();
    }

    lstReport_->clear();
    lblStatus_->clear();
    problems_ = warnings_ = 0;
    cmdCheck_->setEnabled(false);
    checked_ = std::make_shared<const ActionList>(source_());
    run_ = std::make_shared<Run>();
    run_->thread = new CheckThread(checked_, std::move(connection), backends_, run_->stop);
    connect(run_->thread, &CheckThread::result, this,
            [this](int position, const QString& kind, int outcome, const QString& reason) {
                addResult(position, kind, static_cast<check::Outcome>(outcome), reason);
            });
    connect(run_->thread, &CheckThread::done, this,
            [this](const QString& failure) { finishCheck(false, failure); });
    connect(run_->thread, &QThread::finished, run_->thread, &QObject::deleteLater);

    // Modal to nothing: modal even to this dialog alone, it would hold the window that owns
    // the dialog too, and the list is to stay usable while the servers are asked.
    progress_ = new QProgressDialog(check_texts::Tr(check_texts::kProgress),
                                    check_texts::Tr(check_texts::kCancel), 0,
                                    static_cast<int>(checked_->size()), this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setWindowModality(Qt::NonModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    connect(progress_, &QProgressDialog::canceled, this, [this] { finishCheck(true); });
    progress_->show();
    run_->thread->start();
}

void CheckDialog::cancelCheck() {
    finishCheck(true);
}

void CheckDialog::addResult(int position, const QString& kind, check::Outcome outcome,
                            const QString& reason) {
    auto* item = new QTreeWidgetItem(lstReport_);
    item->setData(0, Qt::UserRole, position - 1);
    item->setText(0, QString::number(position));
    item->setText(1, kind);
    item->setIcon(2, outcomeIcon(outcome));
    item->setText(2, check_texts::outcomeName(outcome));
    item->setData(2, Qt::AccessibleDescriptionRole, check_texts::outcomePicture(outcome));
    item->setText(3, reason);
    item->setToolTip(3, reason);
    problems_ += outcome == check::Outcome::Problem;
    warnings_ += outcome == check::Outcome::Warning;
    if (progress_) {
        progress_->setValue(position);
    }
}

void CheckDialog::finishCheck(bool cancelled, const QString& failure) {
    if (!run_) {
        return;
    }
    *run_->stop = true;
    run_->thread->disconnect(this);
    run_.reset();
    if (progress_) {
        progress_->disconnect(this);
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
    }
    for (int column = 0; column < 3; ++column) {
        lstReport_->resizeColumnToContents(column);
    }
    lblStatus_->setText(cancelled           ? check_texts::Tr(check_texts::kCancelled)
                        : failure.isEmpty() ? check_texts::summary(problems_, warnings_)
                                            : failure);
    cmdCheck_->setEnabled(true);
    emit checkFinished();
}

}  // namespace kestrune

#include "check_dialog.moc"
