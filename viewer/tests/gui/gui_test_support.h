#pragma once
// Helpers for driving the viewer window in tests.

#include <QLineSeries>
#include <QListWidget>
#include <memory>

#include "scripted_dialogs.h"
#include "viewer/gui/chart_view.h"
#include "viewer/gui/tform1.h"
#include "viewer/gui/tform2.h"

namespace vorn::viewer::test {

inline QString dataFile(const char* name) { return QString(VIEWER_TEST_DATA) + "/" + name; }

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
