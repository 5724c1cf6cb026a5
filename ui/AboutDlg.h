#pragma once
// The About box: the template IDD_ABOUTBOX, nothing to exchange.

#include "Dialog.h"

namespace velmar {

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

} // namespace velmar
