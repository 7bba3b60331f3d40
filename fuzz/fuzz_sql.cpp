// SQL rewriting: quotes, "like", "where" and comparisons with null in any text.
// The first byte chooses the options.
#include "fuzz/FuzzInput.h"
#include "toolkit/vdlDB.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vdl::fuzz::environment();
    return vdl::FuzzConvertSQL(data, size);
}
