#define IDD_HOST        100
#define IDC_LIST        1001
#define IDC_GO          1002
#define IDC_NAME        1003
#define ID_HOST_REFRESH 32771
