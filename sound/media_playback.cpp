#include "sound/media_playback.h"

#include "base/os.h"
#include "base/byte_text.h"

namespace {
// A longer file is cut off after this long; the worker must end so its handle is released.
constexpr int PLAY_WINDOW_MILLISECONDS = 20000;
// Settling time after "stop" and after "close".
constexpr int SETTLE_MILLISECONDS = 1000;

std::string TakeMediaAlias(std::atomic<uint32_t>& counter) {
    return FormatText("QZMedia%08X", static_cast<unsigned>(counter.fetch_add(1)));
}

// Only the last four bytes decide; ASCII lower-casing cannot touch a double-byte character
// there, because neither "." nor a letter can be its second byte after a lead byte.
std::string LowerCaseEnding(const std::string& path) {
    std::string ending = RightBytes(path, 4);
    for (char& c : ending) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return ending;
}

// The open command for the file's type; empty for a type the program does not play.
std::string OpenCommand(const std::string& path, const std::string& alias) {
    std::string ending = LowerCaseEnding(path);
    if (ending == ".wav") return FormatText("open \"%s\" alias %s", path.c_str(), alias.c_str());
    if (ending == ".mp3") {
        return FormatText("open \"%s\" type mpegvideo alias %s", path.c_str(), alias.c_str());
    }
    return std::string();
}
}  // namespace

void PlayThroughMediaPlayer(const std::string& path, int delayMilliseconds,
                            std::atomic<uint32_t>& aliasCounter, MciChannel& mci) {
    if (delayMilliseconds != 0) Os().SleepMilliseconds(delayMilliseconds);
    std::string alias = TakeMediaAlias(aliasCounter);
    mci.Send(OpenCommand(path, alias));
    mci.Send("play " + alias);
    Os().SleepMilliseconds(PLAY_WINDOW_MILLISECONDS);
    mci.Send("stop " + alias);
    Os().SleepMilliseconds(SETTLE_MILLISECONDS);
    mci.Send("close " + alias);
    Os().SleepMilliseconds(SETTLE_MILLISECONDS);
}
