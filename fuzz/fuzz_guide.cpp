// Guide pages: any line of text becomes page markup with CR LF line ends and no byte above 127.
#include "fuzz/FuzzInput.h"
#include "info/GuideWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vdl::fuzz::environment();
    return vdl::FuzzGuidePage(data, size);
}
