#include "update/interrupted_update.h"

#include "update/update_journal.h"
#include "update/update_log.h"
#include "base/os.h"

void EndInterruptedUpdate(const std::string& programFolder) {
    if (!Os().AcquireUpdateLock()) return;
    switch (RecoverUnfinishedSwap(programFolder)) {
    case RecoveryResult::Finished:
        LogUpdate(programFolder, "the panel finished the previous swap");
        break;
    case RecoveryResult::RolledBack:
        LogUpdate(programFolder, "the panel rolled back the previous swap");
        break;
    case RecoveryResult::Failed:
        LogUpdate(programFolder, "the panel could not end the previous swap");
        break;
    case RecoveryResult::NothingToDo: break;
    }
    // Held no longer than this, so that an updater started later is not turned away.
    Os().ReleaseUpdateLock();
}
