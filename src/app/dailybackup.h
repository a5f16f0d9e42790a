#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <memory>

#include "archive/backup.h"

class QThread;

namespace vt {

// The day's copy of the archives, started after a successful login. The
// copy runs in a worker thread, so the main menu stays usable however large
// the attachments folder is; its outcome comes back to the user-interface
// thread, where a failure is shown once. Tests replace the service.
class BackupService {
public:
    BackupService();
    virtual ~BackupService();
    BackupService(const BackupService&) = delete;
    BackupService& operator=(const BackupService&) = delete;

    // Starts today's copy unless one exists; a failure is reported to the
    // user, with `reportTo` as the message's owner.
    virtual void startDaily(QWidget* reportTo);
    // Stops a copy still running and waits for it (at the program's end).
    virtual void finish();
    // Waits for the copy under way, then delivers its outcome.
    void waitForCopy();
    bool running() const;

private:
    void report(const backup::Outcome& outcome);

    std::unique_ptr<QThread> thread_;
    std::atomic<bool> cancel_{false};
    QPointer<QWidget> reportTo_;
    // Receives the outcome on the user-interface thread; an outcome still
    // queued when the service goes is dropped with it.
    std::unique_ptr<QObject> receiver_;
};

BackupService& backups();
// Pass nullptr to go back to the real service.
void setBackups(std::shared_ptr<BackupService> replacement);

}  // namespace vt
