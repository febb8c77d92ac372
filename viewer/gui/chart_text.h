#pragma once
// Qt Charts reads titles and series names as rich text: "<u>" would vanish and runs of blanks
// would collapse. Every text handed to a chart goes through here.

#include <QString>

#include <string>

namespace vorn::viewer {

inline QString chartText(const std::string& plain) {
    QString html = QString::fromStdString(plain).toHtmlEscaped();
    html.replace(' ', "&nbsp;");
    return html;
}

// A tooltip showing plain exactly (Qt guesses whether a tooltip is rich text, and "<u>..."
// looks like it); trailing blanks are left out. Empty for an empty text.
inline QString toolTipText(std::string plain) {
    plain.erase(plain.find_last_not_of(' ') + 1);
    return plain.empty() ? QString() : "<qt>" + chartText(plain) + "</qt>";
}

}  // namespace vorn::viewer
