#pragma once

// Identifiers of the window framework's test resources.
#define IDD_CONTROLS 200
#define IDC_NOTES 1001
#define IDC_PORT 1002
#define IDC_CHECK 1003
#define IDC_TIME 1004
#define IDC_OPTIONAL_DATE 1005

#define IDA_KEYS 300
#define IDM_REFRESH 77

#define IDM_BAR 400
#define IDM_EXIT 1
