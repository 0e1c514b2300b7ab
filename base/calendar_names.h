// Month and weekday abbreviations as the calendar shows them.
#pragma once

// Index 0 is January.
inline constexpr const char* MONTH_ABBREVIATIONS[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Index 0 is Sunday, as in LocalTime::weekday.
inline constexpr const char* WEEKDAY_ABBREVIATIONS[7] = {"SUN", "MON", "TUE", "WED",
                                                         "THU", "FRI", "SAT"};
