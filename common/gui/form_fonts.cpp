#include "common/gui/form_fonts.h"

#include <QFont>
#include <QStringList>

namespace vorn {
namespace {

// Liberation Sans, Serif and Mono keep the advance widths of Arial, Times New Roman
// and Courier New. "Courier" is the bitmap face whose outline successor is Courier
// New (fixed advance of 0.6 em, as Liberation Mono). "MS Sans Serif" has no free
// metric twin; it is a Helvetica-like sans with widths near Arial's at the sizes the
// forms use, so it is drawn in Liberation Sans as well.
constexpr FormFont kFormFonts[] = {
    {"Arial", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
};

}  // namespace

std::span<const FormFont> formFonts() { return kFormFonts; }

void useFormFonts() {
    // Qt has substitutes of its own for some of these names ("arial": "helvetica"),
    // which fontconfig may resolve to yet another family: the stand-in goes first.
    // Qt keeps family names in lower case and compares them so (the chart library
    // asks for "arial").
    for (const FormFont& f : kFormFonts) {
        const QString form = QString::fromLatin1(f.form), drawnAs = QString::fromLatin1(f.drawnAs);
        QStringList substitutes = QFont::substitutes(form);
        substitutes.removeIf([&](const QString& s) { return s.compare(drawnAs, Qt::CaseInsensitive) == 0; });
        substitutes.prepend(drawnAs);
        QFont::removeSubstitutions(form);
        QFont::insertSubstitutions(form, substitutes);
    }
}

}  // namespace vorn
