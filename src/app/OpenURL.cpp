#include "app/OpenURL.h"

#include "app/base/services.h"

void TMisc::Open(const QString& target) { vt::shell().open(target); }
