#pragma once
// The application object: one per program, built before main runs. Run makes
// the Qt application, calls InitInstance and, only if that returns true, runs
// an event loop; a dialog program runs its dialog inside InitInstance and
// returns false, which ends the program.

#include <functional>

class QObject;
class QWidget;

namespace velmar {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();
    virtual int ExitInstance();
    // The standard help command; the program has no help content of its own.
    virtual void OnHelp();

    // The entry point's work: argc/argv go to Qt. Returns the exit code.
    int Run(int& argc, char** argv);

    QWidget* m_pMainWnd = nullptr; // the window that owns application-wide boxes
    // How many closing signals came; from the second on, closing no longer asks about unsaved changes.
    int m_nCloseSignals = 0;
};

// The one application object, or nullptr before it is built.
CWinApp* AfxGetApp();

// From now on SIGINT, SIGTERM and SIGHUP run `close` on the window thread (through the event loop, never inside
// the signal handler). Run installs it for the main window.
void InstallCloseSignals(QObject* owner, std::function<void()> close);

} // namespace velmar
