#include "app/settings_file.h"

#include <string_view>

#include "app/app_core.h"
#include "store/local_files.h"
#include "base/byte_text.h"
#include "base/field_codec.h"

namespace {
constexpr uint32_t FLAG_AUTO_CLOCK_ADJUST = 1u << 0;
constexpr uint32_t FLAG_NEWS_SOUND = 1u << 1;
constexpr uint32_t FLAG_NEWS_BALLOON = 1u << 2;
constexpr uint32_t FLAG_NOTICE_SOUND = 1u << 3;
constexpr uint32_t FLAG_NOTICE_BALLOON = 1u << 4;

constexpr int RESERVED_FOLDER_FIELDS = 2;  // line 3 starts with two fields nobody uses
constexpr char PAIR_SEPARATOR = '\b';

// A text ends at its first NUL, and a 0x07 or line feed inside it would shift every later field
// and line, so neither is written.
std::string FieldText(const std::string& text) {
    std::string clean;
    for (char c : text) {
        if (c == '\0') break;
        if (c != FIELD_SEP && c != '\n') clean += c;
    }
    return clean;
}

uint32_t LowBits(int64_t time) { return static_cast<uint32_t>(time); }

uint32_t FlagsOf(const CAppCore& core) {
    uint32_t flags = 0;
    if (core.m_autoClockAdjust) flags |= FLAG_AUTO_CLOCK_ADJUST;
    if (core.m_newsSound) flags |= FLAG_NEWS_SOUND;
    if (core.m_newsBalloon) flags |= FLAG_NEWS_BALLOON;
    if (core.m_noticeSound) flags |= FLAG_NOTICE_SOUND;
    if (core.m_noticeBalloon) flags |= FLAG_NOTICE_BALLOON;
    return flags;
}

std::string GeneralLine(const CAppCore& core) {
    std::string line;
    for (uint32_t value :
         {static_cast<uint32_t>(core.m_windowLeft), static_cast<uint32_t>(core.m_windowTop),
          FlagsOf(core), static_cast<uint32_t>(core.m_autoNotifyRank),
          LowBits(core.m_noticeCheckedAt), LowBits(core.m_newsCheckedAt), LowBits(core.m_spareTime),
          LowBits(core.m_updatedAt), static_cast<uint32_t>(CAppCore::SETTINGS_VERSION),
          static_cast<uint32_t>(core.m_nextIndicatorId),
          static_cast<uint32_t>(core.m_termsAcceptedAt),
          static_cast<uint32_t>(core.m_avoidSoundErrors)})
        AppendHexField(line, value);
    return line;
}

std::string SoundLine(const CAppCore& core) {
    std::string line;
    AppendHexField(line, core.m_eventMask);
    for (const std::string& file : core.m_soundFiles) AppendTextField(line, FieldText(file));
    return line;
}

std::string TerminalFolderLine(const CAppCore& core) {
    std::string line;
    for (int reserved = 0; reserved < RESERVED_FOLDER_FIELDS; ++reserved) AppendTextField(line, "");
    for (const std::string& folder : core.m_terminalFolders)
        AppendTextField(line, FieldText(folder));
    return line;
}

std::string FoundFolderLine(const CAppCore& core) {
    std::string line;
    for (const std::string& folder : core.m_foundTerminalFolders)
        AppendTextField(line, FieldText(folder));
    return line;
}

std::string PairLine(const CAppCore& core) {
    std::string line;
    for (int j = 0; j < CAppCore::PAIR_COUNT; ++j)
        AppendTextField(line, FormatText("%d\b%d\b", core.m_pairFirst[j], core.m_pairSecond[j]));
    return line;
}

std::string SignalCopyLine(const CAppCore& core) {
    std::string line;
    AppendTextField(line, FieldText(core.m_signalCopyFolder));
    AppendTextField(line, "");
    return line;
}

// The fields of a line: the text before each 0x07. Bytes after the last 0x07 are no field,
// since every field the program writes is followed by one. The fields point into the line.
std::vector<std::string_view> FieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t end = line.find(FIELD_SEP); end != std::string_view::npos;
         end = line.find(FIELD_SEP, start)) {
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

// The fields of a line whose fields are picked by position: those of FieldsOf, and text after
// the last 0x07 as one more field, which runs to the end of the line.
std::vector<std::string_view> PositionalFieldsOf(std::string_view line) {
    std::vector<std::string_view> fields = FieldsOf(line);
    const size_t last = line.rfind(FIELD_SEP);
    const std::string_view rest = last == std::string_view::npos ? line : line.substr(last + 1);
    if (!rest.empty()) fields.push_back(rest);
    return fields;
}

// A field that is missing or holds no number reads as 0.
uint32_t HexAt(const std::vector<std::string_view>& fields, size_t index) {
    return index < fields.size() ? static_cast<uint32_t>(ReadHex(fields[index])) : 0;
}

void ApplyGeneralLine(const std::string& line, CAppCore& core) {
    std::vector<std::string_view> fields = FieldsOf(line);
    core.m_windowLeft = static_cast<int32_t>(HexAt(fields, 0));
    core.m_windowTop = static_cast<int32_t>(HexAt(fields, 1));
    uint32_t flags = HexAt(fields, 2);
    core.m_autoClockAdjust = (flags & FLAG_AUTO_CLOCK_ADJUST) != 0;
    core.m_newsSound = (flags & FLAG_NEWS_SOUND) != 0;
    core.m_newsBalloon = (flags & FLAG_NEWS_BALLOON) != 0;
    core.m_autoNotifyRank = static_cast<int32_t>(HexAt(fields, 3));
    core.m_noticeCheckedAt = HexAt(fields, 4);
    core.m_newsCheckedAt = HexAt(fields, 5);
    core.m_spareTime = HexAt(fields, 6);
    core.m_updatedAt = HexAt(fields, 7);
    core.m_fileVersion = static_cast<int32_t>(HexAt(fields, 8));
    core.m_nextIndicatorId = static_cast<int32_t>(HexAt(fields, 9));
    core.m_termsAcceptedAt = static_cast<int32_t>(HexAt(fields, 10));
    core.m_avoidSoundErrors = static_cast<int32_t>(HexAt(fields, 11));
}

void ApplySoundLine(const std::string& line, CAppCore& core) {
    std::vector<std::string_view> fields = FieldsOf(line);
    core.m_eventMask = HexAt(fields, 0);
    for (size_t event = 0; event < core.m_soundFiles.size(); ++event)
        core.m_soundFiles[event] =
            event + 1 < fields.size() ? fields[event + 1] : std::string_view();
}

void ApplyTerminalFolderLine(const std::string& line, CAppCore& core) {
    std::vector<std::string_view> fields = PositionalFieldsOf(line);
    for (size_t entry = 0; entry < core.m_terminalFolders.size(); ++entry) {
        size_t index = entry + RESERVED_FOLDER_FIELDS;
        if (index < fields.size()) core.m_terminalFolders[entry] = fields[index];
    }
}

void ApplyFoundFolderLine(const std::string& line, CAppCore& core) {
    for (std::string_view folder : FieldsOf(line))
        if (!folder.empty()) core.m_foundTerminalFolders.emplace_back(folder);
}

void ApplyPairLine(const std::string& line, CAppCore& core) {
    std::vector<std::string_view> fields = FieldsOf(line);
    for (size_t j = 0; j < fields.size() && j < static_cast<size_t>(CAppCore::PAIR_COUNT); ++j) {
        std::string_view field = fields[j];
        size_t cut = field.find(PAIR_SEPARATOR);
        core.m_pairFirst[j] = ReadDecimal(field.substr(0, cut));
        core.m_pairSecond[j] =
            cut == std::string_view::npos ? 0 : ReadDecimal(field.substr(cut + 1));
    }
}

void ApplySignalCopyLine(const std::string& line, CAppCore& core) {
    std::vector<std::string_view> fields = PositionalFieldsOf(line);
    if (!fields.empty()) core.m_signalCopyFolder = fields[0];
}
}  // namespace

std::vector<std::string> FormatSettingsLines(const CAppCore& core) {
    return {GeneralLine(core),     SoundLine(core), TerminalFolderLine(core),
            FoundFolderLine(core), PairLine(core),  SignalCopyLine(core)};
}

void ApplySettingsLines(const std::vector<std::string>& lines, CAppCore& core) {
    using Apply = void (*)(const std::string&, CAppCore&);
    static constexpr Apply LINE_READERS[] = {ApplyGeneralLine,        ApplySoundLine,
                                             ApplyTerminalFolderLine, ApplyFoundFolderLine,
                                             ApplyPairLine,           ApplySignalCopyLine};
    for (size_t index = 0; index < lines.size() && index < std::size(LINE_READERS); ++index)
        LINE_READERS[index](lines[index], core);
}
