#include "metatrader/folder_field.h"

#include "base/os.h"
#include "base/cp932_text.h"

std::string AsFolderField(const std::string& chosenPath) {
    if (chosenPath.empty()) return chosenPath;
    return WithTrailingMbcs(chosenPath, PathSeparator());
}
