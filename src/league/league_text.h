#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zt {

// League text is single-byte Windows-1252, kept in the core as the bytes the files hold. These
// are the one place where it meets Unicode (the window, messages, pages, mails) and where it is
// compared without regard to case.
//
// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1
// code points of the same number, so every byte survives a trip to Unicode and back.

// The character a byte of league text stands for.
char32_t unicodeOfLeagueByte(unsigned char byte);
// The byte that stands for a character, or none when league text cannot hold it.
std::optional<unsigned char> leagueByteOf(char32_t character);

// League text as UTF-8: for messages (which are UTF-8 throughout) and pages.
std::string leagueTextToUtf8(std::string_view leagueText);
// UTF-8 text as league text. A character league text cannot hold is refused with zt::Error
// naming it (never stored as something else); malformed UTF-8 is refused the same way.
std::string leagueTextFromUtf8(std::string_view utf8);
// The message refusing a character, e.g. "The character 'ł' (U+0142) cannot be stored in the
// league: its texts hold Windows-1252 characters only".
std::string unstorableCharacterMessage(char32_t character);

// Comparisons without regard to case, letters of Windows-1252 included (Š and š, É and é).
unsigned char lowerCaseLeagueByte(unsigned char byte);
bool equalNoCase(std::string_view a, std::string_view b);
bool lessNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);
// Only A to Z folded: for names that are not league text, such as UTF-8 file names.
bool equalNoCaseAscii(std::string_view a, std::string_view b);

// The text with every blank, apostrophe and full stop removed, nothing else changed: how names
// become parts of file names and how photos, patches and imports match names (St. John's ->
// StJohns).
std::string FileSafeName(std::string_view text);

// The text without blanks, tabs, carriage returns and line feeds at either end.
std::string_view trimmed(std::string_view text);

}  // namespace zt
