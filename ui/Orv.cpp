#include "Orv.h"

#include "OrvDlg.h"
#include "Resource.h"

namespace velmar {

COrvApp theApp;

bool COrvApp::InitInstance() {
    COrvDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
}

int AfxWinMain(int& argc, char** argv) {
    return theApp.Run(argc, argv);
}

} // namespace velmar
