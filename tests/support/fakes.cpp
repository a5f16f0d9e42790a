#include "support/fakes.h"

namespace vt::test {

FakeSystem::FakeSystem()
    : clock_(std::make_shared<FixedClock>()),
      shell_(std::make_shared<RecordingShell>()),
      dir_(std::make_shared<TempProgramDirectory>()) {
    setClock(clock_);
    setShell(shell_);
    setProgramDirectory(dir_);
}

FakeSystem::~FakeSystem() {
    setClock(nullptr);
    setShell(nullptr);
    setProgramDirectory(nullptr);
}

}  // namespace vt::test
