// Not compiled: the layer check's own test feeds it in as if it were src/db/UpwardIncludeSample.h,
// to show that an include pointing up the layers is refused.
#pragma once
#include "shell/Session.h"
