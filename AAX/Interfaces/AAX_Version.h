#pragma once

// Library revision as the framework's wrapper tests it. The library offers the 2.3.1 feature set
// (exceptions and assertion reports); 2.4.0, with its transport-state notification, is not
// offered, so its revision macro stays undefined.
#define AAX_SDK_2p3p0_REVISION 0x02030000
#define AAX_SDK_2p3p1_REVISION 0x02030100
#define AAX_SDK_CURRENT_REVISION AAX_SDK_2p3p1_REVISION

// The version reported to the host by the start-up interface: 0x00000205 in the upper half,
// 20205000 in the lower half.
#define AAX_LIBRARY_VERSION_REPORTED 0x0000020501344DC8ULL
