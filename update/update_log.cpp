#include "update/update_log.h"

#include "app/local_time.h"
#include "app/os.h"
#include "store/text_utils.h"
#include "update/update_os.h"
#include "update/update_paths.h"

void LogUpdate(const std::string& programFolder, const std::string& text) {
    const LocalTime t = ToLocalTime(Os().Now());
    const std::string line = FormatText("%04d-%02d-%02d %02d:%02d:%02d ", t.year, t.month, t.day, t.hour, t.minute,
                                        t.second) + text + "\r\n";
    const std::string path = UpdateLogPath(programFolder);
    UpdateOs().CreateFolders(ParentFolder(path));
    UpdateOs().AppendToFile(path, line);
}
