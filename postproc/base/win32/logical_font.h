// The platform's form of a logical font.
#pragma once

#include <windows.h>

#include "../logical_font.h"

LOGFONTA to_logfont(const LogicalFont &font);
LogicalFont from_logfont(const LOGFONTA &lf);
