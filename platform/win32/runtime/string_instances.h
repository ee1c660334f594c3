// Included before every source of the Windows build (-include): std::string's
// members are instantiated in our own objects, compiled for the 486, instead
// of taken from the prebuilt library, which was compiled for the Pentium Pro
// and uses CMOV in them. libstdc++ reads -1 as "no extern templates for
// basic_string alone"; the value is its own, the rest of the library is as
// shipped.
#pragma once

#ifdef __cplusplus
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
#endif
