#ifndef ZADUV_FOUNDATION_RES_RESOURCE_H
#define ZADUV_FOUNDATION_RES_RESOURCE_H
// Ids of the resources that zaduv.dll carries itself.

#define IDC_ZADUV_HAND 101      // hand-pointer cursor group, loaded through the module's own handle

#endif
