// One economic-indicator announcement as the indicator store keeps it.
#pragma once

#include <cstdint>
#include <string>

struct IndicatorRecord {
    int64_t when = 0;          // announcement time, seconds since 1970 UTC
    std::string name;          // as shown; "&amp;" already turned into "&"
    std::string forecast;      // free text as delivered
    std::string result;        // free text; empty until published
    std::string previous;      // free text
    int32_t country = -1;      // 0 to 15 select a flag; anything else draws none
    int32_t rank = 0;          // importance, compared with the auto-notify rank
    int32_t highlight = 0;     // nonzero: the name is drawn in red
    uint32_t firedAlerts = 0;  // alert stages already given, one bit per stage
    bool notify = false;       // the user wants alerts for this announcement
    bool muted = false;        // never chosen as the next alert target
    int32_t id = 0;            // unique within the store; auto-trade rules refer to it

    // True when every stage of the mask has already been given.
    bool HasFiredAlerts(uint32_t mask) const { return (firedAlerts & mask) == mask; }

    bool operator==(const IndicatorRecord&) const = default;
};
