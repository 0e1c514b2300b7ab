// What the HTML pane's browser may load and run: its answer to the browser's download-control
// ambient property. The page is text from the network, so nothing in it may run: no scripts,
// no Java, no ActiveX controls (neither run nor downloaded), no behaviours, no client pull
// (meta refresh), no frames, and no dialogs of the browser's own. Images load, so that a
// news item's pictures show.
#pragma once

#include <cstdint>

// The download-control flags of the Windows SDK (DLCTL_*, mshtmdid.h), by value: the portable
// core includes no Windows header.
namespace download_control {
inline constexpr uint32_t IMAGES = 0x00000010;
inline constexpr uint32_t VIDEOS = 0x00000020;
inline constexpr uint32_t BACKGROUND_SOUNDS = 0x00000040;
inline constexpr uint32_t NO_SCRIPTS = 0x00000080;
inline constexpr uint32_t NO_JAVA = 0x00000100;
inline constexpr uint32_t NO_RUN_ACTIVEX = 0x00000200;
inline constexpr uint32_t NO_DOWNLOAD_ACTIVEX = 0x00000400;
inline constexpr uint32_t NO_FRAME_DOWNLOAD = 0x00001000;
inline constexpr uint32_t NO_BEHAVIORS = 0x00008000;
inline constexpr uint32_t NO_CLIENT_PULL = 0x20000000;
inline constexpr uint32_t SILENT = 0x40000000;
}  // namespace download_control

// The flags the pane's host answers.
inline constexpr uint32_t PANE_DOWNLOAD_CONTROL =
    download_control::IMAGES | download_control::NO_SCRIPTS | download_control::NO_JAVA |
    download_control::NO_RUN_ACTIVEX | download_control::NO_DOWNLOAD_ACTIVEX |
    download_control::NO_FRAME_DOWNLOAD | download_control::NO_BEHAVIORS |
    download_control::NO_CLIENT_PULL | download_control::SILENT;
