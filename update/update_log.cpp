#include "update/update_log.h"

#include "base/local_time.h"
#include "base/os.h"
#include "base/byte_text.h"
#include "base/cp932_text.h"
#include "base/field_codec.h"
#include "update/update_paths.h"

void LogUpdate(const std::string& programFolder, const std::string& text) {
    const LocalTime t = ToLocalTime(Os().Now());
    const std::string line = FormatText("%04d-%02d-%02d %02d:%02d:%02d ", t.year, t.month, t.day,
                                        t.hour, t.minute, t.second) +
                             text + "\r\n";
    const std::string path = UpdateLogPath(programFolder);
    Os().CreateFolders(ParentFolder(path));
    Os().AppendToFile(path, line);
}
