#include "welcome_text.h"

#include <QTextEdit>

// Sizes are in pixels, as the text was laid out for the window's first screen.
void ShowWelcomeText(QTextEdit* view)
{
    view->setAcceptRichText(true);
    view->setHtml(QStringLiteral(
        "<body style=\"color:#0000ff; font-family:'Times New Roman'; font-size:16pt\">"
        "<div align=\"center\">"
        "<p style=\"margin:0; font-style:italic; font-size:38px\">Vorn</p>"
        "<p style=\"margin:0\">&nbsp;</p>"
        "<p style=\"margin:0; color:#0000ff; font-size:24px\">computes the electron energy "
        "distribution function</p>"
        "<p style=\"margin:0; color:#0000ff; font-size:24px\">and the kinetic coefficients of "
        "electrons</p>"
        "<p style=\"margin:0; color:#0000ff; font-size:24px\">in gas mixtures</p>"
        "<p style=\"margin:0\">&nbsp;</p>"
        "<p style=\"margin:0; color:#000000; font-size:18px\">Developed by the Vorn "
        "development team</p>"
        "<p style=\"margin:0; color:#000000; font-size:18px\">for plasma and gas-discharge "
        "physics</p>"
        "<p style=\"margin:0\">&nbsp;</p>"
        "</div>"
        "<div align=\"left\" style=\"text-indent:10px\">"
        "<p style=\"margin:0; text-indent:10px\">&nbsp;</p>"
        "<p style=\"margin:0; text-indent:10px; font-size:16px\">Questions and reports: "
        "through the project's issue tracker</p>"
        "<p style=\"margin:0; text-indent:10px; font-size:16px\">Documentation: README "
        "of the distribution</p>"
        "<p style=\"margin:0; text-indent:10px\">&nbsp;</p>"
        "<p style=\"margin:0; text-indent:10px; color:#000000; font-style:italic; "
        "font-size:16px\">Vorn project</p>"
        "<p style=\"margin:0; text-indent:10px; color:#000000; font-style:italic; "
        "font-size:16px\">Electron kinetics software</p>"
        "<p style=\"margin:0; text-indent:10px\">&nbsp;</p>"
        "<p style=\"margin:0; text-indent:10px; font-size:12px\">Version 1.0 (2003)</p>"
        "</div></body>"));
}
