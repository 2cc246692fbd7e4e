#pragma once

#include <QFontDatabase>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <filesystem>

#include "core/app_state.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "test_support.h"
#include "ui/context.h"
#include "ui/drawing/printer_source.h"
#include "util/settings.h"

namespace vornexa::test {

// What a window under test is built over: its state with the history log on, a
// recording message presenter, scripted dialogs and a printer.
struct WindowHarness {
    WindowHarness() { state.messages.log.enabled = true; }

    RecordingPresenter presenter;
    AppState state{presenter};
    ScriptedDialogs dialogs;
    PrinterSource printer;
    RecordingDesktop desktop;
    UiContext ctx{state, dialogs, printer, desktop};
};

// Program, data and temporary folders and a settings file of the test's own in
// `dir`, with the settings a first start would make there.
inline void UseTemporaryFolders(WindowHarness& h, const TempFolder& dir) {
    const std::string data = dir.file("data") + "/";
    std::filesystem::create_directories(data);
    h.state.folders = {dir.file("program/"), data, dir.file("temp/")};
    h.state.iniPath = dir.file("VORN.INI");
    h.state.settings = StartSettings(data, QFontDatabase::families().value(0).toStdString());
    h.state.settings.MaxDisplaySize = 4096;
}

// The control of that name; the test ends when the window has none.
template <class W>
W& Child(QWidget& parent, const char* name) {
    W* widget = parent.findChild<W*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        qFatal("missing control %s", name);
    }
    return *widget;
}

inline void Click(QWidget& window, const char* button) {
    QTest::mouseClick(&Child<QPushButton>(window, button), Qt::LeftButton);
}

}  // namespace vornexa::test
