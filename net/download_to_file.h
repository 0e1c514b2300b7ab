// The download behind SystemDownload: the system's download service on Windows
// (download_to_file_win32.cpp), a plain HTTP GET elsewhere (download_to_file_posix.cpp).
#pragma once

#include <string>

// Saves the answer's body as localFile, asking every cache on the way for a fresh copy; false
// when the download failed.
bool DownloadToFile(const std::string& url, const std::string& localFile);
