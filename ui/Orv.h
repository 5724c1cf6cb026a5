#pragma once
// The application object and the About box.

#include "Dialog.h"
#include "WinApp.h"

namespace velmar {

class COrvApp : public CWinApp {
public:
    COrvApp() = default;
    // Runs the settings dialog modally and returns false, so the program ends
    // when the dialog closes, however it is closed.
    bool InitInstance() override;
};

extern COrvApp theApp;

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// The program's entry: makes the Qt application and runs theApp.
int AfxWinMain(int& argc, char** argv);

} // namespace velmar
