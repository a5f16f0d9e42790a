#pragma once

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>
#include <QTime>
#include <memory>

#include "app/base/services.h"

namespace vt::test {

class FixedClock : public Clock {
public:
    QDate day{2026, 12, 9};
    QTime time{10, 30, 15};
    QDate today() const override { return day; }
    QTime now() const override { return time; }
};

class RecordingShell : public ShellOpener {
public:
    QStringList opened;
    void open(const QString& target) override { opened.append(target); }
};

class TempProgramDirectory : public ProgramDirectory {
public:
    QTemporaryDir dir;
    QString path() const override { return dir.path() + u'/'; }
};

// Replaces the clock, the program folder (a fresh temporary folder) and the
// shell for the life of the object.
class FakeSystem {
public:
    FakeSystem();
    ~FakeSystem();
    FakeSystem(const FakeSystem&) = delete;
    FakeSystem& operator=(const FakeSystem&) = delete;

    FixedClock& clock() { return *clock_; }
    RecordingShell& shell() { return *shell_; }
    // The program folder, ending with '/'.
    QString dir() const { return dir_->path(); }
    QString file(const QString& name) const { return dir() + name; }

private:
    std::shared_ptr<FixedClock> clock_;
    std::shared_ptr<RecordingShell> shell_;
    std::shared_ptr<TempProgramDirectory> dir_;
};

}  // namespace vt::test
