#pragma once

#include <filesystem>
#include <string>

namespace zt::reports {

// How one table is written as HTML, edited with the "HTML Settings" dialog. Every report table
// starts from these values except where its report gives others; they live as long as the
// report window and are not saved.
struct HtmlExportSettings {
    int borderSize = 1;   // 0..10
    int cellSpacing = 0;  // 0..10
    int cellPadding = 0;  // 0..10
    std::string tableStyle;
    int width = 100;  // percent
    bool useColors = true;
    bool useFonts = true;
    std::string prefixTags;
    std::string suffixTags;
    std::filesystem::path headerFile;
    std::filesystem::path footerFile;

    bool operator==(const HtmlExportSettings&) const = default;
};

}  // namespace zt::reports
