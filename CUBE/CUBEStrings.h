// The module's string resources: type names of the control and the page, and the page's caption.
#pragma once

// The string with resource number `id` (IDS_CUBE, IDS_CUBE_PPG, IDS_CUBE_PPG_CAPTION of CUBEIds.h),
// or nullptr when the module holds no such string. The text lives as long as the module.
const char* CUBE_LoadString(int id);
