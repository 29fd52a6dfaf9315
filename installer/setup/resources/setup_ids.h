/* Resource and control ids of CorvexIV, shared by the resource script and the dialogs. */
#pragma once

#define IDD_INSTALL 100
#define IDD_QUIT 101
#define IDI_CORVEX 128
#define IDD_UPDATE 129

#define IDC_LICENCE 1000
#define IDC_DIRECTORY 1001
#define IDC_BROWSE 1002
#define IDC_ACCEPT 1003
#define IDC_DECLINE 1004
#define IDC_DIRECTORY_LABEL 1005
#define IDC_STATUS 1006
#define IDC_INSTALL_NOW 1007
#define IDC_TITLE 1008
#define IDC_OVERWRITE 1010
#define IDC_UPDATE 1011
