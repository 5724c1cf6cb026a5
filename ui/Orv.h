#pragma once
// The application object and the command line.

#include "SendResults.h"
#include "WinApp.h"

#include <QString>

#include <string>
#include <vector>

namespace velmar {

class COrvApp : public CWinApp {
public:
    COrvApp() = default;
    // Runs the settings dialog modally and returns false, so the program ends
    // when the dialog closes, however it is closed.
    bool InitInstance() override;

    QString m_strStartFile; // the command line's FILE, opened once the window is up
    QString m_strPort;      // the command line's --port DEV
};

// What the command line asks for. Options of one dash are Qt's own (-platform, ...) and are left to it.
struct StartOptions {
    bool help = false;
    bool version = false;
    QString file;
    QString port;               // --port DEV
    QString card;               // --card OUT.pdf: make the channel card of `file` and end, no window
    CommandLineRefusal refusal; // a bad command line, said on the terminal
};
StartOptions ParseCommandLine(const std::vector<std::string>& args);

extern COrvApp theApp;

// The program's entry: makes the Qt application and runs theApp.
int AfxWinMain(int& argc, char** argv);

} // namespace velmar
