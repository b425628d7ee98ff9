#include "app/CAboutDialog.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAboutDialog, CDialog)
END_MESSAGE_MAP()

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX, nullptr) {}

void CAboutDialog::DoDataExchange(CDataExchange* /*pDX*/) {}
