// Registers the private lock directory for every test of this program.

// own
#include "LinkTestSupport.h"

namespace
{
const ::testing::Environment* const kRuntimeDir =
    ::testing::AddGlobalTestEnvironment(new CPrivateRuntimeDir);
} // namespace
