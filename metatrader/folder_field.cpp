#include "metatrader/folder_field.h"

#include "app/os.h"
#include "store/text_utils.h"

std::string AsFolderField(const std::string& chosenPath) {
    if (chosenPath.empty()) return chosenPath;
    return WithTrailingMbcs(chosenPath, PathSeparator());
}
