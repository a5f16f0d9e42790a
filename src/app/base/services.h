#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <memory>

namespace vt {

// The program's contact points with the machine that tests need to control:
// the clock, the program's own folder and the desktop's "open". Each has a
// default that talks to the real system and can be replaced for a test.

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const;
    virtual QTime now() const;
};

class ProgramDirectory {
public:
    virtual ~ProgramDirectory() = default;
    // The executable's folder, ending with a path separator.
    virtual QString path() const;
};

class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    // Hands a web address, a "mailto:" text or a file path to the desktop.
    virtual void open(const QString& target);
};

Clock& clock();
ProgramDirectory& programDirectory();
ShellOpener& shell();

// Replacing a service: pass nullptr to go back to the real one.
void setClock(std::shared_ptr<Clock> replacement);
void setProgramDirectory(std::shared_ptr<ProgramDirectory> replacement);
void setShell(std::shared_ptr<ShellOpener> replacement);

// Shorthands.
inline QDate today() { return clock().today(); }
inline QString programDir() { return programDirectory().path(); }

}  // namespace vt
