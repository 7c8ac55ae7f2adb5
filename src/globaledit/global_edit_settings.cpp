#include "globaledit/global_edit_settings.h"

namespace zt::globaledit {

const std::array<std::string_view, 2>& applyToTexts() {
    static constexpr std::array<std::string_view, 2> texts = {"All Players", "Sel. Criteria"};
    return texts;
}

const std::array<std::string_view, 12>& positionTexts() {
    static constexpr std::array<std::string_view, 12> texts = {
        "All Positions", "Pitchers only", "Fielders only", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH"};
    return texts;
}

const std::array<std::string_view, 2>& teamTexts() {
    static constexpr std::array<std::string_view, 2> texts = {"All Teams", "Current Team"};
    return texts;
}

const std::array<std::string_view, 6>& operatorTexts() {
    static constexpr std::array<std::string_view, 6> texts = {"=", "<", ">", "<=", ">=", ""};
    return texts;
}

const std::array<std::string_view, 3>& secondCriteriaTexts() {
    static constexpr std::array<std::string_view, 3> texts = {"No second criteria", "AND", "OR"};
    return texts;
}

const std::array<std::string_view, 4>& historyLevelTexts() {
    static constexpr std::array<std::string_view, 4> texts = {"Majors", "AAA", "AA", "A"};
    return texts;
}

}  // namespace zt::globaledit
