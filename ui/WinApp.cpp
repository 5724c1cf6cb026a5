#include "WinApp.h"

#include "Resource.h"
#include "ResourceLoader.h"

#include <QApplication>

namespace velmar {
namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp() {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

bool CWinApp::InitInstance() {
    return true;
}

int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::OnHelp() {}

int CWinApp::Run(int& argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(LoadIcon(IDR_MAINFRAME));
    int code = 0;
    if (InitInstance()) {
        code = QApplication::exec();
    }
    const int exitCode = ExitInstance();
    m_pMainWnd = nullptr;
    return code != 0 ? code : exitCode;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

} // namespace velmar
