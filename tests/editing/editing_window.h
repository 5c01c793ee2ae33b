#pragma once

// A main window on fakes, without a catalogue: enough for the handlers that
// only work on the window's controls.

#include "browse/detail_box.h"
#include "browse/form1.h"
#include "platform/env.h"
#include "platform/qt_window_geometry.h"
#include "support/fakes.h"

namespace tolvane::test {

struct EditingWindow {
    ScriptedDialogs dialogs;
    FakeClipboard clipboard;
    QtWindowGeometry geometry;
    Env env = makeEnv();
    Form1 form{env};

    Env makeEnv() {
        Env e;
        e.dialogs = &dialogs;
        e.clipboard = &clipboard;
        e.geometry = &geometry;
        return e;
    }
    DetailBox& box(int i) { return *form.TOut[static_cast<std::size_t>(i)]; }
};

}  // namespace tolvane::test
