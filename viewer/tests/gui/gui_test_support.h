#pragma once
// Helpers for driving the viewer window in tests.

#include <QFile>
#include <QLineSeries>
#include <QListWidget>
#include <map>
#include <memory>

#include "scripted_dialogs.h"
#include "viewer/gui/chart_view.h"
#include "viewer/gui/tform1.h"
#include "viewer/gui/tform2.h"
#include "viewer/tests/core/gdt_builder.h"

namespace vorn::viewer::test {

inline QString dataFile(const char* name) { return QString(VIEWER_TEST_DATA) + "/" + name; }

// Writes the file of `layout` into folder, with the given lines (from 1) replaced; returns
// its path, or an empty string when it could not be written.
inline QString writeGdt(const QString& folder, const QString& name, const GdtLayout& layout,
                        const std::map<int, QByteArray>& replaced = {}) {
    QList<QByteArray> lines = QByteArray::fromStdString(buildGdt(layout)).split('\n');
    for (const auto& [number, text] : replaced) lines[number - 1] = text + "\r";
    QFile file(folder + "/" + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(lines.join('\n')) < 0) return {};
    return file.fileName();
}

// A viewer window with scripted dialogs, as the library would create it.
struct Viewer {
    TForm2 form2;
    TForm1 form1{&form2};
    ScriptedDialogs* dialogs;

    Viewer() {
        auto d = std::make_unique<ScriptedDialogs>();
        dialogs = d.get();
        form1.setDialogs(std::move(d));
        form1.show();
    }
    // File/Open with the graph filter (1) or the listing filter (2).
    void open(const QString& path, int filter = 1) {
        dialogs->queueFile(path, filter);
        form1.Open1Click();
    }
    void tickAll(QListWidget* list) {
        for (int i = 0; i < list->count(); ++i) list->item(i)->setCheckState(Qt::Checked);
    }
    int visibleSeries(int chart) const {
        int n = 0;
        for (QLineSeries* s : form1.Charts[chart]->lineSeries())
            if (s->isVisible()) ++n;
        return n;
    }
};

}  // namespace vorn::viewer::test
