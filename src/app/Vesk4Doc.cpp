// The data-less document of an editor view (everything is inline).

// own
#include "app/Vesk4Doc.h"
