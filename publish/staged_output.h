// The output files of one run, written so that a reader of the folder sees either the previous
// run's files or this run's, never a part of one: every file is first written whole beside its
// target, and only when all are written are they renamed over the old ones.
#pragma once

#include <string>
#include <utility>
#include <vector>

class StagedOutput {
public:
    // A file below the output folder ("iadat2.dat", "prims/version.dat").
    void Add(std::string relativePath, std::string bytes);

    // Writes every file to a temporary name of this run's own ("NAME.publish-new.PID"), then
    // renames each over its target and flushes the folders that hold them. When a temporary
    // file cannot be written, the ones written are removed and no target is touched; false,
    // with the file and reason in `error`.
    bool Commit(const std::string& folder, std::string& error) const;

private:
    std::vector<std::pair<std::string, std::string>> files_;
};
