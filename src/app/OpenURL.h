#pragma once

#include <QString>

// The shell-open routine: hands a web address, a "mailto:" text or a quoted
// file path to the desktop, which opens it with its default program.
// Nothing is reported, whatever happens.
class TMisc {
public:
    static void Open(const QString& target);
};
