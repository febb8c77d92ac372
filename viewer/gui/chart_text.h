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

}  // namespace vorn::viewer
