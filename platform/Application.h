#pragma once
// The application object: an error no handler caught is shown in the application's error box
// (caption "vdlRechner", error icon) instead of leaving the event loop. It also installs a style
// whose window-frame icons are drawn by the program (platform/FrameIcons.h).
#include <QApplication>

namespace vdl {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    static QString title(); // "vdlRechner"
    static void showException(const std::exception& e);
};

} // namespace vdl
