#include "viewer/core/title_layout.h"

namespace vorn::viewer {
namespace {

std::string trimmedRight(const std::string& s) {
    const auto e = s.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : s.substr(0, e + 1);
}

// A line may end before position e: after a run of blanks, a '/' or a '=', or at the end.
bool breaksBefore(const std::string& text, size_t e) {
    if (e >= text.size()) return true;
    const char before = text[e - 1];
    return before == '/' || before == '=' || (before == ' ' && text[e] != ' ');
}

}  // namespace

std::vector<std::string> wrapText(const std::string& text, double maxWidth, const TextWidth& width) {
    if (width(text) <= maxWidth) return {text};
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        // The widest piece that fits and ends where a line may end; widths grow with the
        // piece, so the search stops at the first one that does not fit.
        size_t end = 0;
        for (size_t e = pos + 1; e <= text.size(); ++e) {
            if (!breaksBefore(text, e)) continue;
            if (width(trimmedRight(text.substr(pos, e - pos))) > maxWidth) break;
            end = e;
        }
        if (end == 0) {
            end = pos + 1;  // at least one character a line
            while (end < text.size() && width(text.substr(pos, end + 1 - pos)) <= maxWidth) ++end;
        }
        const std::string line = trimmedRight(text.substr(pos, end - pos));
        if (!line.empty() || lines.empty()) lines.push_back(line);
        pos = text.find_first_not_of(' ', end);
        if (pos == std::string::npos) break;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

std::vector<std::string> titleLines(const ChartModel& chart, double maxWidth, const TextWidth& width) {
    std::vector<std::string> lines = wrapText(chart.titleLine1, maxWidth, width);
    const std::string& second = chart.titleLine2;
    if (width(second) <= maxWidth || chart.titleGasLength == 0 ||
        chart.titleGasLength >= second.size()) {
        for (std::string& l : wrapText(second, maxWidth, width)) lines.push_back(std::move(l));
        return lines;
    }
    for (const std::string& part : {second.substr(0, chart.titleGasLength), second.substr(chart.titleGasLength)})
        for (std::string& l : wrapText(part, maxWidth, width)) lines.push_back(std::move(l));
    return lines;
}

}  // namespace vorn::viewer
