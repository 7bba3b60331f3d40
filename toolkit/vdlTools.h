#pragma once
// The toolkit's free functions, one header per topic.
#include "toolkit/vdlTools_strings.h"
#include "toolkit/vdlTools_forms.h"
#include "toolkit/vdlTools_numbers.h"
#include "toolkit/vdlTools_dates.h"
#include "toolkit/vdlTools_misc.h"
#include "toolkit/vdlTools_dateedit.h"
