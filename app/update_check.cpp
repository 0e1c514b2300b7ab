#include "app/update_check.h"

#include <string>

#include "base/os.h"
#include "net/http_client.h"
#include "net/server_url.h"
#include "store/local_files.h"
#include "base/byte_text.h"
#include "base/field_codec.h"
#include "base/server_files.h"

namespace {
// This release; the settings file records the same number as its format version.
constexpr int32_t OWN_VERSION = CAppCore::SETTINGS_VERSION;
// The version file goes to scratch file 0, as the server poll's files do.
constexpr int SCRATCH_NUMBER = 0;

const char UPDATE_QUESTION[] =
    "最新バージョンのプログラムが利用可能です。\nアップデートを行いますか？";
const char UP_TO_DATE[] = "現在プログラムは最新です。";

void StartUpdaterAndEnd(CAppCore& core, const std::function<void()>& leaveDesktop) {
    leaveDesktop();
    // Ending at once would lose what the user changed since the last save.
    core.SaveAll();
    Os().OpenWithShell(UpdaterPath(), FormatText("S%d", static_cast<int32_t>(core.m_updatedAt)));
    // A missing updater ends the program all the same: the user chose to update.
    Os().ExitProcessNow(0);
}
}  // namespace

bool CheckVersion() {
    FetchedText fetched;
    if (!FetchUrl(ServerFileUrl(RELEASE_NUMBER_FILE), ScratchFilePath(SCRATCH_NUMBER), fetched,
                  false, ""))
        return false;
    return ReadDecimal(FetchedBody(fetched)) > OWN_VERSION;
}

void AskAboutUpdate(CAppCore& core, const UpdateCheckAnswer& answer,
                    const std::function<void()>& leaveDesktop) {
    if (answer.newer) {
        if (Os().AskUser(UPDATE_QUESTION, MessageKind::YesNoQuestion) == MessageAnswer::Yes)
            StartUpdaterAndEnd(core, leaveDesktop);
        return;
    }
    if (answer.manual) Os().AskUser(UP_TO_DATE, MessageKind::Information);
}

void StartForcedUpdate() { Os().OpenWithShell(UpdaterPath(), ""); }
