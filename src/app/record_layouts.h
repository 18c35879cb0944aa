// Records the program stores as bytes and Windows reads as structures: their layout must be the
// same in the 32-bit program we ship and the 64-bit one the tests run.
#pragma once

#include <windows.h>

#include <cstddef>

#include "shell/log_font.h"

// The user's font (Software\Kalmora2x\Font) is a LOGFONTA written field by field by the portable
// code (shell/log_font.cpp), which knows these offsets.
static_assert(sizeof(LOGFONTA) == shell::kLogFontSize);
static_assert(offsetof(LOGFONTA, lfHeight) == 0);
static_assert(offsetof(LOGFONTA, lfWeight) == 16);
static_assert(offsetof(LOGFONTA, lfItalic) == 20);
static_assert(offsetof(LOGFONTA, lfUnderline) == 21);
static_assert(offsetof(LOGFONTA, lfStrikeOut) == 22);
static_assert(offsetof(LOGFONTA, lfCharSet) == 23);
static_assert(offsetof(LOGFONTA, lfFaceName) == 28 && LF_FACESIZE == 32);
