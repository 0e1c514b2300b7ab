#include "metatrader/developer_digest.h"

#include "metatrader/file_digest.h"
#include "metatrader/signal_copy_ea.h"

std::string SignalCopyEaDigest(const TerminalFolderEntry& signalCopyFolder) {
    const QzgiPaths paths = QzgiPathsFor(signalCopyFolder);
    return paths.ea.empty() ? "" : FileDigest(paths.ea);
}
