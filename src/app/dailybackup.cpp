#include "app/dailybackup.h"

#include <QApplication>
#include <QThread>

#include "app/base/services.h"
#include "app/base/serviceslot.h"
#include "app/uiservices.h"

namespace vt {

BackupService::BackupService() : receiver_(std::make_unique<QObject>()) {}

BackupService::~BackupService() {
    finish();
}

bool BackupService::running() const {
    return thread_ && thread_->isRunning();
}

void BackupService::startDaily(QWidget* reportTo) {
    if (running()) return;
    waitForCopy();
    reportTo_ = reportTo;
    cancel_ = false;
    // The clock and the folder are asked here, on the user-interface
    // thread; the worker only copies.
    const QString dir = programDir();
    const QDate day = today();
    QObject* receiver = receiver_.get();
    thread_.reset(QThread::create([this, receiver, dir, day] {
        const backup::Outcome outcome = backup::makeDailyBackup(dir, day, &cancel_);
        QMetaObject::invokeMethod(
            receiver, [this, outcome] { report(outcome); }, Qt::QueuedConnection);
    }));
    thread_->start(QThread::LowPriority);
}

void BackupService::report(const backup::Outcome& outcome) {
    if (outcome.kind != backup::Outcome::Kind::Failed) return;
    QWidget* owner = reportTo_;
    if (QWidget* active = QApplication::activeWindow()) owner = active;
    error(owner, backup::failureText(outcome));
}

void BackupService::waitForCopy() {
    if (!thread_) return;
    thread_->wait();
    thread_.reset();
    QCoreApplication::sendPostedEvents(receiver_.get());
}

void BackupService::finish() {
    if (!thread_) return;
    cancel_ = true;
    thread_->wait();
    thread_.reset();
}

BackupService& backups() {
    return *detail::serviceSlot<BackupService>().current;
}
void setBackups(std::shared_ptr<BackupService> replacement) {
    detail::serviceSlot<BackupService>().set(std::move(replacement));
}

}  // namespace vt
