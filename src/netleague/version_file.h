#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

inline constexpr char kEditorVersion[] = "1.05";
inline constexpr char kLatestVersionMessage[] = "You have the latest version available";
inline constexpr char kNewVersionMessage[] = "A new verion is available";
inline constexpr char kTooOldPatchUrl[] = "TOO_OLD";

// A patch entry of the version file: "*from-to" and its three lines.
struct PatchEntry {
    std::string range;  // "from-to" as written
    std::string notesUrl;
    std::string patchUrl;  // or kTooOldPatchUrl
    std::int64_t size = 0;
    bool tooOld() const { return patchUrl == kTooOldPatchUrl; }
};

struct VersionCheck {
    bool newer = false;               // the first line names a version above the editor's
    std::optional<PatchEntry> patch;  // the first entry whose range holds the editor's version
    const char* message() const { return newer ? kNewVersionMessage : kLatestVersionMessage; }
};

// Reads the version file: line 1 is the newest version; a line starting with "*" opens an entry
// "*from-to" followed by the release notes URL, the patch URL (or TOO_OLD) and the patch size.
// Entries are looked at only when the newest version is above `editorVersion`, in order, and the
// first with from <= editorVersion <= to is taken. A version or size that is not a number throws
// zt::Error with the conversion's message; an entry cut short throws naming the entry.
VersionCheck readVersionFile(std::string_view text, std::string_view editorVersion = kEditorVersion);

}  // namespace zt
