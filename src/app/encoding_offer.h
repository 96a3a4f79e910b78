#pragma once
// A working folder carried over from a Chinese Windows PC holds its text in
// GB18030. When nothing chose an encoding, the tool looks at the data files
// once at start and offers to read them so.

#include "common/prompts.h"
#include "files/work_folder.h"

namespace mervadin {

// Whether the data files of `folder` (the first 256 KiB of each) hold text that is
// not UTF-8 but reads cleanly as GB18030.
bool HoldsGb18030Text(const WorkFolder& folder);

// When the encoding in use is only the default and the folder's files look
// like GB18030, asks once whether to switch; the answer is remembered
// either way.
void OfferEncodingSwitch(const WorkFolder& folder, Prompts& prompts);

} // namespace mervadin
