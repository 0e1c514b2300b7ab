#include "views/time_fit.h"

const std::vector<int>& TimeFontSizes() {
    static const std::vector<int> sizes = {100, 95, 90, 85, 80, 75, 70, 65, 60};
    return sizes;
}

int TimeFontSizeFor(const std::string& time, int limit, const std::vector<int>& sizes,
                    const SizedTextWidth& widthAt) {
    for (int size : sizes) {
        if (widthAt(time, size) <= limit) return size;
    }
    return sizes.empty() ? 0 : sizes.back();
}
